#pragma once
// One running copy of the program per program folder. A second copy opening
// the same bank would clear the marks of the first copy's exam, so it must
// not start.
#include <QLockFile>
#include <QString>

namespace platform {

class SingleInstance {
public:
    // Takes the lock of the given program folder, if no live process holds it.
    explicit SingleInstance(const QString& programFolder);
    bool acquired() const { return acquired_; }

private:
    QLockFile lock_;
    bool acquired_;
};

} // namespace platform
