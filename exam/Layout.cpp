// The quiz screen's controls as they are when the window is created:
// places and sizes in twips, stacking, fonts, colours, captions, pictures.
#include "frmTolvane.h"

#include "GeometriaQuiz.h"
#include "Regras.h"
#include "assets/Assets.h"
#include "bank/Materias.h"

using namespace platform::forms;
namespace geometria = exam::geometria;

namespace {

const QString fonteTela = QStringLiteral("Comic Sans MS");
constexpr platform::ColorValue branco = platform::systemHighlightText;

// A transparent label, as every label of this screen is.
void rotulo(Label& label, const exam::geometria::Lugar& lugar, const QString& caption, double tamanho,
            platform::ColorValue cor = platform::systemButtonText)
{
    label.setBackStyle(Background::transparent);
    label.setFont({fonteTela, tamanho});
    label.setForeColor(cor);
    label.Move(lugar.left, lugar.top, lugar.width, lugar.height);
    label.setCaption(caption);
}

// An auto-size label starts from its place and takes the size of its text.
void rotuloAutoAjustavel(Label& label, const exam::geometria::Lugar& lugar, const QString& caption, double tamanho,
                         platform::ColorValue cor)
{
    rotulo(label, {lugar.left, lugar.top, 0, 0}, caption, tamanho, cor);
    label.setAutoSize(true);
}

// One of the white captions under the playing area, as designed.
void legendaBranca(Label& label, int indice)
{
    const auto& legenda = exam::geometria::legendasBrancas[std::size_t(indice)];
    rotuloAutoAjustavel(label, legenda.lugar, QString::fromUtf8(legenda.texto), legenda.pontos, branco);
}

// A hidden picture box that only holds a picture for the others to copy.
void portaImagem(PictureBox& caixa, int left, int top, const QString& imagem)
{
    caixa.setBorderStyle(Border::none);
    caixa.Move(left, top, 495, 375);
    caixa.setPicture(assets::imagem(imagem));
    caixa.setVisible(false);
}

void maoSobre(Control& controle)
{
    controle.setMouseIcon(assets::mao(), assets::maoPontoQuente());
}

} // namespace

void frmTolvane::montaControles()
{
    Me.setCaption(QStringLiteral("TOLVANE"));
    Me.setClientSize(12000, 8670);
    Me.setBackColor(platform::systemMenuText);
    Me.setIcon(QIcon());

    portaImagem(picPreparese, 2880, 8040, QStringLiteral("estrela-preparese.png"));
    portaImagem(picParabens, 2280, 8520, QStringLiteral("estrela-parabens.png"));
    portaImagem(picErrou, 2280, 8040, QStringLiteral("estrela-errou.png"));
    portaImagem(picSomOFF, 1560, 8520, QStringLiteral("som-off.png"));
    portaImagem(picSomON, 1560, 8040, QStringLiteral("som-on.png"));
    portaImagem(picBalaoON, 840, 8040, QStringLiteral("balao.png"));
    portaImagem(picBtOn, 120, 8040, QStringLiteral("botao-aceso.png"));

    picBase.setBorderStyle(Border::none);
    picBase.Move(120, 120, 12000, 7800);
    picBase.setAutoSize(true);
    picBase.setPicture(assets::imagem(QStringLiteral("fundo.png")));

    comImagem.Move(120, 120, 1575, 375);
    comImagem.setCaption(QStringLiteral("&Ver imagem"));
    comImagem.setFont({fonteTela, 9});
    comImagem.setVisible(false);

    comRevisao.Move(9000, 1080, 2160, 495);
    comRevisao.setCaption(QStringLiteral("&Revisar as questões"));
    comRevisao.setFont({fonteTela, 9});
    comRevisao.setVisible(false);

    // The white captions, in the order they stack: labPular, "Pular :",
    // "Ajuda :", labAjuda, then labTempo over "Tempo restante :".
    legendaBranca(labPular, 3);
    legendaBranca(labEtiqueta.Load(2, picBase), 2);
    legendaBranca(labEtiqueta.Load(1, picBase), 4);
    legendaBranca(labAjuda, 5);
    rotuloAutoAjustavel(labNome, geometria::labNome, QStringLiteral("Jogador :"), 9, platform::systemButtonText);
    legendaBranca(labTempo, 1);
    legendaBranca(labEtiqueta.Load(0, picBase), 0);
    rotulo(labTexto, geometria::labTexto, QString(), 11.25, branco);
    for (int i = 0; i <= 3; ++i) {
        Label& resposta = labResposta.Load(i, picBase);
        rotulo(resposta, geometria::labResposta[std::size_t(i)], QString(), 9);
        resposta.setEnabled(false);
        maoSobre(resposta);
    }
    rotulo(labPergunta, geometria::labPergunta, QString(), 9);

    // Click spots over the painted buttons: skip, help, sound, end, exit.
    for (int i = 0; i <= 4; ++i) {
        Image& spot = imgBotao.Load(i, picBase);
        const auto& lugar = geometria::imgBotao[std::size_t(i)];
        spot.Move(lugar.left, lugar.top, lugar.width, lugar.height);
        maoSobre(spot);
    }
    imgBalao.Move(geometria::imgBalao.left, geometria::imgBalao.top, geometria::imgBalao.width,
                  geometria::imgBalao.height);
    imgEstrela.Move(geometria::imgEstrela.left, geometria::imgEstrela.top, geometria::imgEstrela.width,
                    geometria::imgEstrela.height);

    montaPainelDesempenho();

    for (platform::Timer* timer : {&tmrAnima, &tmrTempo, &tmrPergunta, &tmrBotao}) {
        timer->setInterval(1000);
        timer->setEnabled(false);
    }

    stackFrontToBack({&picPreparese, &picParabens, &picErrou, &picSomOFF, &picSomON, &picBalaoON, &picBtOn, &picBase});
    stackFrontToBack({&comRevisao, &picDesempenho, &comImagem, &labPular, &labEtiqueta(2), &labEtiqueta(1), &labAjuda, &labNome,
             &labTempo, &labEtiqueta(0), &labTexto, &labResposta(3), &labResposta(2), &labResposta(1),
             &labResposta(0), &labPergunta, &imgBotao(4), &imgBotao(3), &imgBotao(2), &imgBotao(1),
             &imgBotao(0), &imgBalao, &imgEstrela});

    setFocusOrder({&picBase, &comImagem, &picDesempenho, &picFechar, &comRevisao});
    picBase.widget()->setFocus();
}

// The results panel: a title, then one row per subject with its name at the
// left and its score at the right. Score cell k belongs to subject k.
void frmTolvane::montaPainelDesempenho()
{
    picDesempenho.setBorderStyle(Border::fixedSingle);
    picDesempenho.Move(2040, 1080, 5535, 6015);
    picDesempenho.setPicture(assets::imagem(QStringLiteral("painel-desempenho.png")));
    picDesempenho.setVisible(false);

    picFechar.setBorderStyle(Border::none);
    picFechar.Move(5160, 0, 300, 315);
    picFechar.setAutoSize(true);
    picFechar.setPicture(assets::imagem(QStringLiteral("fechar.png")));
    picFechar.setToolTipText(QStringLiteral("Fechar"));
    maoSobre(picFechar);

    rotulo(labEtiqueta.Load(12, picDesempenho), {120, 0, 4335, 495},
           QStringLiteral("Avaliação de desempenho por matéria"), 12);

    const auto& materias = bank::nomesMaterias();
    for (int k = 1; k <= bank::numeroMaterias; ++k) {
        const int top = 480 + 600 * (k - 1);

        Label& nome = labEtiqueta.Load(k + 2, picDesempenho);
        rotulo(nome, {120, top, 4335, 495}, materias[std::size_t(k - 1)], 8.25);
        nome.setBorderStyle(Border::fixedSingle);
        nome.setAlignment(HorizontalAlignment::center);

        // The score cells keep the window's own font.
        Label& nota = labDesempenho.Load(k, picDesempenho);
        nota.setBackStyle(Background::transparent);
        nota.Move(4560, top, 550, 495);
        nota.setCaption(QStringLiteral("-1"));
        nota.setBorderStyle(Border::fixedSingle);
        nota.setAlignment(HorizontalAlignment::center);
    }

    stackFrontToBack({&picFechar, &labEtiqueta(12), &labDesempenho(9), &labDesempenho(8), &labDesempenho(7),
             &labDesempenho(6), &labDesempenho(5), &labDesempenho(4), &labDesempenho(3), &labDesempenho(2),
             &labDesempenho(1), &labEtiqueta(11), &labEtiqueta(10), &labEtiqueta(9), &labEtiqueta(8),
             &labEtiqueta(7), &labEtiqueta(6), &labEtiqueta(5), &labEtiqueta(4), &labEtiqueta(3)});
}
