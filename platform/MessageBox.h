#pragma once
// The program's one kind of message: a modal box with the text, a single OK
// button, no icon and the program's title. The handler that shows it goes on
// when the player presses OK.
//
// Timer ticks keep arriving while a box is open: the countdown of a question
// runs on behind a message, and a tick may even close the window the box was
// shown for (the box has no parent, so it survives that).
#include <QString>
#include <functional>

namespace platform {

// The title of every box; the program sets it once at start-up.
void setMessageBoxTitle(const QString& title);

void MsgBox(const QString& text);

// Whether a box is open now (also while a test handler stands in for one).
bool messageBoxOpen();

// Runs the task from the event loop once no box is open: at once if none is
// when the loop gets to it, otherwise as soon as the last box closes.
void postWhenNoMessageBox(std::function<void()> task);

// Tests install a handler that stands in for the box while it is "open": it
// records the text, may run the manual clock (ticks arrive behind a box), and
// returning from it presses OK. An empty handler restores the real box.
using MessageBoxHandler = std::function<void(const QString& text)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
