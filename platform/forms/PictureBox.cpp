#include "PictureBox.h"

#include "platform/Units.h"

#include <QPainter>
#include <QResizeEvent>

namespace platform::forms {

// The inner area: background colour, then the picture from its top-left corner.
class AreaInterna : public QWidget {
public:
    explicit AreaInterna(PictureBox& caixa, QWidget* pai) : QWidget(pai), caixa_(caixa)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusProxy(pai);
    }

protected:
    void paintEvent(QPaintEvent* evento) override
    {
        QPainter pintor(this);
        pintor.fillRect(evento->rect(), toQColor(caixa_.backColor_));
        if (!caixa_.picture_.isNull())
            pintor.drawPixmap(0, 0, caixa_.picture_);
    }

private:
    PictureBox& caixa_;
};

// The outer widget draws the border and keeps the inner area inside it. It
// owns everything its resize needs, since Qt may resize it while the
// picture box is still being built.
class PictureBoxWidget : public QWidget {
public:
    explicit PictureBoxWidget(PictureBox& caixa) : interna(new AreaInterna(caixa, this))
    {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setBorda(int pixels)
    {
        borda = pixels;
        ajusta();
        update();
    }

    AreaInterna* const interna;
    int borda = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (borda == 0)
            return;
        // The classic two-pixel sunken edge.
        QPainter pintor(this);
        const QRect r = rect();
        const auto linha = [&](ColorValue cor, QPoint a, QPoint b) {
            pintor.setPen(toQColor(cor));
            pintor.drawLine(a, b);
        };
        linha(0x80000010, r.topLeft(), r.topRight());
        linha(0x80000010, r.topLeft(), r.bottomLeft());
        linha(0x80000014, r.bottomLeft(), r.bottomRight());
        linha(0x80000014, r.topRight(), r.bottomRight());
        const QRect dentro = r.adjusted(1, 1, -1, -1);
        linha(0x80000015, dentro.topLeft(), dentro.topRight());
        linha(0x80000015, dentro.topLeft(), dentro.bottomLeft());
        linha(0x80000016, dentro.bottomLeft(), dentro.bottomRight());
        linha(0x80000016, dentro.topRight(), dentro.bottomRight());
    }
    void resizeEvent(QResizeEvent*) override { ajusta(); }

public:
    // Also called straight after a resize: a hidden widget gets its resize
    // event only when shown, and the inner area must be right before that.
    void ajusta() { interna->setGeometry(rect().adjusted(borda, borda, -borda, -borda)); }
};

PictureBox::PictureBox(Container& container) : Control(container, new PictureBoxWidget(*this), Tipo::comJanela)
{
    interna_ = static_cast<PictureBoxWidget*>(widget())->interna;
    setMouseArea(interna_);
    static_cast<PictureBoxWidget*>(widget())->setBorda(larguraBorda());
}

int PictureBox::larguraBorda() const
{
    return borda_ == BordaCaixa::afundada ? 2 : 0;
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture_.isNull()) {
        const int b = 2 * larguraBorda();
        widget()->resize(picture_.deviceIndependentSize().toSize() + QSize(b, b));
        static_cast<PictureBoxWidget*>(widget())->ajusta();
    }
    interna_->update();
}

void PictureBox::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    setPicture(picture_);
}

void PictureBox::setBorderStyle(BordaCaixa borda)
{
    borda_ = borda;
    static_cast<PictureBoxWidget*>(widget())->setBorda(larguraBorda());
    setPicture(picture_);
}

void PictureBox::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    interna_->update();
}

void PictureBox::setWidth(int twips)
{
    Control::setWidth(twips);
    static_cast<PictureBoxWidget*>(widget())->ajusta();
}

void PictureBox::setHeight(int twips)
{
    Control::setHeight(twips);
    static_cast<PictureBoxWidget*>(widget())->ajusta();
}

int PictureBox::ScaleWidth() const { return pixelsToTwips(interna_->width()); }
int PictureBox::ScaleHeight() const { return pixelsToTwips(interna_->height()); }

} // namespace platform::forms
