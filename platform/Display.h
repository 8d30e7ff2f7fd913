#pragma once
// Starting without a graphical display. Qt aborts with its own English
// message (and a core dump status) when it finds no display; the program
// says what happened in its own words and exits with status 1 instead.
#include <QString>

namespace platform {

// Call before the QApplication is built: if the toolkit then fails fatally,
// `message` goes to the standard error and the process exits with status 1.
void explainMissingDisplay(const QString& message);

// Call once the QApplication is built: the toolkit's messages go back to normal.
void displayFound();

} // namespace platform
