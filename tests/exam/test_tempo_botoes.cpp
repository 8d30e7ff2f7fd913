// The answer countdown, the five painted buttons and the picture button.
#include "ExameFixture.h"

#include <QImage>
#include <map>

using quiztest::ExameTest;
using sound::Cue;

// The 21-to-20 tick shows 20 and sounds the panic cue (only with sound on);
// the tick to 0 shows "0 seg." and loses the question without touching the
// totals, counting it for its subject.
TEST_F(ExameTest, TheCountdownWarnsAtTwentyAndLosesTheQuestionAtZero)
{
    for (const bool somLigado : {true, false}) {
        comeca();
        esperaQuestao();
        tela->somDesligado = somLigado ? 0 : 1;
        som.clear();
        segundos(39);
        EXPECT_EQ(tela->labTempo.Caption(), QStringLiteral("21 seg."));
        EXPECT_TRUE(som.calls.empty());
        segundos(1);
        EXPECT_EQ(tela->labTempo.Caption(), QStringLiteral("20 seg."));
        EXPECT_EQ(quantas(Cue::Panico), somLigado ? 1 : 0);
        EXPECT_TRUE(tela->respondendo);

        const int k = bank::numeroDaMateria(tela->materiaAtual);
        ASSERT_EQ(tela->labDesempenho(k).Caption(), QStringLiteral("-1"));
        segundos(20);
        EXPECT_EQ(tela->labTempo.Caption(), QStringLiteral("0 seg."));
        EXPECT_EQ(tela->labTexto.Caption(), QStringLiteral("Tempo esgotado.Tente a próxima."));
        EXPECT_EQ(tela->imgEstrela.Picture().toImage(), tela->picErrou.Picture().toImage());
        EXPECT_EQ(quantas(Cue::Erro), somLigado ? 1 : 0);
        EXPECT_EQ(tela->acertos + tela->erros, 0);
        EXPECT_EQ(tela->labDesempenho(k).Caption(), QStringLiteral("0"));
        EXPECT_EQ(tela->respondidasPorMateria[std::size_t(k)], 1);
        EXPECT_TRUE(tela->tmrAnima.Enabled());
        EXPECT_TRUE(tela->Me.Enabled());
    }
}

// A verdict given at a time-out closes the exam as one given at an answer.
TEST_F(ExameTest, AVerdictAtATimeOutClosesTheExam)
{
    comeca();
    esperaQuestao();
    tela->erros = 21; // the end was already due when the time runs out
    segundos(60);
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_FALSE(algumTimerLigado());
    EXPECT_FALSE(tela->labResposta(0).Enabled());
    EXPECT_FALSE(tela->imgBotao(0).Enabled());
    EXPECT_TRUE(tela->picDesempenho.Visible());
}

// Three skips and three helps, then their buttons are spent; outside the
// answer phase they do nothing and spend nothing.
TEST_F(ExameTest, SkipAndHelpServeThreeTimesAndOnlyTheQuestionOnScreen)
{
    comeca();
    for (int vez = 1; vez <= 3; ++vez) {
        esperaQuestao();
        clica(tela->imgBotao(1));
        EXPECT_EQ(tela->labAjuda.Caption(), QString::number(3 - vez));
        EXPECT_EQ(tela->imgBotao(1).Picture().toImage(), tela->picBtOn.Picture().toImage());
        EXPECT_TRUE(tela->tmrTempo.Enabled()); // the help leaves the countdown running
        const QString pergunta = tela->labPergunta.Caption();
        clica(tela->imgBotao(0));
        EXPECT_EQ(tela->labPular.Caption(), QString::number(3 - vez));
        EXPECT_FALSE(tela->tmrTempo.Enabled());
        clica(tela->imgBotao(0)); // during the pacing: nothing
        clica(tela->imgBotao(1));
        EXPECT_EQ(tela->labPular.Caption(), QString::number(3 - vez));
        EXPECT_EQ(tela->labAjuda.Caption(), QString::number(3 - vez));
        segundos(1);
        EXPECT_TRUE(tela->imgBotao(0).Picture().isNull()); // the lit knobs go dark after a second
        EXPECT_TRUE(tela->imgBotao(1).Picture().isNull());
        esperaQuestao();
        EXPECT_NE(tela->labPergunta.Caption(), pergunta);
    }
    EXPECT_FALSE(tela->imgBotao(0).Enabled());
    EXPECT_FALSE(tela->imgBotao(1).Enabled());
    EXPECT_EQ(tela->labPular.Caption(), QStringLiteral("0"));
    EXPECT_EQ(tela->labAjuda.Caption(), QStringLiteral("0"));
    EXPECT_EQ(tela->acertos + tela->erros, 0);
}

// The help names one or two of the three wrong letters, never the right one,
// each about as often, with its two picks drawn independently even when the
// clock has not moved between them.
TEST_F(ExameTest, TheHelpNamesWrongLettersEvenly)
{
    comeca();
    esperaQuestao();
    const QString certa = tela->respostaCerta;
    tela->ajudasRestantes = 100000;
    std::map<QChar, int> vezes;
    int uma = 0, duas = 0;
    const QString prefixo = QStringLiteral("A resposta correta não é ");
    for (int i = 0; i < 3000; ++i) {
        tela->imgBotao_Click(1);
        const QString texto = tela->labTexto.Caption();
        ASSERT_TRUE(texto.startsWith(prefixo)) << texto.toStdString();
        const QString letras = texto.mid(prefixo.size());
        if (letras.size() == 1) {
            ++uma;
            ++vezes[letras.at(0)];
        } else {
            ASSERT_EQ(letras.size(), 6) << letras.toStdString(); // "B ou D"
            ASSERT_NE(letras.at(0), letras.at(5));
            ++duas;
            ++vezes[letras.at(0)];
            ++vezes[letras.at(5)];
        }
    }
    EXPECT_EQ(vezes.count(certa.at(0)), 0u);
    EXPECT_EQ(vezes.size(), 3u);
    for (const auto& [letra, n] : vezes)
        EXPECT_NEAR(n, (uma + 2 * duas) / 3.0, 200) << QString(letra).toStdString();
    EXPECT_NEAR(uma, 1000, 120); // equal picks: one time in three
    EXPECT_NEAR(duas, 2000, 120);
}

// The stop measures the exam against all 40 questions.
TEST_F(ExameTest, TheStopGivesItsVerdictOverFortyQuestions)
{
    const QString inicio = QStringLiteral("Você não atingiu o número de 40 questões respondidas, e estas serão "
                                          "consideradas como respostas erradas. Seu desempenho foi de ");
    struct Caso { int certas; QString fim; };
    const Caso casos[] = {
        {0, QStringLiteral("0%. Não atingiu o mínimo necessário.")},
        {19, QStringLiteral("47%. Não atingiu o mínimo necessário.")},
        {20, QStringLiteral("50%. Parabéns.")},
    };
    for (const Caso& c : casos) {
        mensagens.clear();
        comeca();
        esperaQuestao();
        tela->acertos = c.certas;
        clica(tela->imgBotao(3));
        ASSERT_EQ(mensagens.size(), 1);
        EXPECT_EQ(mensagens.front(), inicio + c.fim);
        EXPECT_TRUE(tela->picDesempenho.Visible());
        for (int i = 0; i <= 4; ++i)
            EXPECT_FALSE(tela->imgBotao(i).Enabled()) << i;
        EXPECT_FALSE(algumTimerLigado());
    }

    // Stopped within a second of a help: the lit knob does not stay lit.
    comeca();
    esperaQuestao();
    clica(tela->imgBotao(1));
    clica(tela->imgBotao(3));
    EXPECT_TRUE(tela->imgBotao(1).Picture().isNull());
}

// Stopped while the correct answer blinks after a time-out, the exam draws no
// further question.
TEST_F(ExameTest, TheStopAlsoEndsTheBlinking)
{
    comeca();
    esperaQuestao();
    segundos(61);
    ASSERT_TRUE(tela->tmrAnima.Enabled());
    clica(tela->imgBotao(3));
    const int sorteadas = marcadas();
    segundos(60);
    EXPECT_EQ(marcadas(), sorteadas);
    EXPECT_FALSE(tela->labResposta(0).Enabled());
}

// The sound switch: its click sounds when switching off, not on; switched on,
// the music starts at once; while off, nothing sounds.
TEST_F(ExameTest, TheSoundSwitchSilencesEveryCue)
{
    comeca();
    esperaQuestao();
    som.clear();
    clica(tela->imgBotao(2));
    EXPECT_EQ(som.calls, (std::vector<std::optional<Cue>>{Cue::Click}));
    EXPECT_EQ(tela->imgBotao(2).Picture().toImage(), tela->picSomOFF.Picture().toImage());
    clica(tela->imgBotao(0)); // skip: click, lit button, music after a second
    segundos(40);             // a whole pacing and a countdown to the panic
    responde(true);
    segundos(20);
    EXPECT_EQ(som.calls.size(), 1u);
    clica(tela->imgBotao(2));
    EXPECT_EQ(som.calls, (std::vector<std::optional<Cue>>{Cue::Click, Cue::Jogo}));
    EXPECT_EQ(tela->imgBotao(2).Picture().toImage(), tela->picSomON.Picture().toImage());
}

// The picture button opens the figure of the question on screen; the time-out
// closes the viewer, also while its message is open.
TEST_F(ExameTest, TheViewerShowsTheFigureAndClosesAtTheTimeOut)
{
    auto questoes = testbank::exemplos(3);
    for (auto& q : questoes)
        q.imagem = QStringLiteral("figura-001.png");
    testbank::escreve(banco(), questoes);
    QImage figura(300, 200, QImage::Format_RGB32);
    figura.fill(Qt::darkCyan);
    ASSERT_TRUE(figura.save(pasta.filePath(QStringLiteral("figura-001.png"))));
    tela = std::make_unique<frmTolvane>(relogio, aleatorio, pasta.path(), som);
    tela->Me.Show();
    esperaQuestao();
    ASSERT_TRUE(tela->comImagem.Visible());

    // The player reads the viewer's message for 35 seconds; the time runs out behind it.
    platform::setMessageBoxHandler([&](const QString& texto) {
        mensagens << texto;
        segundos(35);
        QCoreApplication::sendPostedEvents();
    });
    segundos(30);
    QTest::mouseClick(tela->comImagem.widget(), Qt::LeftButton);
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(mensagens.front().startsWith(QStringLiteral("Para retornar à tela anterior")));
    EXPECT_FALSE(tela->frmImagem.Loaded());
    EXPECT_EQ(tela->labTexto.Caption(), QStringLiteral("Tempo esgotado.Tente a próxima."));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(tela->frmImagem.get(), nullptr);

    platform::setMessageBoxHandler([&](const QString& texto) { mensagens << texto; });
    esperaQuestao();
    QTest::mouseClick(tela->comImagem.widget(), Qt::LeftButton);
    ASSERT_TRUE(tela->frmImagem.Loaded());
    EXPECT_EQ(tela->frmImagem.get()->picImagem.Width(), (300 + 4) * 15);
    segundos(60);
    EXPECT_FALSE(tela->frmImagem.Loaded());
}
