// The quiz screen's controls as they are when the window is created:
// places and sizes in twips, stacking, fonts, colours, captions, pictures.
#include "frmTolvane.h"

#include "Imagens.h"
#include "bank/Materias.h"

using namespace platform::forms;

namespace {

const QString fonteTela = QStringLiteral("Comic Sans MS");
constexpr platform::ColorValue branco = platform::systemHighlightText;

// A transparent label, as every label of this screen is.
void rotulo(Label& label, int left, int top, int width, int height, const QString& caption, double tamanho,
            platform::ColorValue cor = platform::systemButtonText)
{
    label.setBackStyle(FundoEstilo::transparente);
    label.setFont({fonteTela, tamanho});
    label.setForeColor(cor);
    label.Move(left, top, width, height);
    label.setCaption(caption);
}

void rotuloAutoAjustavel(Label& label, int left, int top, const QString& caption, double tamanho,
                         platform::ColorValue cor)
{
    rotulo(label, left, top, 0, 0, caption, tamanho, cor);
    label.setAutoSize(true);
}

// A hidden picture box that only holds a picture for the others to copy.
void portaImagem(PictureBox& caixa, int left, int top, const QString& imagem)
{
    caixa.setBorderStyle(BordaCaixa::nenhuma);
    caixa.Move(left, top, 495, 375);
    caixa.setPicture(exam::imagens::carrega(imagem));
    caixa.setVisible(false);
}

void maoSobre(Control& controle)
{
    controle.setMouseIcon(exam::imagens::mao(), exam::imagens::maoPontoQuente());
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

    picBase.setBorderStyle(BordaCaixa::nenhuma);
    picBase.Move(120, 120, 12000, 7800);
    picBase.setAutoSize(true);
    picBase.setPicture(exam::imagens::carrega(QStringLiteral("fundo.png")));

    comImagem.Move(120, 120, 1575, 375);
    comImagem.setCaption(QStringLiteral("&Ver imagem"));
    comImagem.setFont({fonteTela, 9});
    comImagem.setVisible(false);

    rotuloAutoAjustavel(labPular, 10920, 7200, QStringLiteral("3"), 9.75, branco);
    rotuloAutoAjustavel(labEtiqueta.Load(2, picBase), 9960, 7200, QStringLiteral("Pular :"), 9.75, branco);
    rotuloAutoAjustavel(labEtiqueta.Load(1, picBase), 9960, 7440, QStringLiteral("Ajuda :"), 9.75, branco);
    rotuloAutoAjustavel(labAjuda, 10920, 7440, QStringLiteral("3"), 9.75, branco);
    rotuloAutoAjustavel(labNome, 1800, 120, QStringLiteral("Jogador :"), 9, platform::systemButtonText);
    rotuloAutoAjustavel(labTempo, 3240, 7350, QStringLiteral("60 seg."), 11.25, branco);
    rotuloAutoAjustavel(labEtiqueta.Load(0, picBase), 1320, 7350, QStringLiteral("Tempo restante :"), 11.25, branco);
    rotulo(labTexto, 240, 1920, 2295, 1815, QString(), 11.25, branco);
    for (int i = 0; i <= 3; ++i) {
        Label& resposta = labResposta.Load(i, picBase);
        rotulo(resposta, 3000, 3120 + 960 * i, 8700, 840, QString(), 9);
        resposta.setEnabled(false);
        maoSobre(resposta);
    }
    rotulo(labPergunta, 3000, 1920, 8700, 975, QString(), 9);

    // Click spots over the painted buttons: skip, help, sound, end, exit.
    const struct { int left, top, width, height; } spots[] = {
        {300, 5520, 360, 360}, {300, 6000, 360, 360}, {5490, 7200, 555, 525},
        {7755, 7320, 360, 360}, {9045, 7320, 360, 360},
    };
    for (int i = 0; i <= 4; ++i) {
        Image& spot = imgBotao.Load(i, picBase);
        spot.Move(spots[i].left, spots[i].top, spots[i].width, spots[i].height);
        maoSobre(spot);
    }
    imgBalao.Move(30, 1710, 2775, 2220);
    imgEstrela.Move(120, 3540, 2055, 1965);

    montaPainelDesempenho();

    for (platform::Timer* timer : {&tmrAnima, &tmrTempo, &tmrPergunta, &tmrBotao}) {
        timer->setInterval(1000);
        timer->setEnabled(false);
    }

    empilha({&picPreparese, &picParabens, &picErrou, &picSomOFF, &picSomON, &picBalaoON, &picBtOn, &picBase});
    empilha({&picDesempenho, &comImagem, &labPular, &labEtiqueta(2), &labEtiqueta(1), &labAjuda, &labNome,
             &labTempo, &labEtiqueta(0), &labTexto, &labResposta(3), &labResposta(2), &labResposta(1),
             &labResposta(0), &labPergunta, &imgBotao(4), &imgBotao(3), &imgBotao(2), &imgBotao(1),
             &imgBotao(0), &imgBalao, &imgEstrela});

    ordemDeFoco({&picBase, &comImagem, &picDesempenho, &picFechar});
    picBase.widget()->setFocus();
}

// The results panel: a title, then one row per subject with its name at the
// left and its score at the right. Score cell k belongs to subject k.
void frmTolvane::montaPainelDesempenho()
{
    picDesempenho.setBorderStyle(BordaCaixa::afundada);
    picDesempenho.Move(2040, 1080, 5535, 6015);
    picDesempenho.setPicture(exam::imagens::carrega(QStringLiteral("painel-desempenho.png")));
    picDesempenho.setVisible(false);

    picFechar.setBorderStyle(BordaCaixa::nenhuma);
    picFechar.Move(5160, 0, 300, 315);
    picFechar.setAutoSize(true);
    picFechar.setPicture(exam::imagens::carrega(QStringLiteral("fechar.png")));
    picFechar.setToolTipText(QStringLiteral("Fechar"));
    maoSobre(picFechar);

    rotulo(labEtiqueta.Load(12, picDesempenho), 120, 0, 4335, 495,
           QStringLiteral("Avaliação de desempenho por matéria"), 12);

    const auto& materias = bank::nomesMaterias();
    for (int k = 1; k <= bank::numeroMaterias; ++k) {
        const int top = 480 + 600 * (k - 1);

        Label& nome = labEtiqueta.Load(k + 2, picDesempenho);
        rotulo(nome, 120, top, 4335, 495, materias[std::size_t(k - 1)], 8.25);
        nome.setBorderStyle(Borda::simples);
        nome.setAlignment(Alinhamento::centro);

        // The score cells keep the window's own font.
        Label& nota = labDesempenho.Load(k, picDesempenho);
        nota.setBackStyle(FundoEstilo::transparente);
        nota.Move(4560, top, 550, 495);
        nota.setCaption(QStringLiteral("-1"));
        nota.setBorderStyle(Borda::simples);
        nota.setAlignment(Alinhamento::centro);
    }

    empilha({&picFechar, &labEtiqueta(12), &labDesempenho(9), &labDesempenho(8), &labDesempenho(7),
             &labDesempenho(6), &labDesempenho(5), &labDesempenho(4), &labDesempenho(3), &labDesempenho(2),
             &labDesempenho(1), &labEtiqueta(11), &labEtiqueta(10), &labEtiqueta(9), &labEtiqueta(8),
             &labEtiqueta(7), &labEtiqueta(6), &labEtiqueta(5), &labEtiqueta(4), &labEtiqueta(3)});
}
