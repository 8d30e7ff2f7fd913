#include "PictureBox.h"

#include "platform/Units.h"

#include <QPainter>
#include <QResizeEvent>

namespace platform::forms {

// The inner area: background colour, then the picture from its top-left corner.
class InnerArea : public QWidget {
public:
    explicit InnerArea(PictureBox& box, QWidget* parent) : QWidget(parent), box_(box)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusProxy(parent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), toQColor(box_.backColor_));
        if (!box_.picture_.isNull())
            painter.drawPixmap(0, 0, box_.picture_);
    }

private:
    PictureBox& box_;
};

// The outer widget draws the border and keeps the inner area inside it. It
// owns everything its resize needs, since Qt may resize it while the
// picture box is still being built.
class PictureBoxWidget : public QWidget {
public:
    explicit PictureBoxWidget(PictureBox& box) : inner(new InnerArea(box, this))
    {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setBorderWidth(int pixels)
    {
        border = pixels;
        fitInner();
        update();
    }

    InnerArea* const inner;
    int border = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (border == 0)
            return;
        // The classic two-pixel sunken edge.
        QPainter painter(this);
        const QRect r = rect();
        const auto line = [&](ColorValue color, QPoint a, QPoint b) {
            painter.setPen(toQColor(color));
            painter.drawLine(a, b);
        };
        line(systemButtonShadow, r.topLeft(), r.topRight());
        line(systemButtonShadow, r.topLeft(), r.bottomLeft());
        line(systemButtonHighlight, r.bottomLeft(), r.bottomRight());
        line(systemButtonHighlight, r.topRight(), r.bottomRight());
        const QRect inside = r.adjusted(1, 1, -1, -1);
        line(system3DDarkShadow, inside.topLeft(), inside.topRight());
        line(system3DDarkShadow, inside.topLeft(), inside.bottomLeft());
        line(system3DLight, inside.bottomLeft(), inside.bottomRight());
        line(system3DLight, inside.topRight(), inside.bottomRight());
    }
    void resizeEvent(QResizeEvent*) override { fitInner(); }

public:
    // Also called straight after a resize: a hidden widget gets its resize
    // event only when shown, and the inner area must be right before that.
    void fitInner() { inner->setGeometry(rect().adjusted(border, border, -border, -border)); }
};

PictureBox::PictureBox(Container& container) : Control(container, new PictureBoxWidget(*this), WidgetKind::windowed)
{
    inner_ = static_cast<PictureBoxWidget*>(widget())->inner;
    setMouseArea(inner_);
    static_cast<PictureBoxWidget*>(widget())->setBorderWidth(borderWidth());
}

int PictureBox::borderWidth() const
{
    return border_ == Border::fixedSingle ? 2 : 0;
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture_.isNull()) {
        const int b = 2 * borderWidth();
        widget()->resize(picture_.deviceIndependentSize().toSize() + QSize(b, b));
        static_cast<PictureBoxWidget*>(widget())->fitInner();
    }
    inner_->update();
}

void PictureBox::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    setPicture(picture_);
}

void PictureBox::setBorderStyle(Border border)
{
    border_ = border;
    static_cast<PictureBoxWidget*>(widget())->setBorderWidth(borderWidth());
    setPicture(picture_);
}

void PictureBox::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    inner_->update();
}

void PictureBox::setWidth(int twips)
{
    Control::setWidth(twips);
    static_cast<PictureBoxWidget*>(widget())->fitInner();
}

void PictureBox::setHeight(int twips)
{
    Control::setHeight(twips);
    static_cast<PictureBoxWidget*>(widget())->fitInner();
}

int PictureBox::ScaleWidth() const { return pixelsToTwips(inner_->width()); }
int PictureBox::ScaleHeight() const { return pixelsToTwips(inner_->height()); }

} // namespace platform::forms
