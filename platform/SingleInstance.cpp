#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>

namespace platform {
namespace {

// In the temporary folder, since the program folder may be read-only.
QString lockPath(const QString& programFolder)
{
    const QString canonical = QDir(programFolder).canonicalPath();
    const QString folder = canonical.isEmpty() ? programFolder : canonical;
    const QByteArray id = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::temp().filePath(QStringLiteral("tolvane-%1.lock").arg(QString::fromLatin1(id)));
}

} // namespace

SingleInstance::SingleInstance(const QString& programFolder) : lock_(lockPath(programFolder))
{
    // A lock left by a copy that died is taken over; only a live holder counts.
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
}

} // namespace platform
