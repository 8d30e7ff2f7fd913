#pragma once
// Work for the first window that the toolkit would otherwise do when the
// window first lays out its text, moved to a second thread so that it
// overlaps the toolkit's and the program's own start-up instead:
//   EarlyStart inicio;        first thing in main(): the font configuration
//   QApplication app(...);
//   inicio.toolkitBuilt();    the toolkit's list of fonts, while the program sets up
//   ...first window shown...
//   inicio.finish();          before the event loop (the destructor also waits)
#include <thread>

namespace platform {

class EarlyStart {
public:
    EarlyStart();
    ~EarlyStart();
    EarlyStart(const EarlyStart&) = delete;
    EarlyStart& operator=(const EarlyStart&) = delete;

    void toolkitBuilt();
    void finish();

private:
    std::thread worker_;
};

} // namespace platform
