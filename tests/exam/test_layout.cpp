// The quiz screen as it is created: what the player sees before the first question.
#include "QuizFixture.h"
#include "bank/Materias.h"
#include "platform/Units.h"
#include "platform/forms/Screen.h"

#include <QFontInfo>
#include <QTest>

using namespace platform::forms;
using quiztest::QuizTest;

namespace {

struct Lugar {
    const char* nome;
    const Control* controle;
    int left, top, width, height;
};

void confereLugar(const Lugar& l)
{
    EXPECT_EQ(l.controle->Left(), l.left) << l.nome;
    EXPECT_EQ(l.controle->Top(), l.top) << l.nome;
    EXPECT_EQ(l.controle->Width(), l.width) << l.nome;
    EXPECT_EQ(l.controle->Height(), l.height) << l.nome;
}

// Form_Load centres the two panels; a place in twips is kept to the nearest pixel.
int emPixels(int twips)
{
    return platform::pixelsToTwips(platform::twipsToPixels(twips));
}

bool maoPersonalizada(const Control& c)
{
    return c.widget()->testAttribute(Qt::WA_SetCursor) && c.widget()->cursor().shape() == Qt::BitmapCursor;
}

} // namespace

// Places and sizes in twips, pictures at their pixel sizes.
TEST_F(QuizTest, ControlsStartAtTheirDesignedPlacesAndSizes)
{
    abre(testbank::exemplos(2));
    frmTolvane& t = *tela;
    EXPECT_EQ(t.Me.ScaleWidth(), 12000);
    EXPECT_EQ(t.Me.ScaleHeight(), 8670);
    EXPECT_EQ(t.Me.BackColor(), platform::systemMenuText);

    const Lugar lugares[] = {
        {"picPreparese", &t.picPreparese, 2880, 8040, 495, 375}, {"picBtOn", &t.picBtOn, 120, 8040, 495, 375},
        {"picBase", &t.picBase, emPixels((ScreenWidth() - 12000) / 2), emPixels((ScreenHeight() - 7800) / 2), 12000, 7800},
        {"picDesempenho", &t.picDesempenho, emPixels((12000 - 5535) / 2), emPixels((7800 - 6015) / 2), 5535, 6015},
        {"comImagem", &t.comImagem, 120, 120, 1575, 375},        {"labTexto", &t.labTexto, 240, 1920, 2295, 1815},
        {"labPergunta", &t.labPergunta, 3000, 1920, 8700, 975},  {"labResposta(0)", &t.labResposta(0), 3000, 3120, 8700, 840},
        {"labResposta(3)", &t.labResposta(3), 3000, 6000, 8700, 840}, {"imgBotao(0)", &t.imgBotao(0), 300, 5520, 360, 360},
        {"imgBotao(2)", &t.imgBotao(2), 5490, 7200, 555, 525},   {"imgBotao(4)", &t.imgBotao(4), 9045, 7320, 360, 360},
        {"imgBalao", &t.imgBalao, 30, 1710, 2775, 2220},         {"imgEstrela", &t.imgEstrela, 120, 3540, 2055, 1965},
        {"picFechar", &t.picFechar, 5160, 0, 300, 315},          {"labEtiqueta(12)", &t.labEtiqueta(12), 120, 0, 4335, 495},
        {"labEtiqueta(11)", &t.labEtiqueta(11), 120, 5280, 4335, 495},
    };
    for (const Lugar& l : lugares)
        confereLugar(l);
    // 550 twips is not a whole number of pixels: the nearest is kept.
    EXPECT_EQ(t.labDesempenho(9).Left(), 4560);
    EXPECT_EQ(t.labDesempenho(9).Top(), 480 + 600 * 8);
    EXPECT_NEAR(t.labDesempenho(9).Width(), 550, 7);

    // Auto-size labels start where designed.
    for (const Control* c : {&t.labPular, &t.labAjuda, &t.labNome, &t.labTempo})
        EXPECT_TRUE(c->Left() > 0 && c->Top() > 0);
    EXPECT_EQ(t.labTempo.Left(), 3240);
    EXPECT_EQ(t.labTempo.Top(), 7350);

    EXPECT_EQ(t.picBase.Picture().size(), QSize(800, 520));
    EXPECT_EQ(t.picPreparese.Picture().size(), QSize(137, 131));
    EXPECT_EQ(t.picParabens.Picture().size(), QSize(137, 131));
    EXPECT_EQ(t.picErrou.Picture().size(), QSize(137, 131));
    EXPECT_EQ(t.picSomON.Picture().size(), QSize(37, 43));
    EXPECT_EQ(t.picSomOFF.Picture().size(), QSize(37, 43));
    EXPECT_EQ(t.picBalaoON.Picture().size(), QSize(185, 148));
    EXPECT_EQ(t.picBtOn.Picture().size(), QSize(24, 24));
    EXPECT_EQ(t.picFechar.Picture().size(), QSize(20, 21));
    EXPECT_EQ(t.picDesempenho.Picture().size(), QSize(452, 406));
}

// Captions, fonts, colours, enabled and visible states, timers and focus.
TEST_F(QuizTest, ControlsStartInTheirDesignedState)
{
    abre(testbank::exemplos(2));
    frmTolvane& t = *tela;

    for (PictureBox* holder : {&t.picPreparese, &t.picParabens, &t.picErrou, &t.picSomOFF, &t.picSomON,
                               &t.picBalaoON, &t.picBtOn})
        EXPECT_FALSE(holder->Visible());
    EXPECT_TRUE(t.picBase.Visible());
    EXPECT_FALSE(t.picDesempenho.Visible());
    EXPECT_FALSE(t.comImagem.Visible());
    EXPECT_EQ(t.comImagem.Caption(), QStringLiteral("&Ver imagem"));

    EXPECT_EQ(t.labPular.Caption(), QStringLiteral("3"));
    EXPECT_EQ(t.labAjuda.Caption(), QStringLiteral("3"));
    EXPECT_EQ(t.labNome.Caption(), QStringLiteral("Jogador :"));
    EXPECT_EQ(t.labTempo.Caption(), QStringLiteral("60 seg."));
    EXPECT_EQ(t.labEtiqueta(0).Caption(), QStringLiteral("Tempo restante :"));
    EXPECT_EQ(t.labEtiqueta(1).Caption(), QStringLiteral("Ajuda :"));
    EXPECT_EQ(t.labEtiqueta(2).Caption(), QStringLiteral("Pular :"));
    EXPECT_EQ(t.labEtiqueta(12).Caption(), QStringLiteral("Avaliação de desempenho por matéria"));
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(t.labEtiqueta(k + 2).Caption(), bank::nomesMaterias()[std::size_t(k - 1)]);
        EXPECT_EQ(t.labDesempenho(k).Caption(), QStringLiteral("-1"));
    }
    EXPECT_THROW(t.labDesempenho(0), std::out_of_range);

    EXPECT_TRUE(t.labPergunta.Caption().isEmpty());
    EXPECT_TRUE(t.labTexto.Caption().isEmpty());
    for (int i = 0; i <= 3; ++i) {
        EXPECT_TRUE(t.labResposta(i).Caption().isEmpty());
        EXPECT_FALSE(t.labResposta(i).Enabled());
        EXPECT_EQ(t.labResposta(i).ForeColor(), platform::systemButtonText);
        EXPECT_TRUE(maoPersonalizada(t.labResposta(i)));
    }
    for (int i = 0; i <= 4; ++i) {
        EXPECT_TRUE(t.imgBotao(i).Picture().isNull());
        EXPECT_TRUE(t.imgBotao(i).Enabled());
        EXPECT_TRUE(maoPersonalizada(t.imgBotao(i)));
    }
    EXPECT_TRUE(t.imgBalao.Picture().isNull());
    EXPECT_TRUE(t.imgEstrela.Picture().isNull());
    EXPECT_TRUE(maoPersonalizada(t.picFechar));
    EXPECT_FALSE(maoPersonalizada(t.labPergunta));
    EXPECT_EQ(t.picFechar.ToolTipText(), QStringLiteral("Fechar"));

    // White is the highlighted-text colour; the rest is the button-text colour.
    EXPECT_EQ(t.labTempo.ForeColor(), platform::systemHighlightText);
    EXPECT_EQ(t.labEtiqueta(2).ForeColor(), platform::systemHighlightText);
    EXPECT_EQ(t.labNome.ForeColor(), platform::systemButtonText);

    // "Comic Sans MS" is drawn with Comic Neue at 96 dots per inch.
    EXPECT_EQ(QFontInfo(t.labPergunta.widget()->font()).family(), QStringLiteral("Comic Neue"));
    EXPECT_EQ(t.labPergunta.widget()->font().pixelSize(), 12);
    EXPECT_EQ(t.labTempo.widget()->font().pixelSize(), 15);
    EXPECT_EQ(t.labEtiqueta(3).widget()->font().pixelSize(), 11);
    EXPECT_EQ(QFontInfo(t.comImagem.widget()->font()).family(), QStringLiteral("Comic Neue"));
    EXPECT_NE(QFontInfo(t.labDesempenho(1).widget()->font()).family(), QStringLiteral("Comic Neue"));

    for (const platform::Timer* timer : {&t.tmrAnima, &t.tmrTempo, &t.tmrPergunta, &t.tmrBotao})
        EXPECT_EQ(timer->Interval(), 1000);
    // Stopped as designed; creating the screen then starts the pacing of the first question.
    for (const platform::Timer* timer : {&t.tmrAnima, &t.tmrTempo, &t.tmrBotao})
        EXPECT_FALSE(timer->Enabled());
    EXPECT_TRUE(t.tmrPergunta.Enabled());
    EXPECT_EQ(t.Me.widget()->focusWidget(), t.picBase.widget());
    EXPECT_TRUE(mensagens.isEmpty());
}

// The results panel covers the question texts; the balloon's text lies over
// the balloon, and the balloon over the mascot; the empty lifeline spot
// takes the player's click.
TEST_F(QuizTest, StackingAndClickSpotsWorkOnTheRealScreen)
{
    abre(testbank::exemplos(2));
    frmTolvane& t = *tela;
    QWidget* base = t.picBase.innerArea();
    const auto centro = [](const Control& c) { return c.widget()->geometry().center(); };

    EXPECT_EQ(base->childAt(centro(t.labTexto)), t.labTexto.widget());
    EXPECT_EQ(base->childAt(QPoint(10, 255)), t.imgBalao.widget()); // inside both balloon and mascot spots
    t.picDesempenho.setVisible(true);
    EXPECT_TRUE(t.picDesempenho.widget()->isAncestorOf(base->childAt(centro(t.picDesempenho))));
    t.picDesempenho.setVisible(false);

    int pulos = 0;
    t.imgBotao(0).onClick = [&] { ++pulos; };
    t.Me.widget()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(t.Me.widget()));
    const QPoint spot = t.imgBotao(0).widget()->mapTo(t.Me.widget(), t.imgBotao(0).widget()->rect().center());
    QTest::mouseClick(t.Me.widget()->windowHandle(), Qt::LeftButton, {}, spot);
    EXPECT_EQ(pulos, 1);
}
