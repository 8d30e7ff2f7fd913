#include "EarlyStart.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

namespace platform {

// Reading the font configuration and caches needs no toolkit.
EarlyStart::EarlyStart() : worker_([] { FcInit(); }) {}

EarlyStart::~EarlyStart()
{
    finish();
}

// The toolkit's font database may be filled from any thread once the
// application exists; the first window then finds it ready, or waits for it.
void EarlyStart::toolkitBuilt()
{
    finish();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        worker_ = std::thread([] { QFontDatabase::families(); });
}

void EarlyStart::finish()
{
    if (worker_.joinable())
        worker_.join();
}

} // namespace platform
