#include "Image.h"

#include <QPainter>

namespace platform::forms {

class ImageWidget : public QWidget {
public:
    explicit ImageWidget(Image& image) : image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (image_.picture_.isNull())
            return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, image_.picture_);
    }

private:
    Image& image_;
};

Image::Image(Container& container) : Control(container, new ImageWidget(*this), WidgetKind::windowless) {}

void Image::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (!picture_.isNull())
        widget()->resize(picture_.deviceIndependentSize().toSize());
    widget()->update();
}

} // namespace platform::forms
