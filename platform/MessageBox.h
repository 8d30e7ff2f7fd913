#pragma once
// The program's one kind of message: a modal box with the text, a single OK
// button, no icon and the title "TOLVANE".
#include <QString>
#include <functional>

namespace platform {

void MsgBox(const QString& text);

// Tests install a handler that records the text and returns at once, as if
// OK were pressed. An empty handler restores the real box.
using MessageBoxHandler = std::function<void(const QString& text)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
