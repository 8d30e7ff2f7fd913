#include "Screen.h"

#include "platform/Units.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform::forms {
namespace {

QSize screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

} // namespace

int ScreenWidth() { return pixelsToTwips(screenSize().width()); }
int ScreenHeight() { return pixelsToTwips(screenSize().height()); }

QPixmap LoadPicture(const QString& path)
{
    return QPixmap(path);
}

} // namespace platform::forms
