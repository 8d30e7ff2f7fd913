// The opening screen: the hop of the title figure, the name box and the start
// of the exam, on the manual clock with a cue recorder.
#include "assets/Assets.h"
#include "exam/frmTolvane.h"
#include "opening/frmAbertura.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Program.h"
#include "platform/testing/ManualClock.h"
#include "tests/sound/CueRecorder.h"
#include "TestBank.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using sound::Cue;

namespace {

class Abertura : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        assets::inicializa();
        testbank::escreve(pasta.filePath(QStringLiteral("tolvane.mdb")), testbank::exemplos(12));
        platform::setEndProgramHandler([this](int) { encerrado = true; });
        platform::setMessageBoxHandler([this](const QString& texto) { mensagens << texto; });
        abertura = std::make_unique<frmAbertura>(relogio, som, [this]() -> frmTolvane* {
            tolvane = std::make_unique<frmTolvane>(relogio, aleatorio, pasta.path(), som);
            tolvane->Me.Show();
            return tolvane->bancoDados ? tolvane.get() : nullptr;
        });
        abertura->Me.Show();
    }
    void TearDown() override
    {
        platform::setMessageBoxHandler({});
        platform::setEndProgramHandler({});
    }

    // The frame picFigura shows now, 1..12, or 0 for none of them.
    int quadroMostrado() const
    {
        const QImage atual = abertura->picFigura.Picture().toImage();
        for (int k = 1; k <= 12; ++k)
            if (abertura->picAnima(k).Picture().toImage() == atual)
                return k;
        return 0;
    }

    void tecla(Qt::Key tecla, const QString& texto)
    {
        QKeyEvent evento(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(abertura->txtNome.widget(), &evento);
    }

    platform::testing::ManualClock relogio;
    platform::Random aleatorio{relogio, 7};
    sound::testing::CueRecorder som;
    QTemporaryDir pasta;
    std::unique_ptr<frmTolvane> tolvane;
    std::unique_ptr<frmAbertura> abertura;
    QStringList mensagens;
    bool encerrado = false;
};

} // namespace

TEST_F(Abertura, StartsWithFrameOneAnEmptyNameAndADisabledStartButton)
{
    EXPECT_EQ(quadroMostrado(), 1);
    EXPECT_EQ(abertura->picFigura.Width(), 588 * 15);
    EXPECT_EQ(abertura->picFigura.Height(), 182 * 15);
    EXPECT_FALSE(abertura->picAnima(1).Picture().isNull());
    EXPECT_TRUE(abertura->picAnima(0).Picture().isNull());
    EXPECT_TRUE(abertura->txtNome.Text().isEmpty());
    EXPECT_TRUE(abertura->comComecar.Visible());
    EXPECT_FALSE(abertura->comComecar.Enabled());
    EXPECT_FALSE(abertura->comSair.Visible());
    EXPECT_EQ(abertura->labEtiqueta(0).Caption(), QStringLiteral("Digite seu nome"));
    EXPECT_EQ(abertura->labEtiqueta(2).Caption(), QStringLiteral("Simuladão para prova de habilitação de Tolvane"));
}

// Activation starts the music and the hop; one cycle is frames 1..11, 11..1,
// then one tick at rest, and it repeats.
TEST_F(Abertura, AnimationRunsTheTwentyThreeTickCycle)
{
    EXPECT_EQ(som.calls, (std::vector<std::optional<Cue>>{Cue::Abertura}));
    std::vector<int> quadros;
    for (int tick = 0; tick < 25; ++tick) {
        relogio.advance(200);
        quadros.push_back(quadroMostrado());
    }
    const std::vector<int> esperado = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 11, 10, 9, 8, 7,
                                       6, 5, 4, 3, 2, 1, 1, 1, 2};
    EXPECT_EQ(quadros, esperado);
    // Each frame of the hop (1 to 11) is in its holder once it has been shown.
    for (int k = 1; k <= 11; ++k)
        EXPECT_FALSE(abertura->picAnima(k).Picture().isNull()) << k;
}

// Any change enables the button for good, even emptying the box again.
TEST_F(Abertura, AnyChangeOfTheNameEnablesTheStartButton)
{
    tecla(Qt::Key_A, QStringLiteral("a"));
    EXPECT_EQ(abertura->txtNome.Text(), QStringLiteral("a"));
    EXPECT_TRUE(abertura->comComecar.Enabled());
    abertura->txtNome.setText(QString());
    EXPECT_TRUE(abertura->comComecar.Enabled());
}

// Enter starts even with the button still disabled; the name is written as typed.
TEST_F(Abertura, EnterOnAnEmptyNameStartsTheExam)
{
    ASSERT_FALSE(abertura->comComecar.Enabled());
    tecla(Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_TRUE(tolvane);
    EXPECT_EQ(tolvane->labNome.Caption(), QStringLiteral("Jogador : "));
    EXPECT_FALSE(abertura->Me.Visible());
    EXPECT_FALSE(encerrado);
}

TEST_F(Abertura, SpacesAroundTheNameAreKept)
{
    abertura->txtNome.setText(QStringLiteral("  Ana Lúcia  "));
    abertura->comComecar_Click();
    ASSERT_TRUE(tolvane);
    EXPECT_EQ(tolvane->labNome.Caption(), QStringLiteral("Jogador :   Ana Lúcia  "));
}

// After the start the figure stops for good, and the click cue sounds.
TEST_F(Abertura, NoAnimationTickRunsAfterTheStart)
{
    relogio.advance(600);
    abertura->txtNome.setText(QStringLiteral("Bia"));
    abertura->comComecar_Click();
    const int quadro = quadroMostrado();
    const int passo = abertura->passo;
    relogio.advance(10000);
    EXPECT_EQ(quadroMostrado(), quadro);
    EXPECT_EQ(abertura->passo, passo);
    EXPECT_FALSE(abertura->tmrAnima.Enabled());
    EXPECT_FALSE(abertura->tmrSom.Enabled());
}

// The opening music at activation; the click of the start, cut off at once by
// the quiz screen's opening cue.
TEST_F(Abertura, CuesFollowTheStartOfTheExam)
{
    abertura->comComecar_Click();
    EXPECT_EQ(som.calls, (std::vector<std::optional<Cue>>{Cue::Abertura, Cue::Click, Cue::Abre}));
    using Corte = sound::testing::CueRecorder::CutOff;
    EXPECT_EQ(som.cutOffs, (std::vector<Corte>{{Cue::Abertura, Cue::Click}, {Cue::Click, Cue::Abre}}));
}

// Without a bank the opening screen works; starting reports the bank and ends.
TEST_F(Abertura, AMissingBankIsReportedWhenTheExamStarts)
{
    QFile::remove(pasta.filePath(QStringLiteral("tolvane.mdb")));
    relogio.advance(1000);
    EXPECT_EQ(quadroMostrado(), 5); // the screen works without a bank
    abertura->txtNome.setText(QStringLiteral("Caio"));
    abertura->comComecar_Click();
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_TRUE(mensagens.front().contains(QStringLiteral("não foi encontrado")));
    EXPECT_TRUE(encerrado);
    EXPECT_FALSE(QFile::exists(pasta.filePath(QStringLiteral("tolvane.mdb"))));
}

// The opening screen as the player first sees it, drawn to <build>/revisao
// (or $TOLVANE_REVISAO) for a person to look at: the title figure centred on
// the screen, the prompt, the name box and the start button.
TEST_F(Abertura, ReviewPictureShowsTheFigureCentredOnTheScreen)
{
    QWidget* janela = abertura->Me.widget();
    if (const QScreen* monitor = janela->screen())
        janela->resize(monitor->size());
    const QImage imagem = janela->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString saida = qEnvironmentVariable("TOLVANE_REVISAO", QStringLiteral(TOLVANE_REVISAO_PADRAO));
    QDir().mkpath(saida);
    ASSERT_TRUE(imagem.save(saida + QStringLiteral("/abertura.png")));

    const QRect figura(abertura->picFigura.widget()->mapTo(janela, QPoint(0, 0)), abertura->picFigura.widget()->size());
    EXPECT_NEAR(figura.center().x(), imagem.width() / 2, 1);
    EXPECT_NEAR(figura.center().y(), imagem.height() / 2, 1);
}
