#include "Assets.h"

#include "HandPointer.h"

#include <QFont>

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
    return QPixmap(QStringLiteral(":/imagens/") + nome);
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
