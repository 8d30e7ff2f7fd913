#include "Imagens.h"

#include "assets/Assets.h"
#include "platform/forms/Screen.h"

namespace exam::imagens {

QPixmap carrega(const QString& nome)
{
    assets::inicializaImagens();
    return platform::forms::LoadPicture(QStringLiteral(":/imagens/") + nome);
}

QPixmap mao()
{
    return carrega(QStringLiteral("mao.png"));
}

QPoint maoPontoQuente()
{
    return assets::maoPontoQuente();
}

} // namespace exam::imagens
