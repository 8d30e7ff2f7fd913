#include "frmRevisao.h"

#include "Cores.h"
#include "Desempenho.h"
#include "GeometriaRevisao.h"
#include "Grafico.h"
#include "platform/Units.h"
#include "platform/forms/Screen.h"

#include <QFontMetrics>
#include <algorithm>

using namespace platform::forms;
namespace geometria = review::geometria;
namespace cores = review::cores;

namespace {

// How tall a label must be to show its whole caption at its width.
int alturaDoTexto(const Label& label)
{
    const QFontMetrics medida(label.widget()->font());
    const QRect caixa = medida.boundingRect(QRect(0, 0, label.widget()->width(), 1 << 20),
                                            Qt::AlignLeft | Qt::TextWordWrap, label.Caption());
    return platform::pixelsToTwips(std::max(caixa.height(), medida.height()));
}

// Places a label at `top` as tall as its text; returns where it ends.
int empilha(Label& label, int top)
{
    label.setTop(top);
    label.setHeight(alturaDoTexto(label));
    return top + label.Height();
}

bool ehErro(exam::Desfecho desfecho)
{
    return desfecho == exam::Desfecho::errada || desfecho == exam::Desfecho::tempoEsgotado;
}

// The question's text sizes in points, tried in order until the question
// fits its card: the longest questions of the bank step down a size.
struct Tamanhos {
    double pergunta, resposta, fonte, explicacao;
};
constexpr Tamanhos tamanhosDoTexto[] = {
    {10.5, 9.75, 8.25, 9.75},
    {9.75, 9, 8.25, 9},
    {9, 8.25, 7.5, 8.25},
    {8.25, 7.5, 6.75, 7.5},
};

QString linhaDoHistorico(const exam::ResumoExame& exame, bool esteSimulado)
{
    const QString quando = esteSimulado           ? QStringLiteral("Este simulado")
                           : exame.quando.isValid() ? exame.quando.toString(QStringLiteral("dd/MM/yy HH:mm"))
                                                    : QStringLiteral("Sem data");
    return QStringLiteral("%1 · %2 % · %3")
        .arg(quando)
        .arg(exame.percentual)
        .arg(exame.aprovado ? QStringLiteral("aprovado") : QStringLiteral("reprovado"));
}

} // namespace

frmRevisao::frmRevisao(exam::ResumoExame exame_, std::vector<exam::ResumoExame> historico, QString aviso,
                       AbreFigura abreFigura)
    : exame(std::move(exame_)),
      ultimos(review::comOAtual(exame, historico)),
      avisoHistorico(std::move(aviso)),
      abreFigura_(std::move(abreFigura))
{
    montaControles();
    ligaEventos();
    filtra();
}

void frmRevisao::ligaEventos()
{
    Me.onLoad = [this] { Form_Load(); };
    Me.onKeyDown = [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); };
    comAnterior.onClick = [this] { comAnterior_Click(); };
    comProxima.onClick = [this] { comProxima_Click(); };
    comErros.onClick = [this] { comErros_Click(); };
    comFigura.onClick = [this] { comFigura_Click(); };
    comFechar.onClick = [this] { comFechar_Click(); };
}

void frmRevisao::Form_Load()
{
    picPainel.Move(std::max(0, (ScreenWidth() - picPainel.Width()) / 2),
                   std::max(0, (ScreenHeight() - picPainel.Height()) / 2));
    arrumaHistorico();
    Mostra_Questao();
    (comProxima.Enabled() ? comProxima : comFechar).SetFocus();
}

void frmRevisao::Form_KeyDown(int& KeyCode, int)
{
    switch (KeyCode) {
    case 27: // Esc
        KeyCode = 0;
        Me.Unload();
        break;
    case 37: // Left
        KeyCode = 0;
        comAnterior_Click();
        break;
    case 39: // Right
        KeyCode = 0;
        comProxima_Click();
        break;
    default:
        break;
    }
}

void frmRevisao::comAnterior_Click()
{
    if (atual <= 0)
        return;
    --atual;
    Mostra_Questao();
}

void frmRevisao::comProxima_Click()
{
    if (atual + 1 >= int(mostradas.size()))
        return;
    ++atual;
    Mostra_Questao();
}

void frmRevisao::comErros_Click()
{
    soErros = !soErros;
    filtra();
    Mostra_Questao();
}

void frmRevisao::comFigura_Click()
{
    if (mostradas.empty() || !abreFigura_)
        return;
    const QString imagem = exame.questoes[std::size_t(mostradas[std::size_t(atual)])].imagem;
    if (!imagem.isEmpty())
        abreFigura_(imagem);
}

void frmRevisao::comFechar_Click()
{
    Me.Unload();
}

// The filter keeps the question on screen when it lets it through, or else
// moves to the nearest one after it (before it, at the end of the list).
void frmRevisao::filtra()
{
    const int antes = mostradas.empty() ? -1 : mostradas[std::size_t(atual)];
    mostradas.clear();
    for (std::size_t i = 0; i < exame.questoes.size(); ++i)
        if (!soErros || ehErro(exame.questoes[i].desfecho))
            mostradas.push_back(int(i));
    const auto depois = std::lower_bound(mostradas.begin(), mostradas.end(), antes);
    atual = mostradas.empty() ? 0 : int(std::min(depois - mostradas.begin(), std::ptrdiff_t(mostradas.size()) - 1));
    comErros.setCaption(soErros ? QStringLiteral("☑ Só os &erros") : QStringLiteral("☐ Só os &erros"));
}

void frmRevisao::Mostra_Questao()
{
    const int total = int(exame.questoes.size());
    const bool vazio = mostradas.empty();
    for (Label* label : {&labMateria, &labPergunta, &labDesfecho, &labFonte, &labExplicacao})
        label->setVisible(!vazio);
    for (int i = 0; i <= 3; ++i) {
        labMarca(i).setVisible(!vazio);
        labResposta(i).setVisible(!vazio);
        labFaixa(i).setVisible(false);
    }
    labVazio.setVisible(vazio);
    comAnterior.setEnabled(!vazio && atual > 0);
    comProxima.setEnabled(!vazio && atual + 1 < int(mostradas.size()));

    const geometria::Lugar& dentro = geometria::dentroDoCartao;
    if (vazio) {
        comFigura.setVisible(false);
        if (total == 0) {
            labContador.setCaption(QString());
            labVazio.setCaption(QStringLiteral("Nenhuma questão foi mostrada neste simulado."));
        } else {
            labContador.setCaption(QStringLiteral("Só os erros"));
            labVazio.setCaption(QStringLiteral("Você não errou nenhuma questão nem deixou o tempo acabar em "
                                               "nenhuma.\nDesligue \"Só os erros\" para ver todas as %1 questões.")
                                    .arg(total));
        }
        labContador.setTop(dentro.top);
        return;
    }

    const int indice = mostradas[std::size_t(atual)];
    const exam::QuestaoVista& q = exame.questoes[std::size_t(indice)];
    labContador.setCaption(soErros ? QStringLiteral("Questão %1 de %2 · erro %3 de %4")
                                         .arg(indice + 1)
                                         .arg(total)
                                         .arg(atual + 1)
                                         .arg(mostradas.size())
                                   : QStringLiteral("Questão %1 de %2").arg(indice + 1).arg(total));
    labMateria.setCaption(q.materia);
    labPergunta.setCaption(q.pergunta);

    const QString certa = q.certa.trimmed().toUpper();
    const QString escolhida = q.escolhida.trimmed().toUpper();
    for (int i = 0; i <= 3; ++i) {
        const QString letra = QString(QChar(u'A' + i));
        const bool ehCerta = letra == certa;
        const bool ehEscolhida = letra == escolhida;
        QString texto = QStringLiteral("%1) %2").arg(letra.toLower(), q.respostas[std::size_t(i)]);
        // The tag wraps as one piece, never split between two lines.
        const auto etiqueta = [](const char* palavras) {
            return QStringLiteral("   ") + QString::fromUtf8(palavras).replace(QLatin1Char(' '), QChar(0xA0));
        };
        if (ehCerta && ehEscolhida)
            texto += etiqueta("✔ sua resposta, certa");
        else if (ehCerta)
            texto += etiqueta("✔ certa");
        else if (ehEscolhida)
            texto += etiqueta("✘ sua resposta");
        labResposta(i).setCaption(texto);
        labMarca(i).setCaption(ehCerta ? QStringLiteral("✔") : ehEscolhida ? QStringLiteral("✘") : QString());
        labMarca(i).setForeColor(ehCerta ? cores::verdeRGB : cores::vermelhoRGB);
        labFaixa(i).setBackColor(ehCerta ? cores::fundoCertaRGB : cores::fundoErradaRGB);
        labFaixa(i).setVisible(ehCerta || ehEscolhida);
    }

    switch (q.desfecho) {
    case exam::Desfecho::certa:
        labDesfecho.setCaption(QStringLiteral("Você acertou"));
        labDesfecho.setForeColor(cores::verdeRGB);
        break;
    case exam::Desfecho::errada:
        labDesfecho.setCaption(QStringLiteral("Você errou: marcou %1").arg(escolhida));
        labDesfecho.setForeColor(cores::vermelhoRGB);
        break;
    case exam::Desfecho::tempoEsgotado:
        labDesfecho.setCaption(QStringLiteral("Tempo esgotado"));
        labDesfecho.setForeColor(cores::vermelhoRGB);
        break;
    case exam::Desfecho::pulada:
        labDesfecho.setCaption(QStringLiteral("Questão pulada"));
        labDesfecho.setForeColor(cores::ambarRGB);
        break;
    case exam::Desfecho::naTela:
        labDesfecho.setCaption(QStringLiteral("Questão na tela quando o simulado terminou"));
        labDesfecho.setForeColor(cores::ambarRGB);
        break;
    }
    labFonte.setCaption(q.fonte.isEmpty() ? QString() : QStringLiteral("Fonte: ") + q.fonte);
    labFonte.setVisible(!q.fonte.isEmpty());
    labExplicacao.setCaption(q.explicacao.isEmpty() ? QStringLiteral("Esta questão não traz explicação.")
                                                    : QStringLiteral("Por quê: ") + q.explicacao);
    comFigura.setVisible(!q.imagem.isEmpty());

    // From the card's top down, each part as tall as its text; a question
    // too long for the card steps its text down a size.
    for (const Tamanhos& tamanhos : tamanhosDoTexto) {
        const QString fonte = QStringLiteral("Comic Sans MS");
        labPergunta.setFont({fonte, tamanhos.pergunta});
        labFonte.setFont({fonte, tamanhos.fonte});
        labExplicacao.setFont({fonte, tamanhos.explicacao});
        int y = dentro.top;
        labContador.setTop(y);
        y = empilha(labMateria, y + labContador.Height()) + 120;
        y = empilha(labPergunta, y) + 150;
        for (int i = 0; i <= 3; ++i) {
            Label& resposta = labResposta(i);
            resposta.setFont({fonte, tamanhos.resposta});
            const int top = y + geometria::folgaFaixa;
            const int fim = empilha(resposta, top);
            labMarca(i).setTop(top - 45);
            labFaixa(i).Move(dentro.left, y, dentro.width, fim - top + 2 * geometria::folgaFaixa);
            y = fim + geometria::folgaFaixa + 60;
        }
        y = empilha(labDesfecho, y + 60) + 90;
        if (labFonte.Visible())
            y = empilha(labFonte, y) + 75;
        y = empilha(labExplicacao, y);
        if (y <= dentro.bottom())
            break;
    }
}

void frmRevisao::arrumaHistorico()
{
    const geometria::Lugar& dentro = geometria::dentroDaPlaca;
    QString aviso = avisoHistorico;
    if (aviso.isEmpty() && ultimos.size() <= 1)
        aviso = QStringLiteral("Este é o primeiro simulado do seu histórico.");
    labAviso.setCaption(aviso);
    labAviso.setVisible(!aviso.isEmpty());

    int y = dentro.top + labHistorico.Height() + 45;
    if (labAviso.Visible())
        y = empilha(labAviso, y) + 75;

    const int linhas = std::min<int>(int(ultimos.size()), review::examesParaFracas);
    for (int i = 0; i < linhas; ++i) {
        Label& linha = labSimulado.contains(i) ? labSimulado(i) : labSimulado.Load(i, picPainel);
        linha.setBackStyle(Background::transparent);
        linha.setFont({QStringLiteral("Comic Sans MS"), 8.25});
        linha.setForeColor(i == 0 ? cores::laranjaClaroRGB : cores::brancoRGB);
        linha.Move(dentro.left, y, dentro.width, 240);
        linha.setCaption(linhaDoHistorico(ultimos[std::size_t(i)], i == 0));
        y += 240;
    }
    y += 90;

    labFracas.setCaption(review::fraseMaisFracas(ultimos));
    const int alturaFrase = [&] {
        labFracas.setHeight(0);
        return alturaDoTexto(labFracas);
    }();
    // The chart takes what the sentence leaves, up to its full height; with
    // too little room for it to be read it is left out.
    const int alturaGrafico = std::min(dentro.bottom() - alturaFrase - 90 - y, geometria::alturaGrafico);
    const bool comGrafico = alturaGrafico >= geometria::alturaGrafico * 2 / 3;
    picGrafico.setVisible(comGrafico);
    if (comGrafico) {
        picGrafico.Move(dentro.left, y, dentro.width, alturaGrafico);
        picGrafico.setPicture(review::desenhaGrafico(
            ultimos, QSize(platform::twipsToPixels(dentro.width), platform::twipsToPixels(alturaGrafico)),
            picGrafico.widget()->devicePixelRatioF()));
        y += alturaGrafico + 90;
    }
    labFracas.setTop(y);
    labFracas.setHeight(alturaFrase);
}
