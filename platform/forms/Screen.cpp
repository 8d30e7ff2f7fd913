#include "Screen.h"

#include "platform/Units.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform::forms {
namespace {

QSize tamanhoDaTela()
{
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->geometry().size() : QSize(800, 600);
}

} // namespace

int ScreenWidth() { return pixelsToTwips(tamanhoDaTela().width()); }
int ScreenHeight() { return pixelsToTwips(tamanhoDaTela().height()); }

QPixmap LoadPicture(const QString& path)
{
    return QPixmap(path);
}

} // namespace platform::forms
