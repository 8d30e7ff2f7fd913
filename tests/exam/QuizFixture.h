#pragma once
// A quiz screen over a bank written for the test, on the manual clock, with
// its cues, message boxes and the end of the program recorded instead of
// performed.
#include "TestBank.h"
#include "assets/Assets.h"
#include "bank/modExterno.h"
#include "exam/frmTolvane.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/testing/ManualClock.h"
#include "tests/sound/CueRecorder.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace quiztest {

class QuizTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        assets::inicializa();
        modExterno::Preenche_Tabelas();
        platform::setMessageBoxHandler([this](const QString& texto) { mensagens << texto; });
        platform::setEndProgramHandler([this](int) { ++encerramentos; });
    }
    void TearDown() override
    {
        tela.reset();
        platform::setMessageBoxHandler({});
        platform::setEndProgramHandler({});
    }
    QString banco() const { return pasta.filePath(QStringLiteral("tolvane.mdb")); }
    // Writes the bank, then creates and loads the screen over it.
    void abre(const std::vector<testbank::RegistroBanco>& questoes)
    {
        testbank::escreve(banco(), questoes);
        abreSemBanco();
    }
    void abreSemBanco()
    {
        tela = std::make_unique<frmTolvane>(relogio, aleatorio, pasta.path(), som);
        tela->Me.Load();
    }
    int marcadas() const
    {
        return testbank::consulta(banco(), QStringLiteral("SELECT count(*) FROM questoes WHERE ja_foi='S'")).toInt();
    }

    QTemporaryDir pasta;
    platform::testing::ManualClock relogio;
    platform::Random aleatorio{relogio, 20240611};
    sound::testing::CueRecorder som;
    QStringList mensagens;
    int encerramentos = 0;
    std::unique_ptr<frmTolvane> tela;
};

} // namespace quiztest
