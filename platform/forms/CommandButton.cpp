#include "CommandButton.h"

#include <QPushButton>

namespace platform::forms {

CommandButton::CommandButton(Container& container) : Control(container, new QPushButton, WidgetKind::windowed)
{
    auto* button = static_cast<QPushButton*>(widget());
    button->setFont(toQFont(defaultFont()));
    button->setAutoDefault(false);
    setClickFromMouse(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
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

void CommandButton::setFont(const FontSpec& fonte)
{
    widget()->setFont(toQFont(fonte));
}

} // namespace platform::forms
