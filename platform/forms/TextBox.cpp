#include "TextBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace platform::forms {
namespace {

// One line: every line break or tab becomes a space.
QString asOneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (QChar& character : text)
        if (character == u'\n' || character == u'\r' || character == u'\t' || character == QChar::LineSeparator
            || character == QChar::ParagraphSeparator)
            character = u' ';
    return text;
}

} // namespace

// Raises KeyDown and KeyPress for each key before the field sees it.
class LineEdit : public QLineEdit {
public:
    explicit LineEdit(TextBox& box) : box_(box) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!box_.raiseKeyDown(event))
            return;
        if (isAccessKeyChord(event))
            return; // an access key of the form, found or not, never types a letter
        const QString text = charactersOf(event);
        if (text.isEmpty()) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        for (const QChar character : text) {
            const int keyAscii = box_.raiseKeyPress(character.unicode());
            if (keyAscii == 0)
                continue;
            if (keyAscii == character.unicode()) {
                // Unchanged: the field handles the key as usual (Backspace, Enter...).
                QKeyEvent same(event->type(), event->key(), event->modifiers(), QString(character));
                QLineEdit::keyPressEvent(&same);
            } else if (keyAscii >= 0x20) {
                insert(QString(QChar(char16_t(keyAscii))));
            }
        }
    }

private:
    TextBox& box_;
};

TextBox::TextBox(Container& container) : Control(container, new LineEdit(*this), WidgetKind::windowed)
{
    auto* field = static_cast<QLineEdit*>(widget());
    field->setFont(toQFont(defaultFont()));
    setClickFromMouse(false);
    setKeysFromFilter(false);
    QObject::connect(field, &QLineEdit::textChanged, field, [this, field](const QString& text) {
        const QString line = asOneLine(text);
        if (line != text) {
            // A pasted line break: put the one-line text back; that change is the one reported.
            const int cursor = field->cursorPosition();
            field->setText(line);
            field->setCursorPosition(cursor);
            return;
        }
        if (onChange)
            onChange();
    });
}

QString TextBox::Text() const { return static_cast<QLineEdit*>(widget())->text(); }
void TextBox::setText(const QString& text) { static_cast<QLineEdit*>(widget())->setText(asOneLine(text)); }

int TextBox::MaxLength() const
{
    const int limit = static_cast<QLineEdit*>(widget())->maxLength();
    return limit >= 32767 ? 0 : limit;
}

void TextBox::setMaxLength(int length)
{
    static_cast<QLineEdit*>(widget())->setMaxLength(length <= 0 ? 32767 : length);
}

void TextBox::setFont(const FontSpec& font)
{
    widget()->setFont(toQFont(font));
}

} // namespace platform::forms
