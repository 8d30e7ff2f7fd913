#include "Assets.h"

#include "HandPointer.h"

#include <QFont>
#include <QImage>
#include <QGuiApplication>

#include <future>

// A static library's resources must be registered by hand; the macro has to
// be used outside any namespace.
static void registerPictures()
{
    Q_INIT_RESOURCE(imagens);
}

namespace assets {

namespace {

// The picture antecipa() is decoding, and its resource path.
struct Antecipada {
    QString caminho;
    std::future<QImage> imagem;
};
Antecipada antecipada;

// On a screen scaled up, the copy painted at twice the size, which stays sharp.
QString copiaDobrada(const QString& caminho)
{
    if (qApp && qApp->devicePixelRatio() > 1.0 && caminho.endsWith(QLatin1String(".png")))
        return caminho.chopped(4) + QStringLiteral("@2x.png");
    return {};
}

QPixmap carrega(const QString& caminho)
{
    if (antecipada.imagem.valid() && antecipada.caminho == caminho)
        return QPixmap::fromImage(antecipada.imagem.get());
    return QPixmap(caminho);
}

} // namespace

void inicializa()
{
    static const bool registered = [] {
        registerPictures();
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        return true;
    }();
    Q_UNUSED(registered);
}

void antecipa(const QString& caminho)
{
    if (antecipada.imagem.valid())
        return;
    const QString dobrada = copiaDobrada(caminho);
    antecipada.caminho = dobrada.isEmpty() ? caminho : dobrada;
    antecipada.imagem = std::async(std::launch::async, [c = antecipada.caminho] { return QImage(c); });
}

QPixmap imagem(const QString& nome)
{
    const QString caminho = QStringLiteral(":/imagens/") + nome;
    if (const QString dobrada = copiaDobrada(caminho); !dobrada.isEmpty()) {
        QPixmap dobro = carrega(dobrada);
        if (!dobro.isNull()) {
            dobro.setDevicePixelRatio(2.0);
            return dobro;
        }
    }
    return carrega(caminho);
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
