// The review window as a player uses it: paging with the buttons and the
// arrows, the filter of errors, the marks on the answers, the outcome, the
// explanation, the figure, the history's sentence, and closing it.
#include "RevisaoFixture.h"

#include <QApplication>
#include <QTest>

using namespace revisaotest;
using exam::Desfecho;

namespace {

void clica(platform::forms::CommandButton& botao)
{
    QTest::mouseClick(botao.widget(), Qt::LeftButton);
}

// A key as the player presses it: to whatever has the focus in the window.
void tecla(frmRevisao& r, Qt::Key key)
{
    QWidget* alvo = QApplication::focusWidget();
    if (!alvo || alvo->window() != r.Me.widget())
        alvo = r.Me.widget();
    QTest::keyClick(alvo, key);
}

// A caption as read, the tags' unbreakable spaces as plain ones.
QString lido(const platform::forms::Label& label)
{
    return label.Caption().replace(QChar(0xA0), QLatin1Char(' '));
}

std::vector<exam::QuestaoVista> cincoDesfechos()
{
    return {questao(Desfecho::certa, QStringLiteral("C")), questao(Desfecho::errada, QStringLiteral("B")),
            questao(Desfecho::tempoEsgotado), questao(Desfecho::pulada), questao(Desfecho::naTela)};
}

} // namespace

// The player pages with the buttons and the Left/Right arrows, and neither
// goes past the first or the last question.
TEST_F(RevisaoTest, ButtonsAndArrowKeysPageThroughTheQuestions)
{
    frmRevisao& r = abre(exame(cincoDesfechos()));
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 1 de 5"));
    EXPECT_FALSE(r.comAnterior.Enabled());

    clica(r.comProxima);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 2 de 5"));
    tecla(r, Qt::Key_Right);
    tecla(r, Qt::Key_Right);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 4 de 5"));
    tecla(r, Qt::Key_Left);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 3 de 5"));
    clica(r.comAnterior);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 2 de 5"));

    for (int i = 0; i < 6; ++i)
        tecla(r, Qt::Key_Right);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 5 de 5"));
    EXPECT_FALSE(r.comProxima.Enabled());
    EXPECT_TRUE(r.comAnterior.Enabled());
    for (int i = 0; i < 6; ++i)
        tecla(r, Qt::Key_Left);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 1 de 5"));
    EXPECT_TRUE(revisao.Loaded());
}

// "Só os erros" keeps the wrong answers and the time-outs, starting from the
// question on screen; switched off it stays on that question. With no error
// at all the card says so and the paging buttons rest.
TEST_F(RevisaoTest, TheErrorFilterShowsWrongAndTimedOutQuestionsOrSaysThereAreNone)
{
    frmRevisao& r = abre(exame(cincoDesfechos()));
    clica(r.comErros);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 2 de 5 · erro 1 de 2"));
    EXPECT_EQ(r.labDesfecho.Caption(), QStringLiteral("Você errou: marcou B"));
    tecla(r, Qt::Key_Right);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 3 de 5 · erro 2 de 2"));
    EXPECT_EQ(r.labDesfecho.Caption(), QStringLiteral("Tempo esgotado"));
    EXPECT_FALSE(r.comProxima.Enabled());
    EXPECT_TRUE(r.comErros.Caption().contains(QStringLiteral("☑")));

    clica(r.comErros);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 3 de 5"));
    EXPECT_TRUE(r.comProxima.Enabled());
    EXPECT_TRUE(r.comErros.Caption().contains(QStringLiteral("☐")));

    // From a question after the last error, the filter goes back to that error.
    tecla(r, Qt::Key_Right);
    tecla(r, Qt::Key_Right);
    clica(r.comErros);
    EXPECT_EQ(r.labContador.Caption(), QStringLiteral("Questão 3 de 5 · erro 2 de 2"));
    clica(r.comFechar);
    QCoreApplication::sendPostedEvents();

    frmRevisao& semErros = abre(exame({questao(Desfecho::certa, QStringLiteral("C")), questao(Desfecho::pulada)}));
    clica(semErros.comErros);
    EXPECT_TRUE(semErros.labVazio.Visible());
    EXPECT_TRUE(semErros.labVazio.Caption().startsWith(QStringLiteral("Você não errou nenhuma questão")));
    EXPECT_FALSE(semErros.labPergunta.Visible());
    EXPECT_FALSE(semErros.comAnterior.Enabled());
    EXPECT_FALSE(semErros.comProxima.Enabled());
    tecla(semErros, Qt::Key_Right); // nothing to page to, and nothing breaks
    clica(semErros.comErros);
    EXPECT_FALSE(semErros.labVazio.Visible());
    EXPECT_TRUE(semErros.labPergunta.Visible());
    EXPECT_EQ(semErros.labContador.Caption(), QStringLiteral("Questão 1 de 2"));
    clica(semErros.comFechar);
    QCoreApplication::sendPostedEvents();

    // An exam stopped before its first question has nothing to page through.
    frmRevisao& nenhuma = abre(exame({}));
    EXPECT_EQ(nenhuma.labVazio.Caption(), QStringLiteral("Nenhuma questão foi mostrada neste simulado."));
    clica(nenhuma.comErros);
    tecla(nenhuma, Qt::Key_Left);
    EXPECT_EQ(nenhuma.labVazio.Caption(), QStringLiteral("Nenhuma questão foi mostrada neste simulado."));
    EXPECT_FALSE(nenhuma.comFigura.Visible());
}

// The player's choice and the right answer are told by a symbol and words,
// not by colour alone; the outcome is said in words for every case.
TEST_F(RevisaoTest, EachOutcomeMarksTheChosenAndTheRightAnswerInWords)
{
    frmRevisao& r = abre(exame(cincoDesfechos()));
    const auto marcas = [&] {
        QStringList m;
        for (int i = 0; i <= 3; ++i)
            m << r.labMarca(i).Caption() + (r.labFaixa(i).Visible() ? QStringLiteral("|faixa") : QString());
        return m.join(QLatin1Char(','));
    };

    // Right: the chosen answer is the right one.
    EXPECT_EQ(r.labDesfecho.Caption(), QStringLiteral("Você acertou"));
    EXPECT_EQ(lido(r.labResposta(2)), QStringLiteral("c) A draga.   ✔ sua resposta, certa"));
    EXPECT_EQ(lido(r.labResposta(1)), QStringLiteral("b) O veleiro."));
    EXPECT_EQ(marcas(), QStringLiteral(",,✔|faixa,"));

    // Wrong: B marked as the player's, C as the right one.
    r.comProxima_Click();
    EXPECT_EQ(r.labDesfecho.Caption(), QStringLiteral("Você errou: marcou B"));
    EXPECT_EQ(lido(r.labResposta(1)), QStringLiteral("b) O veleiro.   ✘ sua resposta"));
    EXPECT_EQ(lido(r.labResposta(2)), QStringLiteral("c) A draga.   ✔ certa"));
    EXPECT_EQ(marcas(), QStringLiteral(",✘|faixa,✔|faixa,"));
    EXPECT_NE(r.labFaixa(1).BackColor(), r.labFaixa(2).BackColor());

    // No choice: only the right answer is marked.
    const char* semEscolha[] = {"Tempo esgotado", "Questão pulada", "Questão na tela quando o simulado terminou"};
    for (const char* desfecho : semEscolha) {
        r.comProxima_Click();
        EXPECT_EQ(r.labDesfecho.Caption(), QString::fromUtf8(desfecho));
        EXPECT_EQ(marcas(), QStringLiteral(",,✔|faixa,")) << desfecho;
        EXPECT_EQ(lido(r.labResposta(2)), QStringLiteral("c) A draga.   ✔ certa"));
    }
    EXPECT_NE(r.labDesfecho.ForeColor(), platform::ColorValue(0));
}

// The rule and the explanation come with the question; a bank without them
// says so instead of leaving an empty space. "Ver figura" is there only for
// a question with a figure, and hands its file name to the picture viewer.
TEST_F(RevisaoTest, ExplanationAndFigureFollowTheQuestion)
{
    auto comFigura = questao(Desfecho::errada, QStringLiteral("A"));
    comFigura.imagem = QStringLiteral("figura-012.png");
    auto semExplicacao = questao(Desfecho::certa, QStringLiteral("C"));
    semExplicacao.fonte.clear();
    semExplicacao.explicacao.clear();
    frmRevisao& r = abre(exame({comFigura, semExplicacao}));

    EXPECT_EQ(r.labFonte.Caption(), QStringLiteral("Fonte: RIPEAM-72, Regra 18"));
    EXPECT_EQ(r.labExplicacao.Caption(), QStringLiteral("Por quê: A draga tem a manobra restrita."));
    ASSERT_TRUE(r.comFigura.Visible());
    clica(r.comFigura);
    EXPECT_EQ(figuras, QStringList{QStringLiteral("figura-012.png")});

    tecla(r, Qt::Key_Right);
    EXPECT_FALSE(r.comFigura.Visible());
    EXPECT_FALSE(r.labFonte.Visible());
    EXPECT_EQ(r.labExplicacao.Caption(), QStringLiteral("Esta questão não traz explicação."));
    r.comFigura_Click(); // even if reached, nothing to open
    EXPECT_EQ(figuras.size(), 1);
}

// The weakest subjects come from the last five exams only, averaging each
// subject over the exams where it had questions; the exam just ended counts
// once whether or not the history already holds it.
TEST_F(RevisaoTest, TheWeakestSubjectsComeFromTheLastFiveExams)
{
    auto atual = exame({questao(Desfecho::certa, QStringLiteral("C"))}, 60);
    atual.porMateria = {80, 40, -1, 70, 90, 100, 60, 75, 50};
    std::vector<exam::ResumoExame> historico{atual};
    const std::array<std::array<int, 9>, 5> anteriores{{
        {80, 60, -1, 70, 90, 100, 60, 75, 30},
        {80, 50, -1, 70, 90, 100, 60, 75, 40},
        {80, 30, -1, 70, 90, 100, 60, 75, -1},
        {80, 40, -1, 70, 90, 100, 60, 75, 50},
        {0, 0, 0, 0, 0, 0, 0, 0, 0}, // sixth: left out
    }};
    for (std::size_t i = 0; i < anteriores.size(); ++i) {
        auto e = exame({}, 50);
        e.quando = atual.quando.addDays(-qint64(i) - 1);
        e.porMateria = anteriores[i];
        historico.push_back(e);
    }
    // BALIZAMENTO (40+60+50+30+40)/5 = 44; NORMAS (50+30+40+50)/4 = 42.5, rounded to 43;
    // MANOBRA never had questions.
    const QString frase = QStringLiteral("Nos últimos 5 simulados, as matérias mais fracas foram NORMAS BÁSICAS DE "
                                         "SEGURANÇA PARA A ATIVIDADE NÁUTICA DE ESPORTE E/OU RECREIO (média de "
                                         "43 %) e BALIZAMENTO (média de 44 %).");
    frmRevisao& r = abre(atual, historico);
    EXPECT_EQ(r.labFracas.Caption(), frase);
    EXPECT_EQ(r.labSimulado.Count(), 5);
    EXPECT_EQ(r.labSimulado(0).Caption(), QStringLiteral("Este simulado · 60 % · aprovado"));
    EXPECT_EQ(r.labSimulado(1).Caption(), QStringLiteral("08/12/26 18:30 · 50 % · aprovado"));
    EXPECT_TRUE(r.picGrafico.Visible());
    EXPECT_FALSE(r.labAviso.Visible());
    r.Me.Unload();
    QCoreApplication::sendPostedEvents();

    // The history read before this exam was written: the same five.
    historico.erase(historico.begin());
    historico.pop_back();
    EXPECT_EQ(abre(atual, historico).labFracas.Caption(), frase);
    revisao().Me.Unload();
    QCoreApplication::sendPostedEvents();

    // No history this run: its line, and this exam alone.
    frmRevisao& sem = abre(atual, {}, QStringLiteral("O histórico não pôde ser gravado nesta execução."));
    EXPECT_EQ(sem.labAviso.Caption(), QStringLiteral("O histórico não pôde ser gravado nesta execução."));
    EXPECT_TRUE(sem.labAviso.Visible());
    EXPECT_EQ(sem.labSimulado.Count(), 1);
    EXPECT_EQ(sem.labFracas.Caption(),
              QStringLiteral("Neste simulado, as matérias mais fracas foram BALIZAMENTO (40 %) e NORMAS BÁSICAS DE "
                             "SEGURANÇA PARA A ATIVIDADE NÁUTICA DE ESPORTE E/OU RECREIO (50 %)."));
}

// Esc, "Fechar" and the window's close button each unload the review; it can
// be opened again afterwards.
TEST_F(RevisaoTest, EscFecharAndTheCloseButtonUnloadTheReview)
{
    tecla(abre(exame(cincoDesfechos())), Qt::Key_Escape);
    EXPECT_FALSE(revisao.Loaded());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(revisao.get(), nullptr);

    clica(abre(exame(cincoDesfechos())).comFechar);
    EXPECT_FALSE(revisao.Loaded());
    QCoreApplication::sendPostedEvents();

    frmRevisao& r = abre(exame(cincoDesfechos()));
    r.Me.widget()->close();
    EXPECT_FALSE(revisao.Loaded());
    EXPECT_FALSE(r.Me.Visible());
}
