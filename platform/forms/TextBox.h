#pragma once
// A single-line edit field: Change at every change of its text, and
// KeyDown and KeyPress for every key typed (KeyPress with the character's
// 16-bit code; the handler may change the code, or set it to 0 to drop the
// character). Being one line, it turns line breaks and tabs, typed or
// pasted, into spaces. Alt with a letter types nothing: it is an access key.
#include "Control.h"
#include "Font.h"

namespace platform::forms {

class TextBox : public Control {
public:
    explicit TextBox(Container& container);

    QString Text() const;
    void setText(const QString& text);
    int MaxLength() const;
    void setMaxLength(int length); // 0: no limit
    void setFont(const FontSpec& font);

    std::function<void()> onChange;

private:
    friend class LineEdit;
};

} // namespace platform::forms
