// The review window's controls as they are when it is created: places,
// fonts, colours, and the panel's painted background.
#include "frmRevisao.h"

#include "Cores.h"
#include "GeometriaRevisao.h"
#include "assets/Assets.h"
#include "platform/Units.h"

#include <QPainter>
#include <QPainterPath>

using namespace platform::forms;
namespace geometria = review::geometria;
namespace cores = review::cores;

namespace {

const QString fonteTela = QStringLiteral("Comic Sans MS");

QRectF emPixels(const geometria::Lugar& lugar)
{
    return QRectF(platform::twipsToPixels(lugar.left), platform::twipsToPixels(lugar.top),
                  platform::twipsToPixels(lugar.width), platform::twipsToPixels(lugar.height));
}

void rotulo(Label& label, const geometria::Lugar& lugar, double tamanho, platform::ColorValue cor)
{
    label.setBackStyle(Background::transparent);
    label.setFont({fonteTela, tamanho});
    label.setForeColor(cor);
    label.Move(lugar.left, lugar.top, lugar.width, lugar.height);
}

// A small cloud outline, like the ones drifting over the quiz screen.
void nuvem(QPainter& p, const QRectF& caixa)
{
    QPainterPath contorno;
    const qreal w = caixa.width();
    const qreal h = caixa.height();
    contorno.addEllipse(QRectF(caixa.left(), caixa.top() + h * 0.35, w * 0.45, h * 0.65));
    contorno.addEllipse(QRectF(caixa.left() + w * 0.22, caixa.top(), w * 0.5, h * 0.85));
    contorno.addEllipse(QRectF(caixa.left() + w * 0.52, caixa.top() + h * 0.28, w * 0.48, h * 0.72));
    p.setPen(QPen(cores::nuvem, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(contorno.simplified());
}

// The panel's background: the field with a few clouds, the question's white
// card, the history's dark plate and the summary's pills.
QPixmap fundoDoPainel(qreal escala)
{
    const QSize tamanho(platform::twipsToPixels(geometria::larguraPainel),
                        platform::twipsToPixels(geometria::alturaPainel));
    QPixmap fundo(tamanho * escala);
    fundo.setDevicePixelRatio(escala);
    fundo.fill(cores::campo);
    QPainter p(&fundo);
    p.setRenderHint(QPainter::Antialiasing);

    // In the free spaces: right of the summary's pills, and between the buttons.
    nuvem(p, QRectF(712, 40, 62, 28));
    nuvem(p, QRectF(574, 512, 76, 30));

    p.setPen(QPen(cores::bordaPlaca, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(emPixels(geometria::cartao).adjusted(1, 1, -1, -1), 12, 12);
    p.setBrush(cores::placa);
    p.drawRoundedRect(emPixels(geometria::placa).adjusted(1, 1, -1, -1), 12, 12);
    p.setPen(QPen(cores::bordaPlaca, 1.5));
    for (const geometria::Lugar& pilula : geometria::pilulas) {
        const QRectF r = emPixels(pilula).adjusted(0.75, 0.75, -0.75, -0.75);
        p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    }
    return fundo;
}

void botao(CommandButton& botao, const geometria::Lugar& lugar, const QString& caption)
{
    botao.Move(lugar.left, lugar.top, lugar.width, lugar.height);
    botao.setCaption(caption);
    botao.setFont({fonteTela, 9});
    botao.setMouseIcon(assets::mao(), assets::maoPontoQuente());
}

} // namespace

void frmRevisao::montaControles()
{
    Me.setCaption(QStringLiteral("TOLVANE - Revisão do simulado"));
    Me.setClientSize(12000, 8670);
    Me.setBackColor(platform::systemMenuText);
    Me.setIcon(QIcon());
    Me.KeyPreview = true;

    picPainel.setBorderStyle(Border::none);
    picPainel.Move(120, 225, geometria::larguraPainel, geometria::alturaPainel);
    picPainel.setBackColor(cores::campoRGB);
    picPainel.setPicture(fundoDoPainel(picPainel.widget()->devicePixelRatioF()));

    montaResumo();

    // The question, on the white card; Mostra_Questao stacks these from the
    // card's top, each as tall as its text.
    const geometria::Lugar& dentro = geometria::dentroDoCartao;
    rotulo(labContador, {dentro.left, dentro.top, dentro.width, 330}, 11.25, cores::tintaRGB);
    rotulo(labMateria, {dentro.left, dentro.top, dentro.width, 255}, 8.25, cores::painelRGB);
    rotulo(labPergunta, {dentro.left, dentro.top, dentro.width, 0}, 9.75, cores::tintaRGB);
    for (int i = 0; i <= 3; ++i) {
        // Created in this order so the band lies under the mark and the text.
        Label& faixa = labFaixa.Load(i, picPainel);
        faixa.setBackStyle(Background::opaque);
        faixa.setVisible(false);
        Label& marca = labMarca.Load(i, picPainel);
        rotulo(marca, {dentro.left + geometria::folgaFaixa, dentro.top, geometria::larguraMarca, 330}, 11.25,
               cores::tintaRGB);
        marca.setAlignment(HorizontalAlignment::center);
        const int esquerda = dentro.left + geometria::folgaFaixa + geometria::larguraMarca;
        rotulo(labResposta.Load(i, picPainel),
               {esquerda, dentro.top, dentro.right() - geometria::folgaFaixa - esquerda, 0}, 9, cores::tintaRGB);
    }
    rotulo(labDesfecho, {dentro.left, dentro.top, dentro.width, 0}, 9.75, cores::tintaRGB);
    rotulo(labFonte, {dentro.left, dentro.top, dentro.width, 0}, 8.25, cores::apagadoRGB);
    rotulo(labExplicacao, {dentro.left, dentro.top, dentro.width, 0}, 9, cores::tintaRGB);
    rotulo(labVazio, {dentro.left, dentro.top + 600, dentro.width, 1200}, 11.25, cores::tintaRGB);
    labVazio.setAlignment(HorizontalAlignment::center);
    labVazio.setVisible(false);

    montaHistorico();

    botao(comAnterior, geometria::comAnterior, QStringLiteral("◀ &Anterior"));
    botao(comProxima, geometria::comProxima, QStringLiteral("&Próxima ▶"));
    botao(comErros, geometria::comErros, QString());
    botao(comFigura, geometria::comFigura, QStringLiteral("Ver &figura"));
    botao(comFechar, geometria::comFechar, QStringLiteral("Fe&char"));
    comFigura.setVisible(false);

    setFocusOrder({&comAnterior, &comProxima, &comErros, &comFigura, &comFechar});
}

void frmRevisao::montaResumo()
{
    QPixmap estrela = assets::imagem(exame.aprovado ? QStringLiteral("estrela-parabens.png")
                                                    : QStringLiteral("estrela-errou.png"));
    if (!estrela.isNull()) {
        // Only the mascot's disc: the bits of cloud in the picture's corners
        // belong to the quiz screen's background, not to this one.
        const QPixmap inteira = estrela.scaled(platform::twipsToPixels(geometria::imgEstrela.width),
                                               platform::twipsToPixels(geometria::imgEstrela.height),
                                               Qt::KeepAspectRatio, Qt::SmoothTransformation);
        estrela = QPixmap(inteira.size());
        estrela.fill(Qt::transparent);
        QPainter p(&estrela);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath disco;
        const qreal raio = std::min(inteira.width(), inteira.height()) * 0.47;
        disco.addEllipse(QPointF(inteira.width() / 2.0, inteira.height() / 2.0), raio, raio);
        p.setClipPath(disco);
        p.drawPixmap(0, 0, inteira);
    }
    imgEstrela.Move(geometria::imgEstrela.left, geometria::imgEstrela.top);
    imgEstrela.setPicture(estrela);

    rotulo(labTitulo, geometria::labTitulo, 14.25, cores::brancoRGB);
    labTitulo.setAutoSize(true);
    labTitulo.setCaption(QStringLiteral("Revisão do simulado"));
    rotulo(labSituacao, {labTitulo.Left() + labTitulo.Width() + 240, geometria::labTitulo.top, 0, 0}, 14.25,
           cores::laranjaClaroRGB);
    labSituacao.setAutoSize(true);
    labSituacao.setCaption(exame.aprovado ? QStringLiteral("✔ APROVADO") : QStringLiteral("✘ NÃO APROVADO"));

    rotulo(labQuando, geometria::labQuando, 9, cores::brancoRGB);
    labQuando.setAlignment(HorizontalAlignment::right);
    QStringList quando;
    if (!exame.jogador.trimmed().isEmpty())
        quando << exame.jogador.trimmed();
    if (exame.quando.isValid())
        quando << exame.quando.toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm"));
    labQuando.setCaption(quando.join(QStringLiteral(" · ")));

    const QString resumo[] = {
        QStringLiteral("Certas: %1").arg(exame.acertos),
        QStringLiteral("Erradas: %1").arg(exame.erros),
        QStringLiteral("Tempo esgotado: %1").arg(exame.esgotadas),
        QStringLiteral("Puladas: %1").arg(exame.puladas),
        QStringLiteral("Aproveitamento: %1 %").arg(exame.percentual),
    };
    for (int i = 0; i <= 4; ++i) {
        const geometria::Lugar& pilula = geometria::pilulas[std::size_t(i)];
        Label& valor = labResumo.Load(i, picPainel);
        rotulo(valor, {pilula.left, pilula.top + 45, pilula.width, pilula.height - 60}, 9, cores::brancoRGB);
        valor.setAlignment(HorizontalAlignment::center);
        valor.setCaption(resumo[i]);
    }

    rotulo(labVeredito, geometria::labVeredito, 8.25, cores::brancoRGB);
    labVeredito.setCaption(exame.veredito);
}

void frmRevisao::montaHistorico()
{
    const geometria::Lugar& dentro = geometria::dentroDaPlaca;
    rotulo(labHistorico, {dentro.left, dentro.top, dentro.width, 330}, 11.25, cores::brancoRGB);
    labHistorico.setCaption(QStringLiteral("Seus últimos simulados"));
    rotulo(labAviso, {dentro.left, dentro.top, dentro.width, 0}, 8.25, cores::laranjaClaroRGB);
    rotulo(labFracas, {dentro.left, dentro.top, dentro.width, 0}, 8.25, cores::brancoRGB);

    picGrafico.setBorderStyle(Border::none);
    picGrafico.Move(dentro.left, dentro.top, dentro.width, geometria::alturaGrafico);
    picGrafico.setBackColor(cores::placaRGB);
}
