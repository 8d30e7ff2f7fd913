#include "TextBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace platform::forms {

// Delivers each typed character to KeyPress before the field sees it.
class CampoTexto : public QLineEdit {
public:
    explicit CampoTexto(TextBox& caixa) : caixa_(caixa) {}

protected:
    void keyPressEvent(QKeyEvent* evento) override
    {
        const QString texto = evento->text();
        if (texto.isEmpty() || !caixa_.onKeyPress) {
            QLineEdit::keyPressEvent(evento);
            return;
        }
        for (const QChar caractere : texto) {
            int keyAscii = caractere.unicode();
            caixa_.onKeyPress(keyAscii);
            if (keyAscii == 0)
                continue;
            if (keyAscii == caractere.unicode()) {
                // Unchanged: the field handles the key as usual (Backspace, Enter...).
                QKeyEvent mesmo(evento->type(), evento->key(), evento->modifiers(), QString(caractere));
                QLineEdit::keyPressEvent(&mesmo);
            } else if (keyAscii >= 0x20) {
                insert(QString(QChar(char16_t(keyAscii))));
            }
        }
    }

private:
    TextBox& caixa_;
};

TextBox::TextBox(Container& container) : Control(container, new CampoTexto(*this), Tipo::comJanela)
{
    auto* campo = static_cast<QLineEdit*>(widget());
    campo->setFont(fonteQt(fontePadrao()));
    setClickFromMouse(false);
    QObject::connect(campo, &QLineEdit::textChanged, campo, [this] {
        if (onChange)
            onChange();
    });
}

QString TextBox::Text() const { return static_cast<QLineEdit*>(widget())->text(); }
void TextBox::setText(const QString& text) { static_cast<QLineEdit*>(widget())->setText(text); }

int TextBox::MaxLength() const
{
    const int limite = static_cast<QLineEdit*>(widget())->maxLength();
    return limite >= 32767 ? 0 : limite;
}

void TextBox::setMaxLength(int length)
{
    static_cast<QLineEdit*>(widget())->setMaxLength(length <= 0 ? 32767 : length);
}

void TextBox::setFont(const Fonte& fonte)
{
    widget()->setFont(fonteQt(fonte));
}

} // namespace platform::forms
