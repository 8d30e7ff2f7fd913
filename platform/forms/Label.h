#pragma once
// A windowless text control. When transparent only the text is drawn. A
// fixed-size label wraps at word boundaries and cuts off what does not fit;
// an auto-size label takes the size of its one-line text at every change,
// keeping Left and Top. A disabled label is greyed and deaf to the mouse.
#include "Control.h"
#include "Fonte.h"
#include "platform/Colors.h"

namespace platform::forms {

enum class Alinhamento { esquerda, direita, centro };
enum class FundoEstilo { transparente, opaco };
enum class Borda { nenhuma, simples };

class Label : public Control {
public:
    explicit Label(Container& container);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    ColorValue ForeColor() const { return foreColor_; }
    void setForeColor(ColorValue color);
    ColorValue BackColor() const { return backColor_; }
    void setBackColor(ColorValue color);
    FundoEstilo BackStyle() const { return backStyle_; }
    void setBackStyle(FundoEstilo estilo);

    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    Alinhamento Alignment() const { return alignment_; }
    void setAlignment(Alinhamento alinhamento);
    Borda BorderStyle() const { return borda_; }
    void setBorderStyle(Borda borda);
    void setFont(const Fonte& fonte);

    void setWidth(int twips) override;
    void setHeight(int twips) override;

private:
    friend class LabelWidget;
    void ajustaTamanho();
    void enabledChanged() override;

    QString caption_;
    ColorValue foreColor_ = systemButtonText;
    ColorValue backColor_ = 0x8000000F; // button face
    FundoEstilo backStyle_ = FundoEstilo::opaco;
    bool autoSize_ = false;
    Alinhamento alignment_ = Alinhamento::esquerda;
    Borda borda_ = Borda::nenhuma;
};

} // namespace platform::forms
