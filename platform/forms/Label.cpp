#include "Label.h"

#include <QPainter>
#include <QTextOption>

namespace platform::forms {
namespace {

constexpr int borderWidth = 1; // pixels of the thin sunken edge

} // namespace

class LabelWidget : public QWidget {
public:
    explicit LabelWidget(Label& label) : label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QRect area = rect();
        if (label_.backStyle_ == Background::opaque)
            painter.fillRect(area, toQColor(label_.backColor_));
        if (label_.border_ == Border::fixedSingle) {
            painter.setPen(toQColor(systemButtonShadow)); // top and left
            painter.drawLine(area.topLeft(), area.topRight());
            painter.drawLine(area.topLeft(), area.bottomLeft());
            painter.setPen(toQColor(systemButtonHighlight)); // bottom and right
            painter.drawLine(area.bottomLeft(), area.bottomRight());
            painter.drawLine(area.topRight(), area.bottomRight());
            area.adjust(borderWidth, borderWidth, -borderWidth, -borderWidth);
        }
        painter.setClipRect(area);
        painter.setFont(font());

        QTextOption option;
        option.setAlignment(Qt::AlignTop | (label_.alignment_ == HorizontalAlignment::center  ? Qt::AlignHCenter
                                           : label_.alignment_ == HorizontalAlignment::right ? Qt::AlignRight
                                                                                       : Qt::AlignLeft));
        option.setWrapMode(label_.autoSize_ ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);

        if (label_.Enabled()) {
            painter.setPen(toQColor(label_.foreColor_));
            painter.drawText(QRectF(area), label_.caption_, option);
        } else {
            // The classic engraved look of disabled text.
            painter.setPen(toQColor(systemButtonHighlight));
            painter.drawText(QRectF(area.translated(1, 1)), label_.caption_, option);
            painter.setPen(toQColor(systemGrayText));
            painter.drawText(QRectF(area), label_.caption_, option);
        }
    }

private:
    Label& label_;
};

Label::Label(Container& container) : Control(container, new LabelWidget(*this), WidgetKind::windowless)
{
    widget()->setFont(toQFont(defaultFont()));
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    fitToText();
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
    if (backStyle_ == Background::opaque)
        widget()->update();
}

void Label::setBackStyle(Background style)
{
    backStyle_ = style;
    widget()->update();
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitToText();
    widget()->update();
}

void Label::setAlignment(HorizontalAlignment alignment)
{
    alignment_ = alignment;
    widget()->update();
}

void Label::setBorderStyle(Border border)
{
    border_ = border;
    fitToText();
    widget()->update();
}

void Label::setFont(const FontSpec& font)
{
    widget()->setFont(toQFont(font));
    fitToText();
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

void Label::fitToText()
{
    if (!autoSize_)
        return;
    // One line of text; the widget's position is untouched, so Left and Top stay.
    const QFontMetrics metrics(widget()->font());
    const int border = border_ == Border::fixedSingle ? 2 * borderWidth : 0;
    widget()->resize(metrics.horizontalAdvance(caption_) + border, metrics.height() + border);
}

void Label::enabledChanged()
{
    widget()->update();
}

} // namespace platform::forms
