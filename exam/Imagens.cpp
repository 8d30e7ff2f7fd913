#include "Imagens.h"

#include "platform/forms/Screen.h"

#ifdef TOLVANE_COM_IMAGENS
#include "assets/Assets.h"
#endif

namespace exam::imagens {
namespace {

void inicializa()
{
#ifdef TOLVANE_COM_IMAGENS
    static const bool feito = [] {
        assets::inicializaImagens();
        return true;
    }();
    (void)feito;
#endif
}

} // namespace

QPixmap carrega(const QString& nome)
{
    inicializa();
    return platform::forms::LoadPicture(QStringLiteral(":/imagens/") + nome);
}

QPixmap mao()
{
    return carrega(QStringLiteral("mao.png"));
}

QPoint maoPontoQuente()
{
#ifdef TOLVANE_COM_IMAGENS
    return QPoint(assets::maoPontoQuente());
#else
    return {};
#endif
}

} // namespace exam::imagens
