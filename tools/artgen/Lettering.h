#pragma once
// The lettering font: the packaged Comic Neue, loaded from the files the build names.
#include <QFont>
#include <QString>

namespace artgen {

// Registers the two font files; false (with a message on stderr) when either is unusable.
bool loadLettering(const QString& regularFile, const QString& boldFile);

QFont letteringFont(int pixelSize, bool bold);

} // namespace artgen
