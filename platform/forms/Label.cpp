#include "Label.h"

#include <QPainter>
#include <QTextOption>

namespace platform::forms {
namespace {

constexpr int larguraBorda = 1; // pixels of the thin sunken edge

} // namespace

class LabelWidget : public QWidget {
public:
    explicit LabelWidget(Label& label) : label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter pintor(this);
        QRect area = rect();
        if (label_.backStyle_ == FundoEstilo::opaco)
            pintor.fillRect(area, toQColor(label_.backColor_));
        if (label_.borda_ == Borda::simples) {
            pintor.setPen(toQColor(0x80000010)); // button shadow: top and left
            pintor.drawLine(area.topLeft(), area.topRight());
            pintor.drawLine(area.topLeft(), area.bottomLeft());
            pintor.setPen(toQColor(0x80000014)); // button highlight: bottom and right
            pintor.drawLine(area.bottomLeft(), area.bottomRight());
            pintor.drawLine(area.topRight(), area.bottomRight());
            area.adjust(larguraBorda, larguraBorda, -larguraBorda, -larguraBorda);
        }
        pintor.setClipRect(area);
        pintor.setFont(font());

        QTextOption opcao;
        opcao.setAlignment(Qt::AlignTop | (label_.alignment_ == Alinhamento::centro  ? Qt::AlignHCenter
                                           : label_.alignment_ == Alinhamento::direita ? Qt::AlignRight
                                                                                       : Qt::AlignLeft));
        opcao.setWrapMode(label_.autoSize_ ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);

        if (label_.Enabled()) {
            pintor.setPen(toQColor(label_.foreColor_));
            pintor.drawText(QRectF(area), label_.caption_, opcao);
        } else {
            // The classic engraved look of disabled text.
            pintor.setPen(toQColor(0x80000014));
            pintor.drawText(QRectF(area.translated(1, 1)), label_.caption_, opcao);
            pintor.setPen(toQColor(0x80000011));
            pintor.drawText(QRectF(area), label_.caption_, opcao);
        }
    }

private:
    Label& label_;
};

Label::Label(Container& container) : Control(container, new LabelWidget(*this), Tipo::semJanela)
{
    widget()->setFont(fonteQt(fontePadrao()));
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    ajustaTamanho();
    widget()->repaint(); // at once, like the classic label
}

void Label::setForeColor(ColorValue color)
{
    if (color == foreColor_)
        return;
    foreColor_ = color;
    widget()->update();
}

void Label::setBackColor(ColorValue color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    if (backStyle_ == FundoEstilo::opaco)
        widget()->update();
}

void Label::setBackStyle(FundoEstilo estilo)
{
    backStyle_ = estilo;
    widget()->update();
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    ajustaTamanho();
    widget()->update();
}

void Label::setAlignment(Alinhamento alinhamento)
{
    alignment_ = alinhamento;
    widget()->update();
}

void Label::setBorderStyle(Borda borda)
{
    borda_ = borda;
    ajustaTamanho();
    widget()->update();
}

void Label::setFont(const Fonte& fonte)
{
    widget()->setFont(fonteQt(fonte));
    ajustaTamanho();
    widget()->update();
}

void Label::setWidth(int twips)
{
    if (!autoSize_)
        Control::setWidth(twips);
}

void Label::setHeight(int twips)
{
    if (!autoSize_)
        Control::setHeight(twips);
}

void Label::ajustaTamanho()
{
    if (!autoSize_)
        return;
    // One line of text; the widget's position is untouched, so Left and Top stay.
    const QFontMetrics medidas(widget()->font());
    const int borda = borda_ == Borda::simples ? 2 * larguraBorda : 0;
    widget()->resize(medidas.horizontalAdvance(caption_) + borda, medidas.height() + borda);
}

void Label::enabledChanged()
{
    widget()->update();
}

} // namespace platform::forms
