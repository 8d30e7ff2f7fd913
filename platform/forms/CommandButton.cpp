#include "CommandButton.h"

#include <QPushButton>

namespace platform::forms {

CommandButton::CommandButton(Container& container) : Control(container, new QPushButton, Tipo::comJanela)
{
    auto* botao = static_cast<QPushButton*>(widget());
    botao->setFont(fonteQt(fontePadrao()));
    botao->setAutoDefault(false);
    setClickFromMouse(false);
    QObject::connect(botao, &QPushButton::clicked, botao, [this] {
        if (onClick)
            onClick();
    });
}

QString CommandButton::Caption() const
{
    return static_cast<QPushButton*>(widget())->text();
}

void CommandButton::setCaption(const QString& caption)
{
    static_cast<QPushButton*>(widget())->setText(caption);
}

void CommandButton::setFont(const Fonte& fonte)
{
    widget()->setFont(fonteQt(fonte));
}

} // namespace platform::forms
