#include "Assets.h"

#include "HandPointer.h"

#include <QtGlobal>

// A static library's resources must be registered by hand; the macro has to
// be used outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(imagens);
}

namespace assets {

void inicializaImagens()
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
}

QPoint maoPontoQuente()
{
    return handHotSpot;
}

QString quadroAbertura(int numero)
{
    return QStringLiteral(":/imagens/abertura-%1.png").arg(numero, 2, 10, QLatin1Char('0'));
}

} // namespace assets
