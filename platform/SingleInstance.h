#pragma once
// One running copy of the program per writable file it changes. A second
// copy working on the same file would undo the first one's writes, so it must
// not start; anything else that gets in the way of the lock must not stop the
// program.
//
// The lock is a file beside the protected one, named after it with ".lock"
// added, and lasts as long as this object. It is shared by every user of the
// file: a copy of another user counts as much as one's own.
#include <QLockFile>
#include <QString>

namespace platform {

class SingleInstance {
public:
    enum class Outcome {
        Acquired,          // this copy holds the lock
        NotNeeded,         // the file cannot be written here (or is missing): nothing to protect
        HeldByLiveProcess, // a running process, of any user, holds the lock: do not start
        Unavailable,       // no lock could be made for another reason: run unprotected
    };

    // Takes the lock of the given file. A lock left by a process that is no
    // longer running (killed, or from before the machine started) is taken
    // over.
    explicit SingleInstance(const QString& protectedFile);

    Outcome outcome() const { return outcome_; }

    const QString& lockPath() const { return lockPath_; }

private:
    QString lockPath_;
    QLockFile lock_;
    Outcome outcome_;
};

} // namespace platform
