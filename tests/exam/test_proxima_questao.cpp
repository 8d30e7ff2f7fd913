// The draw of the next question: what the player sees and what the bank keeps.
#include "QuizFixture.h"

#include <map>
#include <set>

using quiztest::QuizTest;

namespace {

// The question number out of a caption "Questão) Pergunta 7?".
int numero(const frmTolvane& tela)
{
    QString texto = tela.labPergunta.Caption();
    texto.remove(QStringLiteral("Questão) Pergunta ")).remove(QLatin1Char('?'));
    return texto.toInt();
}

} // namespace

// The captions carry their exact prefixes and the decoded texts, answers A
// to D top to bottom; the right letter and the subject are kept; the mark is
// in the file before the player does anything.
TEST_F(QuizTest, TheOnlyUnaskedQuestionIsShownKeptAndMarkedAtOnce)
{
    auto questoes = testbank::exemplos(3);
    questoes[1].pergunta = QStringLiteral("Qual é a luz de bordo de boreste?");
    questoes[1].respA = QStringLiteral("Verde");
    questoes[1].respD = QStringLiteral("Encarnada, à noite");
    abre(questoes);
    testbank::executa(banco(), QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero <> 2"));
    ASSERT_EQ(marcadas(), 2);

    tela->Proxima_Questao();

    EXPECT_EQ(tela->labPergunta.Caption(), QStringLiteral("Questão) Qual é a luz de bordo de boreste?"));
    EXPECT_EQ(tela->textoPergunta, QStringLiteral("Qual é a luz de bordo de boreste?"));
    EXPECT_EQ(tela->labResposta(0).Caption(), QStringLiteral("a) Verde"));
    EXPECT_EQ(tela->labResposta(1).Caption(), QStringLiteral("b) Resposta B da 2"));
    EXPECT_EQ(tela->labResposta(2).Caption(), QStringLiteral("c) Resposta C da 2"));
    EXPECT_EQ(tela->labResposta(3).Caption(), QStringLiteral("d) Encarnada, à noite"));
    EXPECT_EQ(tela->respostaCerta, QStringLiteral("B"));
    EXPECT_EQ(tela->materiaAtual, QStringLiteral("BALIZAMENTO"));
    EXPECT_EQ(tela->textoSql, QStringLiteral("SELECT * FROM questoes WHERE ja_foi='N'"));
    EXPECT_EQ(marcadas(), 3); // written to the file, not just in memory
    EXPECT_TRUE(mensagens.isEmpty());
}

// Over many runs every unasked position comes up, and an asked question never.
TEST_F(QuizTest, EveryUnaskedPositionCanBeDrawnAndNoOther)
{
    abre(testbank::exemplos(9));
    std::set<int> vistas;
    for (int rodada = 0; rodada < 300; ++rodada) {
        testbank::executa(banco(), QStringLiteral("UPDATE questoes SET ja_foi = "
                                                  "CASE WHEN numero IN (2, 5) THEN 'S' ELSE 'N' END"));
        relogio.advance(37); // the reseed reads the clock; let it move as in a real exam
        tela->Proxima_Questao();
        vistas.insert(numero(*tela));
    }
    EXPECT_EQ(vistas, (std::set<int>{1, 3, 4, 6, 7, 8, 9}));
}

// A run never repeats a question; once all are drawn, the next draw leaves
// the screen, the kept answer and the file exactly as they were.
TEST_F(QuizTest, DrawnQuestionsNeverReturnAndAnEmptyDrawTouchesNothing)
{
    auto questoes = testbank::exemplos(6);
    questoes[5].imagem = QStringLiteral("figura.png");
    abre(questoes);
    std::set<int> vistas;
    for (int i = 0; i < 6; ++i) {
        tela->Proxima_Questao();
        vistas.insert(numero(*tela));
    }
    EXPECT_EQ(vistas.size(), 6u);
    EXPECT_EQ(marcadas(), 6);

    // The pacing empties the captions before each draw.
    tela->labPergunta.setCaption(QString());
    for (int i = 0; i < 4; ++i)
        tela->labResposta(i).setCaption(QString());
    const QString certa = tela->respostaCerta;
    const QString materia = tela->materiaAtual;
    const bool botaoImagem = tela->comImagem.Visible();
    const QString antes = testbank::consulta(banco(), QStringLiteral("SELECT group_concat(ja_foi, '') FROM questoes"));

    tela->Proxima_Questao();

    EXPECT_EQ(tela->labPergunta.Caption(), QString());
    EXPECT_EQ(tela->labResposta(0).Caption(), QString());
    EXPECT_EQ(tela->respostaCerta, certa);
    EXPECT_EQ(tela->materiaAtual, materia);
    EXPECT_EQ(tela->comImagem.Visible(), botaoImagem);
    EXPECT_EQ(testbank::consulta(banco(), QStringLiteral("SELECT group_concat(ja_foi, '') FROM questoes")), antes);
    EXPECT_TRUE(mensagens.isEmpty());
    EXPECT_EQ(encerramentos, 0);
}

// The picture button appears exactly for a question with a figure: "N" and
// Null mean none.
TEST_F(QuizTest, ThePictureButtonShowsOnlyForAFigure)
{
    auto questoes = testbank::exemplos(3);
    questoes[0].imagem = QStringLiteral("N");
    questoes[1].imagem = std::nullopt;
    questoes[2].imagem = QStringLiteral("balizamento-boia.png");
    abre(questoes);

    std::map<int, bool> botao;
    for (int i = 0; i < 3; ++i) {
        tela->Proxima_Questao();
        botao[numero(*tela)] = tela->comImagem.Visible();
    }
    EXPECT_EQ(botao, (std::map<int, bool>{{1, false}, {2, false}, {3, true}}));
}

// A damaged record (a Null where an encoded text belongs) shows as an empty
// text instead of ending the exam.
TEST_F(QuizTest, ANullTextShowsAsEmptyAndTheExamGoesOn)
{
    abre(testbank::exemplos(1));
    testbank::executa(banco(), QStringLiteral("UPDATE questoes SET respC = NULL"));
    tela->Proxima_Questao();
    EXPECT_EQ(tela->labResposta(2).Caption(), QStringLiteral("c) "));
    EXPECT_EQ(tela->labResposta(3).Caption(), QStringLiteral("d) Resposta D da 1"));
    EXPECT_EQ(marcadas(), 1);
    EXPECT_TRUE(mensagens.isEmpty());
}

// A missing bank is reported in Portuguese and ends the program as a failed
// run (status 1); a bank that breaks during the run does the same instead of
// crashing, and the engine's English text never reaches the player.
TEST_F(QuizTest, AnUnusableBankIsReportedAndEndsTheProgram)
{
    abreSemBanco();
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(mensagens[0].contains(QStringLiteral("não foi encontrado"))) << mensagens[0].toStdString();
    EXPECT_EQ(encerramentos, 1);
    tela->Proxima_Questao(); // nothing to draw from, and no crash
    EXPECT_EQ(tela->labPergunta.Caption(), QString());

    int estado = 0;
    platform::setEndProgramHandler([&](int status) {
        ++encerramentos;
        estado = status;
    });
    mensagens.clear();
    encerramentos = 0;
    abre(testbank::exemplos(2));
    testbank::executa(banco(), QStringLiteral("DROP TABLE questoes"));
    tela->Proxima_Questao();
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(mensagens[0].startsWith(QStringLiteral("Não foi possível ler a próxima questão")));
    EXPECT_FALSE(mensagens[0].contains(QStringLiteral("no such table"))) << mensagens[0].toStdString();
    EXPECT_EQ(encerramentos, 1);
    EXPECT_EQ(estado, 1);
}
