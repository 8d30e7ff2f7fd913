// The life of forms as the screens rely on it: load, activation, unload and
// destruction, keys, a disabled form, a second window over the first.
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/Timer.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormHolder.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TextBox.h"
#include "platform/testing/ManualClock.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform::forms;

namespace {

// A small screen: a window with a button, a picture box and a name box.
struct Tela {
    Form Me;
    CommandButton comOk{Me};
    PictureBox picImagem{Me};
    TextBox txtNome{Me};
    std::vector<std::string> eventos;

    Tela()
    {
        Me.onInitialize = [this] { eventos.push_back("Initialize"); };
        Me.onLoad = [this] { eventos.push_back("Load"); };
        Me.onActivate = [this] { eventos.push_back("Activate"); };
        Me.onUnload = [this](int&) { eventos.push_back("Unload"); };
        comOk.Move(120, 120, 1500, 375);
        comOk.setCaption(QStringLiteral("&Começar"));
        comOk.onClick = [this] { eventos.push_back("Click"); };
        picImagem.Move(120, 1200, 3000, 3000);
        txtNome.Move(120, 4500, 3000, 375);
    }
};

void tecla(QWidget* alvo, Qt::Key key, const QString& texto, Qt::KeyboardModifiers mods = {})
{
    QKeyEvent evento(QEvent::KeyPress, key, mods, texto);
    QApplication::sendEvent(alvo, &evento);
}

class FormLife : public ::testing::Test {
protected:
    void TearDown() override
    {
        platform::setMessageBoxHandler({});
        QCoreApplication::sendPostedEvents(); // forms unloaded by a test are destroyed here
    }
};

} // namespace

// Show loads once (after Initialize), and makes the form the active one;
// unloading hides it, and its holder destroys it once back in the event loop;
// referring to it again builds a fresh form.
TEST_F(FormLife, FormsLoadOnceAndAreDestroyedAfterUnloadingThenBuiltAfresh)
{
    int construidas = 0;
    FormHolder<Tela> tela([&] { ++construidas; return std::make_unique<Tela>(); });
    EXPECT_FALSE(tela.Loaded());
    tela().Me.Show();
    tela().Me.Show();
    EXPECT_EQ(tela().eventos, (std::vector<std::string>{"Initialize", "Load", "Activate"}));
    EXPECT_TRUE(tela.Loaded());
    EXPECT_EQ(Form::active(), &tela().Me);

    QPointer<QWidget> janela = tela().Me.widget();
    tela().Me.Unload();
    EXPECT_FALSE(tela.Loaded());
    EXPECT_EQ(Form::active(), nullptr);
    ASSERT_TRUE(janela); // not yet: the unload may have come from the form's own handler
    EXPECT_FALSE(janela->isVisible());
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(janela);

    tela().Me.Show();
    EXPECT_EQ(construidas, 2);
    EXPECT_EQ(tela().eventos, (std::vector<std::string>{"Initialize", "Load", "Activate"}));
}

// A form that unloads itself from a timer tick behind its own message box is
// destroyed only once the box has closed, so the handler that opened the box
// comes back to a live form.
TEST_F(FormLife, AFormUnloadedBehindItsOwnMessageBoxOutlivesTheBox)
{
    platform::testing::ManualClock relogio;
    platform::Timer tmrFecha(relogio);
    FormHolder<Tela> tela([] { return std::make_unique<Tela>(); });
    tmrFecha.setInterval(1000);
    tmrFecha.onTimer = [&] { tela().Me.Unload(); };

    bool vivaDepoisDaCaixa = false;
    tela().Me.onActivate = [&] {
        QPointer<QWidget> janela = tela().Me.widget();
        tmrFecha.setEnabled(true);
        platform::MsgBox(QStringLiteral("Para retornar, pressione ESC"));
        vivaDepoisDaCaixa = !janela.isNull();
    };
    platform::setMessageBoxHandler([&](const QString&) {
        relogio.advance(1500); // the tick arrives while the box is open
        QCoreApplication::sendPostedEvents();
    });
    tela().Me.Show();
    EXPECT_TRUE(vivaDepoisDaCaixa);
    EXPECT_FALSE(tela.Loaded());
}

// Activation comes when the active form changes between the program's own
// forms; a message box, or another program, taking the focus and giving it
// back is no activation (the picture viewer shows a box at every activation).
TEST_F(FormLife, ActivationComesOnlyWhenTheProgramsActiveFormChanges)
{
    Tela quiz, viewer;
    int ativacoes = 0;
    viewer.Me.onActivate = [&] { ++ativacoes; };
    quiz.Me.Show();
    viewer.Me.Show();
    EXPECT_EQ(ativacoes, 1);
    EXPECT_TRUE(viewer.Me.Visible());
    EXPECT_TRUE(quiz.Me.Visible()); // modeless: the first window stays

    QWidget caixa; // a message box or another program's window
    caixa.show();
    QApplication::setActiveWindow(&caixa);
    QApplication::setActiveWindow(viewer.Me.widget());
    EXPECT_EQ(ativacoes, 1);

    QApplication::setActiveWindow(quiz.Me.widget());
    QApplication::setActiveWindow(viewer.Me.widget());
    EXPECT_EQ(ativacoes, 2);
}

// With KeyPreview the form sees Esc before the control with the focus; a key
// code set to 0 goes no further.
TEST_F(FormLife, KeyPreviewShowsKeysToTheFormFirst)
{
    Tela tela;
    std::vector<std::string> vistos;
    tela.Me.KeyPreview = true;
    tela.Me.onKeyDown = [&](int& code, int) {
        vistos.push_back("form down " + std::to_string(code));
        if (code == 'X')
            code = 0;
    };
    tela.Me.onKeyPress = [&](int& ascii) { vistos.push_back("form press " + std::to_string(ascii)); };
    tela.picImagem.onKeyPress = [&](int& ascii) { vistos.push_back("box press " + std::to_string(ascii)); };
    tela.Me.Show();
    tecla(tela.picImagem.widget(), Qt::Key_Escape, QString());
    tecla(tela.picImagem.widget(), Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(vistos, (std::vector<std::string>{"form down 27", "form press 27", "box press 27", "form down 88"}));
}

// The access key of a disabled or hidden button does nothing, and never
// types its letter into the name box.
TEST_F(FormLife, AccessKeysOfDisabledOrHiddenButtonsDoNothing)
{
    Tela tela;
    tela.Me.Show();
    QApplication::setActiveWindow(tela.Me.widget());
    tela.txtNome.SetFocus();
    tela.comOk.setEnabled(false);
    QTest::keyClick(tela.txtNome.widget(), Qt::Key_C, Qt::AltModifier);
    tela.comOk.setVisible(false);
    QTest::keyClick(tela.txtNome.widget(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(tela.txtNome.Text().isEmpty());
    EXPECT_EQ(std::count(tela.eventos.begin(), tela.eventos.end(), "Click"), 0);
}

// A disabled form takes no click, yet its controls keep their look.
TEST_F(FormLife, ADisabledFormRefusesInputWithoutGreyingItsControls)
{
    Tela tela;
    tela.comOk.setCaption(QStringLiteral("&Ver imagem"));
    tela.Me.Show();
    const QImage antes = tela.Me.widget()->grab().toImage();
    tela.Me.setEnabled(false);
    EXPECT_EQ(tela.Me.widget()->grab().toImage(), antes);
    QTest::mouseClick(tela.comOk.widget(), Qt::LeftButton);
    EXPECT_EQ(std::count(tela.eventos.begin(), tela.eventos.end(), "Click"), 0);
    tela.Me.setEnabled(true);
    QTest::mouseClick(tela.comOk.widget(), Qt::LeftButton);
    EXPECT_EQ(std::count(tela.eventos.begin(), tela.eventos.end(), "Click"), 1);
}

// One handler serves every element of an array, loaded before or after it was set.
TEST_F(FormLife, ControlArrayEventsReachOneHandlerWithTheIndex)
{
    Tela tela;
    ControlArray<Label> labResposta;
    labResposta.Load(0, tela.Me).Move(0, 0, 1500, 300);
    std::vector<int> cliques, movimentos;
    labResposta.onClick = [&](int Index) { cliques.push_back(Index); };
    labResposta.onMouseMove = [&](int Index, int, int, float, float) { movimentos.push_back(Index); };
    labResposta.Load(3, tela.Me).Move(0, 600, 1500, 300);
    tela.Me.Show();
    QTest::mouseClick(labResposta(3).widget(), Qt::LeftButton);
    QTest::mouseClick(labResposta(0).widget(), Qt::LeftButton);
    QTest::mouseMove(labResposta(3).widget(), QPoint(5, 5));
    EXPECT_EQ(cliques, (std::vector<int>{3, 0}));
    ASSERT_FALSE(movimentos.empty());
    EXPECT_EQ(movimentos.back(), 3);
}

// The picture viewer's window: maximised over the screen on the white window
// background, its picture box at the top left.
TEST_F(FormLife, AFormOpensMaximisedOnWhite)
{
    Tela tela;
    tela.Me.setBackColor(platform::systemWindowBackground);
    tela.Me.Show();
    const QRect livre = tela.Me.widget()->screen()->availableGeometry();
    EXPECT_EQ(tela.Me.ScaleWidth(), livre.width() * 15);
    EXPECT_EQ(tela.Me.ScaleHeight(), livre.height() * 15);
    const QImage imagem = tela.Me.widget()->grab().toImage();
    EXPECT_EQ(imagem.pixelColor(imagem.width() - 5, imagem.height() - 5), QColor(Qt::white));
}

// A name pasted or set with line breaks and tabs stays on one line.
TEST_F(FormLife, TheNameBoxKeepsOneLine)
{
    Tela tela;
    tela.Me.Show();
    tela.txtNome.setText(QStringLiteral("Ana\r\nMaria\tSilva"));
    EXPECT_EQ(tela.txtNome.Text(), QStringLiteral("Ana Maria Silva"));
    QGuiApplication::clipboard()->setText(QStringLiteral("Jo\nsé"));
    tela.txtNome.setText(QString());
    static_cast<QLineEdit*>(tela.txtNome.widget())->paste();
    EXPECT_EQ(tela.txtNome.Text(), QStringLiteral("Jo sé"));
}
