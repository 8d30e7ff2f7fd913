#include "SingleInstance.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/file.h>
#include <unistd.h>

namespace platform {
namespace {

// How long a lock file may stay empty or incomplete while its writer fills it in.
constexpr qint64 fillingInMs = 1000;
// How long to keep trying while another process is starting or clearing a lock.
constexpr int patienceMs = 2000;

// A file this user can change: the file and its folder (where the engine
// writes its journal) are writable.
bool writableFile(const QFileInfo& file)
{
    if (!file.isFile())
        return false;
    const QByteArray path = QFile::encodeName(file.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(file.absolutePath());
    return ::access(path.constData(), W_OK) == 0 && ::access(folder.constData(), W_OK) == 0;
}

QDateTime machineStarted()
{
    timespec sinceBoot{};
    ::clock_gettime(CLOCK_BOOTTIME, &sinceBoot);
    return QDateTime::currentDateTimeUtc().addSecs(-qint64(sinceBoot.tv_sec));
}

// The file name of a running process's executable; empty when it cannot be
// read (a process of another user).
QString executableName(qint64 pid)
{
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    char target[4096];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0)
        return {};
    QByteArray path(target, int(length));
    const QByteArray deleted = " (deleted)"; // the executable was replaced while it ran
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return QFileInfo(QFile::decodeName(path)).fileName();
}

enum class Holder {
    Running,   // a live process holds the lock, or may: it cannot be checked
    Gone,      // the process that wrote the lock no longer runs
    FillingIn, // the lock was created a moment ago and is still being written
    Unreadable // not a lock this program made: it cannot be read
};

// Who holds an existing lock file. A lock is only ever taken over from a
// process known to be gone.
Holder holderOf(const QString& lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return Holder::Unreadable;
    // QLockFile keeps an exclusive flock on the file for as long as it holds
    // the lock, whatever the process's user or PID namespace.
    if (::flock(file.handle(), LOCK_SH | LOCK_NB) != 0)
        return Holder::Running;
    ::flock(file.handle(), LOCK_UN);

    const QDateTime written = QFileInfo(lockPath).lastModified().toUTC();
    qint64 pid = 0;
    QString host;
    QString program;
    if (!QLockFile(lockPath).getLockInfo(&pid, &host, &program))
        return written.msecsTo(QDateTime::currentDateTimeUtc()) < fillingInMs ? Holder::FillingIn : Holder::Gone;
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return Holder::Running; // another machine's process cannot be checked from here
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return Holder::Gone;
    // Written before the machine last started (a margin for clock corrections):
    // the PID now belongs to some other process.
    if (written.addSecs(60) < machineStarted())
        return Holder::Gone;
    const QString running = executableName(pid);
    if (!running.isEmpty() && !program.isEmpty() && running != program)
        return Holder::Gone; // the PID was reused by another program
    return Holder::Running;
}

// Beside the file itself, wherever a link to it was followed from.
QString lockFor(const QFileInfo& file)
{
    const QString canonical = file.canonicalFilePath();
    return (canonical.isEmpty() ? file.absoluteFilePath() : canonical) + QStringLiteral(".lock");
}

// Removes the lock file of a process that is gone. False when it stays (it is
// not this user's to remove), so no later attempt can succeed either.
bool removeLeftover(const QString& lockPath)
{
    // One remover at a time, as QLockFile does: two copies starting together
    // must not remove each other's fresh locks.
    QLockFile remover(lockPath + QStringLiteral(".rmlock"));
    if (!remover.tryLock(0))
        return true; // another copy is clearing it; try again
    if (holderOf(lockPath) != Holder::Gone)
        return true;
    return QFile::remove(lockPath) || !QFileInfo::exists(lockPath);
}

} // namespace

SingleInstance::SingleInstance(const QString& protectedFile)
    : lockPath_(lockFor(QFileInfo(protectedFile))), lock_(lockPath_), outcome_(Outcome::Unavailable)
{
    if (!writableFile(QFileInfo(protectedFile))) {
        outcome_ = Outcome::NotNeeded; // the program works on a copy in memory and writes nothing
        return;
    }
    // Only a live holder counts; QLockFile's age limit would take over a lock
    // that a long exam still holds.
    lock_.setStaleLockTime(0);
    const QDeadlineTimer patience(patienceMs);
    for (;;) {
        if (lock_.tryLock(0)) {
            // Readable by every user whatever the umask, so that their copies
            // can tell whose it is.
            QFile::setPermissions(lockPath_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                 QFile::ReadOther);
            outcome_ = Outcome::Acquired;
            return;
        }
        if (lock_.error() != QLockFile::LockFailedError || !QFileInfo(lockPath_).isFile()) {
            qWarning("single instance: cannot create %s; running without it", qUtf8Printable(lockPath_));
            outcome_ = Outcome::Unavailable;
            return;
        }
        const Holder holder = holderOf(lockPath_);
        if (holder == Holder::Running) {
            outcome_ = Outcome::HeldByLiveProcess;
            return;
        }
        if (holder == Holder::Unreadable) {
            qWarning("single instance: cannot read %s; running without a lock", qUtf8Printable(lockPath_));
            outcome_ = Outcome::Unavailable;
            return;
        }
        if (holder == Holder::Gone && !removeLeftover(lockPath_)) {
            qWarning("single instance: cannot remove %s, left by a process that is gone; running without it",
                     qUtf8Printable(lockPath_));
            outcome_ = Outcome::Unavailable;
            return;
        }
        if (patience.hasExpired()) {
            qWarning("single instance: %s kept changing hands; running without it", qUtf8Printable(lockPath_));
            outcome_ = Outcome::Unavailable;
            return;
        }
        QThread::msleep(50);
    }
}

} // namespace platform
