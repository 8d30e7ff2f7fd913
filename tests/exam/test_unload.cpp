// Closing the quiz screen gives every question back, whichever way it closes.
#include "QuizFixture.h"


using quiztest::QuizTest;

TEST_F(QuizTest, UnloadClearsThisRunsMarksAndEndsTheProgram)
{
    abre(testbank::exemplos(8));
    tela->Proxima_Questao();
    tela->Proxima_Questao();
    tela->Proxima_Questao();
    ASSERT_EQ(marcadas(), 3);

    tela->Me.Unload();
    EXPECT_EQ(marcadas(), 0);
    EXPECT_EQ(tela->textoSql, QStringLiteral("SELECT * FROM questoes WHERE ja_foi='S'"));
    EXPECT_EQ(encerramentos, 1);
    EXPECT_TRUE(mensagens.isEmpty());
}

// The window's own close button takes the same path.
TEST_F(QuizTest, ClosingTheWindowAlsoClearsTheMarks)
{
    abre(testbank::exemplos(4));
    tela->Proxima_Questao();
    ASSERT_EQ(marcadas(), 1);
    tela->Me.widget()->close();
    EXPECT_EQ(marcadas(), 0);
    EXPECT_EQ(encerramentos, 1);
}
