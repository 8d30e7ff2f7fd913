#pragma once
// A push button. An "&" in the caption underlines the next letter, which
// pressed with Alt presses the button.
#include "Control.h"
#include "Font.h"

namespace platform::forms {

class CommandButton : public Control {
public:
    explicit CommandButton(Container& container);

    QString Caption() const;
    void setCaption(const QString& caption);
    void setFont(const FontSpec& fonte);
};

} // namespace platform::forms
