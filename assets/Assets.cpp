#include "Assets.h"

#include "HandPointer.h"

#include <QFont>
#include <QGuiApplication>

// A static library's resources must be registered by hand; the macro has to
// be used outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(imagens);
}

namespace assets {

void inicializa()
{
    static const bool registered = [] {
        registerPictures();
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        return true;
    }();
    Q_UNUSED(registered);
}

QPixmap imagem(const QString& nome)
{
    // On a screen scaled up, the copy painted at twice the size stays sharp.
    const QString caminho = QStringLiteral(":/imagens/") + nome;
    if (qApp && qApp->devicePixelRatio() > 1.0 && caminho.endsWith(QLatin1String(".png"))) {
        QPixmap dobro(caminho.chopped(4) + QStringLiteral("@2x.png"));
        if (!dobro.isNull()) {
            dobro.setDevicePixelRatio(2.0);
            return dobro;
        }
    }
    return QPixmap(caminho);
}

QPixmap quadroDaAbertura(int numero)
{
    return imagem(QStringLiteral("abertura-%1.png").arg(numero, 2, 10, QLatin1Char('0')));
}

QString quadroAbertura(int numero)
{
    return QStringLiteral(":/imagens/abertura-%1.png").arg(numero, 2, 10, QLatin1Char('0'));
}

QPixmap mao()
{
    return imagem(QStringLiteral("mao.png"));
}

QPoint maoPontoQuente()
{
    return handHotSpot;
}

} // namespace assets
