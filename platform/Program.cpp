#include "platform/Program.h"

#include <QApplication>
#include <QWidget>

namespace platform {
namespace {

bool ended = false;

std::function<void(int)>& endHandler()
{
    static std::function<void(int)> handler;
    return handler;
}

} // namespace

void endProgram(int exitStatus)
{
    if (ended)
        return;
    ended = true;
    if (endHandler()) {
        endHandler()(exitStatus);
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(exitStatus);
}

bool programEnded() { return ended; }

void setEndProgramHandler(std::function<void(int)> handler)
{
    endHandler() = std::move(handler);
    ended = false;
}

} // namespace platform
