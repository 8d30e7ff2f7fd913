// The exam as a player lives it: the pace of each question, answers judged
// and counted per subject, the blinking, the hover, and the verdict that
// closes the exam.
#include "ExameFixture.h"

#include "bank/Materias.h"
#include "opening/frmAbertura.h"

using quiztest::ExameTest;
using sound::Cue;

// The first question comes 5 s after the screen opens and takes answers at
// 8 s; after an answer the next question comes 13 s after the click and its
// countdown starts 16 s after it.
TEST_F(ExameTest, EachQuestionFollowsTheEightSecondPaceAndTheBlinking)
{
    comeca();
    struct Passo { double ate; const char* tempo; const char* texto; bool pergunta, aberta; };
    const Passo inicio[] = {
        {1, "60 seg.", "", false, false},
        {2, "60 seg.", "", false, false},
        {3, "60 seg.", "Prepare-se para a questão.", false, false},
        {5, "60 seg.", "Pense bastante antes de responder, mas cuidado com o tempo.", true, false},
        {7, "60 seg.", "Pense bastante antes de responder, mas cuidado com o tempo.", true, false},
        {8, "60 seg.", "Pense bastante antes de responder, mas cuidado com o tempo.", true, true},
        {9, "59 seg.", "Pense bastante antes de responder, mas cuidado com o tempo.", true, true},
    };
    double agora = 0;
    for (const Passo& p : inicio) {
        segundos(p.ate - agora);
        agora = p.ate;
        EXPECT_EQ(tela->labTempo.Caption(), QString::fromUtf8(p.tempo)) << "at " << p.ate << " s";
        EXPECT_EQ(tela->labTexto.Caption(), QString::fromUtf8(p.texto)) << "at " << p.ate << " s";
        EXPECT_EQ(tela->labPergunta.Caption().startsWith(QStringLiteral("Questão) ")), p.pergunta) << p.ate;
        EXPECT_EQ(tela->labResposta(0).Enabled(), p.aberta) << "at " << p.ate << " s";
    }
    EXPECT_EQ(som.calls, (std::vector<std::optional<Cue>>{Cue::Abre, Cue::Intro, Cue::Jogo}));
    EXPECT_FALSE(tela->imgBalao.Picture().isNull());

    const QString primeira = tela->labPergunta.Caption();
    responde(true);
    EXPECT_FALSE(tela->Me.Enabled());
    segundos(12.5);
    EXPECT_EQ(tela->labPergunta.Caption(), QString()); // cleared at 2 s of the pacing
    segundos(0.5);
    EXPECT_NE(tela->labPergunta.Caption(), primeira); // 13 s after the click
    EXPECT_FALSE(tela->tmrTempo.Enabled());
    segundos(3);
    EXPECT_TRUE(tela->tmrTempo.Enabled()); // 16 s after the click
    EXPECT_TRUE(tela->Me.Enabled());
    EXPECT_EQ(tela->labTempo.Caption(), QStringLiteral("60 seg."));
}

// Right and wrong answers: feedback, cues, the mascot, the totals.
TEST_F(ExameTest, AnswersAreJudgedWithTheirFeedback)
{
    comeca();
    responde(true);
    EXPECT_EQ(tela->labTexto.Caption(), QStringLiteral("Parabéns. Você acertou."));
    EXPECT_EQ(tela->imgEstrela.Picture().toImage(), tela->picParabens.Picture().toImage());
    EXPECT_EQ(std::vector<std::optional<Cue>>(som.calls.end() - 2, som.calls.end()),
              (std::vector<std::optional<Cue>>{Cue::Click, Cue::Certo}));
    segundos(16);
    responde(false);
    EXPECT_EQ(tela->labTexto.Caption(), QStringLiteral("Você errou.Tente a próxima."));
    EXPECT_EQ(tela->imgEstrela.Picture().toImage(), tela->picErrou.Picture().toImage());
    EXPECT_EQ(som.calls.back(), Cue::Erro);
    EXPECT_EQ(tela->acertos, 1);
    EXPECT_EQ(tela->erros, 1);
}

// The three verdicts of an answer: the 21st wrong answer whatever the right
// count, 20 right and 20 wrong, 27 right and 13 wrong.
TEST_F(ExameTest, VerdictsAtTheTwentyFirstErrorOrTheFortiethAnswer)
{
    struct Caso { int certas, erradas; const char* mensagem; };
    const Caso casos[] = {
        {19, 21, "Não é mais possível atingir o valor mínimo de 50%. Tente novamente."},
        {0, 21, "Não é mais possível atingir o valor mínimo de 50%. Tente novamente."},
        {20, 20, "O número máximo de questões já foi atingido. Seu desempenho foi de 50%. Parabéns."},
        {27, 13, "O número máximo de questões já foi atingido. Seu desempenho foi de 67%. Parabéns."},
    };
    for (const Caso& c : casos) {
        mensagens.clear();
        som.clear();
        comeca(60);
        // Right answers first, so the wrong ones decide the end.
        for (int i = 0; i < c.erradas + c.certas && mensagens.isEmpty(); ++i) {
            responde(i < c.certas);
            segundos(16);
        }
        ASSERT_EQ(mensagens.size(), 1) << c.certas << "/" << c.erradas;
        EXPECT_EQ(mensagens.front(), QString::fromUtf8(c.mensagem));
        EXPECT_EQ(tela->acertos, c.certas);
        EXPECT_EQ(tela->erros, c.erradas);
        EXPECT_TRUE(tela->picDesempenho.Visible());
    }
}

// A verdict closes the exam: before its box appears every timer has
// stopped (the blinking too), so nothing moves behind it or after it; the
// answers and buttons take no more input; the close mark ends the program.
TEST_F(ExameTest, AVerdictClosesTheExamForGood)
{
    comeca(60);
    bool paradoAntesDaCaixa = false;
    platform::setMessageBoxHandler([&](const QString& texto) {
        mensagens << texto;
        paradoAntesDaCaixa = !algumTimerLigado();
        segundos(30); // the player reads the box for a while
    });
    for (int i = 0; i < 21; ++i) {
        responde(false);
        segundos(16);
    }
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(paradoAntesDaCaixa);
    const QString pergunta = tela->labPergunta.Caption();
    const QString nota = tela->labDesempenho(1).Caption();
    segundos(120);
    EXPECT_FALSE(algumTimerLigado());
    EXPECT_EQ(tela->labPergunta.Caption(), pergunta);
    EXPECT_EQ(tela->labDesempenho(1).Caption(), nota);
    EXPECT_EQ(marcadas(), 21);
    for (int i = 0; i <= 3; ++i)
        EXPECT_FALSE(tela->labResposta(i).Enabled()) << i;
    for (int i = 0; i <= 4; ++i)
        EXPECT_FALSE(tela->imgBotao(i).Enabled()) << i;
    EXPECT_FALSE(tela->comImagem.Enabled());
    EXPECT_TRUE(tela->picDesempenho.Visible());

    clica(tela->picFechar);
    EXPECT_EQ(encerramentos, 1);
    EXPECT_EQ(marcadas(), 0);
}

// An answer is taken only while its question is being answered: a click in
// the blinking or the pacing after a time-out or a skip is ignored.
TEST_F(ExameTest, ClicksOutsideTheAnswerPhaseAreIgnored)
{
    comeca();
    esperaQuestao();
    segundos(60); // time-out: the form stays enabled during the blinking
    ASSERT_EQ(tela->labTexto.Caption(), QStringLiteral("Tempo esgotado.Tente a próxima."));
    clica(tela->labResposta(indiceDaCerta()));
    segundos(10); // into the pacing of the next question
    clica(tela->labResposta(0));
    EXPECT_EQ(tela->acertos + tela->erros, 0);

    esperaQuestao();
    clica(tela->imgBotao(0)); // skip
    segundos(1);
    clica(tela->labResposta(indiceDaCerta()));
    EXPECT_EQ(tela->acertos + tela->erros, 0);
    EXPECT_FALSE(tela->labTexto.Caption().contains(QStringLiteral("acertou")));
}

// With every question drawn the exam ends as a stop would end it, instead of
// going on with empty captions judged against the last answer.
TEST_F(ExameTest, WhenTheBankRunsOutTheExamEndsWithTheStopVerdict)
{
    comeca(2);
    responde(true);
    segundos(16);
    responde(true);
    segundos(13);
    ASSERT_EQ(mensagens.size(), 2);
    EXPECT_TRUE(mensagens[0].contains(QStringLiteral("não tem mais questões")));
    EXPECT_EQ(mensagens[1], QStringLiteral("Você não atingiu o número de 40 questões respondidas, e estas serão "
                                           "consideradas como respostas erradas. Seu desempenho foi de 5%. "
                                           "Não atingiu o mínimo necessário."));
    EXPECT_TRUE(tela->picDesempenho.Visible());
    EXPECT_FALSE(algumTimerLigado());
    EXPECT_FALSE(tela->labResposta(0).Enabled());
}

// Per subject: "-1" until counted, then the right answers; after the verdict
// the percentage over 40 (short of 40 scored) or over the subject's own
// questions, or an empty cell; a subject outside the table counts in the
// totals only.
TEST_F(ExameTest, EachSubjectIsCountedAndShownAsAPercentage)
{
    comeca();
    frmTolvane& t = *tela;
    const auto materia = [](int k) { return bank::nomesMaterias()[std::size_t(k - 1)]; };
    t.materiaAtual = materia(2);
    EXPECT_EQ(t.labDesempenho(2).Caption(), QStringLiteral("-1"));
    t.Registra_Materia(false);
    EXPECT_EQ(t.labDesempenho(2).Caption(), QStringLiteral("0"));
    t.Registra_Materia(true);
    EXPECT_EQ(t.labDesempenho(2).Caption(), QStringLiteral("1"));
    t.Registra_Materia(true);
    t.Registra_Materia(true);
    for (int i = 0; i < 6; ++i)
        t.Registra_Materia(false); // 3 right of 10
    t.materiaAtual = materia(4);
    t.Registra_Materia(false); // counted, never right
    t.materiaAtual = QStringLiteral("ripeam"); // not exactly a subject of the table
    t.Registra_Materia(true);
    t.acertos = 10;
    t.erros = 21;
    t.Mostra_Desempenho();
    EXPECT_EQ(t.labDesempenho(2).Caption(), QStringLiteral("7 %")); // 300 / 40
    EXPECT_EQ(t.labDesempenho(4).Caption(), QStringLiteral("0 %"));
    EXPECT_EQ(t.labDesempenho(1).Caption(), QString());
    EXPECT_EQ(t.respondidasPorMateria[1], 0);

    comeca();
    frmTolvane& u = *tela;
    u.materiaAtual = materia(9);
    for (int i = 0; i < 7; ++i)
        u.Registra_Materia(i < 5);
    u.acertos = 30;
    u.erros = 10;
    u.Mostra_Desempenho();
    EXPECT_EQ(u.labDesempenho(9).Caption(), QStringLiteral("71 %")); // 5 of 7 after 40 scored
}

// The correct answer blinks red four times and ends in the normal colour,
// from the normal colour or from the hover's blue; then the next question's
// pacing starts.
TEST_F(ExameTest, TheCorrectAnswerBlinksAndEndsNormal)
{
    const platform::ColorValue N = platform::systemButtonText, R = platform::RGB(255, 0, 0),
                               B = platform::RGB(0, 0, 255);
    struct Caso { platform::ColorValue antes; std::vector<platform::ColorValue> porToque; };
    const Caso casos[] = {
        {N, {R, N, R, N, R, N, R, N}},
        {B, {N, R, N, R, N, R, N, N}},
    };
    for (const Caso& c : casos) {
        comeca();
        esperaQuestao();
        platform::forms::Label& certa = tela->labResposta(indiceDaCerta());
        segundos(59);
        certa.setForeColor(c.antes); // the pointer rests on it as the time runs out
        segundos(1);
        std::vector<platform::ColorValue> cores;
        for (int toque = 1; toque <= 8; ++toque) {
            segundos(1);
            cores.push_back(certa.ForeColor());
        }
        EXPECT_EQ(cores, c.porToque);
        EXPECT_FALSE(tela->tmrAnima.Enabled());
        EXPECT_TRUE(tela->tmrPergunta.Enabled());
    }
}

// Hovering lights one answer blue; the question or the bare background puts
// all four back; disabled answers are never lit.
TEST_F(ExameTest, TheAnswerUnderThePointerTurnsBlue)
{
    comeca();
    const platform::ColorValue N = platform::systemButtonText, B = platform::RGB(0, 0, 255);
    QTest::mouseMove(tela->labResposta(1).widget(), QPoint(5, 5));
    EXPECT_EQ(tela->labResposta(1).ForeColor(), N); // disabled before the first question
    esperaQuestao();
    const auto cores = [&] {
        std::vector<platform::ColorValue> c;
        for (int i = 0; i <= 3; ++i)
            c.push_back(tela->labResposta(i).ForeColor());
        return c;
    };
    QTest::mouseMove(tela->labResposta(1).widget(), QPoint(9, 9));
    EXPECT_EQ(cores(), (std::vector<platform::ColorValue>{N, B, N, N}));
    QTest::mouseMove(tela->labResposta(2).widget(), QPoint(6, 6));
    EXPECT_EQ(cores(), (std::vector<platform::ColorValue>{N, N, B, N}));
    QTest::mouseMove(tela->labPergunta.widget(), QPoint(5, 5));
    EXPECT_EQ(cores(), (std::vector<platform::ColorValue>{N, N, N, N}));
    QTest::mouseMove(tela->labResposta(3).widget(), QPoint(5, 5));
    QTest::mouseMove(tela->picBase.widget(), QPoint(20, 20));
    EXPECT_EQ(cores(), (std::vector<platform::ColorValue>{N, N, N, N}));
}

// Closing the screen clears every mark of the bank, those a killed run left
// behind included.
TEST_F(ExameTest, UnloadClearsEveryMarkStaleOnesIncluded)
{
    comeca(12);
    esperaQuestao();
    testbank::executa(banco(), QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE rowid IN (1, 2, 3)"));
    ASSERT_GE(marcadas(), 3);
    clica(tela->imgBotao(4));
    EXPECT_EQ(marcadas(), 0);
    EXPECT_EQ(encerramentos, 1);
}

// A whole exam, as a player plays it: the name on the opening screen, 40
// answers on the quiz screen, the verdict, the results, the close.
TEST_F(ExameTest, AWholeExamFromTheOpeningScreenToTheClose)
{
    testbank::escreve(banco(), testbank::exemplos(80));
    platform::forms::FormHolder<frmTolvane> quiz(
        [&] { return std::make_unique<frmTolvane>(relogio, aleatorio, pasta.path(), som); });
    platform::forms::FormHolder<frmAbertura> abertura([&] {
        return std::make_unique<frmAbertura>(relogio, som, [&]() -> frmTolvane* {
            quiz().Me.Show();
            return quiz.get();
        });
    });
    abertura().Me.Show();
    QTest::keyClicks(abertura().txtNome.widget(), QStringLiteral("Marina"));
    clica(abertura().comComecar);
    EXPECT_FALSE(abertura.Loaded());
    ASSERT_TRUE(quiz.Loaded());
    tela.reset();
    frmTolvane& t = quiz();
    EXPECT_EQ(t.labNome.Caption(), QStringLiteral("Jogador : Marina"));

    for (int i = 0; i < 40 && mensagens.isEmpty(); ++i) {
        for (int s = 0; s < 30 && !t.respondendo; ++s)
            segundos(1);
        ASSERT_TRUE(t.respondendo) << "question " << i + 1;
        clica(t.labResposta(int(QStringLiteral("ABCD").indexOf(t.respostaCerta)) ^ (i % 3 == 0 ? 1 : 0)));
        segundos(1);
    }
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_EQ(mensagens.front(), QStringLiteral("O número máximo de questões já foi atingido. Seu desempenho foi de "
                                                "65%. Parabéns."));
    EXPECT_EQ(t.acertos, 26);
    int somaCertas = 0;
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(t.labDesempenho(k).Caption().endsWith(QStringLiteral(" %"))) << k;
    for (int k = 1; k <= 9; ++k)
        somaCertas += t.respondidasPorMateria[std::size_t(k)];
    EXPECT_EQ(somaCertas, 40);
    EXPECT_EQ(marcadas(), 40);
    clica(t.picFechar);
    EXPECT_EQ(encerramentos, 1);
    EXPECT_EQ(marcadas(), 0);
}

// The exam remembers each question it showed, in order, with what became of
// it, and sums the exam up at the verdict: for the review and the history.
TEST_F(ExameTest, EveryQuestionShownIsRememberedWithItsOutcome)
{
    comeca();
    responde(true);
    const QString certa = tela->respostaCerta;
    segundos(16);
    responde(false);
    segundos(16);
    esperaQuestao();
    segundos(60); // time-out
    esperaQuestao();
    clica(tela->imgBotao(0)); // skip
    esperaQuestao();
    clica(tela->imgBotao(3)); // stop with a question on screen

    using sound::Cue;
    using D = exam::Desfecho;
    const auto& vistas = tela->questoesVistas;
    ASSERT_EQ(vistas.size(), 5u);
    std::vector<D> desfechos;
    for (const auto& v : vistas)
        desfechos.push_back(v.desfecho);
    EXPECT_EQ(desfechos, (std::vector<D>{D::certa, D::errada, D::tempoEsgotado, D::pulada, D::naTela}));
    EXPECT_EQ(vistas[0].escolhida, certa);
    EXPECT_EQ(vistas[0].certa, certa);
    EXPECT_NE(vistas[1].escolhida, vistas[1].certa);
    EXPECT_TRUE(vistas[2].escolhida.isEmpty());
    EXPECT_TRUE(vistas[0].pergunta.startsWith(QStringLiteral("Pergunta ")));
    EXPECT_TRUE(vistas[0].respostas[0].startsWith(QStringLiteral("Resposta A")));

    const exam::ResumoExame& r = tela->resumo;
    EXPECT_EQ(r.acertos, 1);
    EXPECT_EQ(r.erros, 1);
    EXPECT_EQ(r.esgotadas, 1);
    EXPECT_EQ(r.puladas, 1);
    EXPECT_EQ(r.percentual, 2);
    EXPECT_FALSE(r.aprovado);
    EXPECT_EQ(r.veredito, mensagens.back());
    EXPECT_EQ(r.questoes.size(), 5u);
    const int k = bank::numeroDaMateria(vistas[0].materia);
    EXPECT_EQ(r.porMateria[std::size_t(k - 1)], 2); // 1 right of the 40
}

// From the bank to the review: each question's rule and explanation travel
// with it; a bank without them still plays, and the review says there is none.
TEST_F(ExameTest, TheReviewShowsTheExamWithTheRuleAndTheExplanation)
{
    for (const bool comExplicacao : {true, false}) {
        auto questoes = testbank::exemplos(60);
        if (comExplicacao)
            for (std::size_t i = 0; i < questoes.size(); ++i) {
                questoes[i].fonte = QStringLiteral("RIPEAM-72, Regra %1").arg(i + 1);
                questoes[i].explicacao = QStringLiteral("Porque a regra %1 manda assim: ação é cedo.").arg(i + 1);
            }
        testbank::escreve(banco(), questoes);
        tela = std::make_unique<frmTolvane>(relogio, aleatorio, pasta.path(), som);
        tela->Me.Show();
        responde(false);
        segundos(16);
        esperaQuestao();
        clica(tela->imgBotao(3));
        ASSERT_TRUE(tela->comRevisao.Visible());
        EXPECT_TRUE(tela->picDesempenho.Visible());

        clica(tela->comRevisao);
        ASSERT_TRUE(tela->frmRevisao.Loaded());
        frmRevisao& revisao = *tela->frmRevisao.get();
        const exam::QuestaoVista& primeira = tela->questoesVistas.front();
        EXPECT_TRUE(revisao.labPergunta.Caption().contains(primeira.pergunta));
        if (comExplicacao) {
            const int n = primeira.pergunta.section(QLatin1Char(' '), 1, 1).remove(QLatin1Char('?')).toInt();
            EXPECT_EQ(primeira.fonte, QStringLiteral("RIPEAM-72, Regra %1").arg(n));
            EXPECT_TRUE(revisao.labFonte.Caption().contains(primeira.fonte)) << revisao.labFonte.Caption().toStdString();
            EXPECT_TRUE(revisao.labExplicacao.Caption().contains(QStringLiteral("ação é cedo")));
        } else {
            EXPECT_TRUE(primeira.fonte.isEmpty());
            EXPECT_TRUE(revisao.labExplicacao.Caption().contains(QStringLiteral("não traz explicação"))
                        || revisao.labFonte.Caption().contains(QStringLiteral("não traz explicação")));
        }
        revisao.Me.Unload();
        EXPECT_FALSE(tela->frmRevisao.Loaded());
        EXPECT_TRUE(tela->picDesempenho.Visible()); // back to the results panel
        QCoreApplication::sendPostedEvents();
        tela.reset();
    }
}
