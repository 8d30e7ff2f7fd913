#pragma once
// The screen's size, and pictures loaded from files or the program's resources.
#include <QPixmap>
#include <QString>

namespace platform::forms {

int ScreenWidth();  // twips
int ScreenHeight(); // twips

// A picture from a file or a resource path; a missing or unreadable file
// gives an empty picture, never a failure.
QPixmap LoadPicture(const QString& path);

} // namespace platform::forms
