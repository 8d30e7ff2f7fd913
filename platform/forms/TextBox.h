#pragma once
// A single-line edit field: Change at every change of its text, and
// KeyPress for every character typed, with its 16-bit character code. The
// handler may change the code, or set it to 0 to drop the character.
#include "Control.h"
#include "Fonte.h"

namespace platform::forms {

class TextBox : public Control {
public:
    explicit TextBox(Container& container);

    QString Text() const;
    void setText(const QString& text);
    int MaxLength() const;
    void setMaxLength(int length); // 0: no limit
    void setFont(const Fonte& fonte);

    std::function<void()> onChange;
    std::function<void(int& KeyAscii)> onKeyPress;
};

} // namespace platform::forms
