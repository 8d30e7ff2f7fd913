#pragma once
// A windowless text control. When transparent only the text is drawn. A
// fixed-size label wraps at word boundaries and cuts off what does not fit;
// an auto-size label takes the size of its one-line text at every change,
// keeping Left and Top. A disabled label is greyed and deaf to the mouse.
#include "Control.h"
#include "Font.h"
#include "platform/Colors.h"

namespace platform::forms {

enum class HorizontalAlignment { left, right, center };
enum class Background { transparent, opaque };

class Label : public Control {
public:
    explicit Label(Container& container);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    ColorValue ForeColor() const { return foreColor_; }
    void setForeColor(ColorValue color);
    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);
    Background BackStyle() const { return backStyle_; }
    void setBackStyle(Background style);

    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    HorizontalAlignment Alignment() const { return alignment_; }
    void setAlignment(HorizontalAlignment alignment);
    Border BorderStyle() const { return border_; }
    void setBorderStyle(Border border);
    void setFont(const FontSpec& font);

    void setWidth(int twips) override;
    void setHeight(int twips) override;

private:
    friend class LabelWidget;
    void fitToText();
    void enabledChanged() override;

    QString caption_;
    ColorValue foreColor_ = systemButtonText;
    ColorValue backColor_ = systemButtonFace;
    Background backStyle_ = Background::opaque;
    bool autoSize_ = false;
    HorizontalAlignment alignment_ = HorizontalAlignment::left;
    Border border_ = Border::none;
};

} // namespace platform::forms
