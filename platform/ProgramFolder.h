#pragma once
#include <QString>

namespace platform {

// The directory of the running executable, links resolved.
QString programFolder();

// A file of the given name inside a folder, joined with the platform's separator.
QString fileInFolder(const QString& folder, const QString& name);

} // namespace platform
