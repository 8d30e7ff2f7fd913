#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QString programFolder()
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString resolved = self.canonicalFilePath();
    if (!resolved.isEmpty())
        return QFileInfo(resolved).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString fileInFolder(const QString& folder, const QString& name)
{
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

} // namespace platform
