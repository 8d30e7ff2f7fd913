// Mouse and keyboard input as the screens receive it.
#include "FormsFixture.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Image.h"
#include "platform/forms/PictureBox.h"
#include "platform/Program.h"
#include "platform/forms/TextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <vector>

using namespace platform::forms;
using formstest::FormsTest;

// The picture viewer drags with the left button and the hover effects read
// positions: buttons, keys and the position in twips of the inner area.
TEST_F(FormsTest, MouseEventsReportButtonsShiftAndTwips)
{
    PictureBox caixa(form);
    caixa.Move(1500, 1500, 3000, 3000); // sunken border of 2 pixels
    struct Evento { char tipo; int botao, shift; float x, y; };
    std::vector<Evento> eventos;
    caixa.onMouseDown = [&](int b, int s, float x, float y) { eventos.push_back({'D', b, s, x, y}); };
    caixa.onMouseUp = [&](int b, int s, float x, float y) { eventos.push_back({'U', b, s, x, y}); };
    caixa.onClick = [&] { eventos.push_back({'C', 0, 0, 0, 0}); };
    caixa.onMouseMove = [&](int b, int s, float x, float y) { eventos.push_back({'M', b, s, x, y}); };

    const QPoint ponto(100 + 2 + 10, 100 + 2 + 20); // 10, 20 pixels inside the inner area
    QTest::mousePress(janela(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, ponto);
    QTest::mouseRelease(janela(), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, ponto);
    clica(ponto, Qt::AltModifier);

    std::vector<Evento> semMovimento;
    for (const Evento& e : eventos)
        if (e.tipo != 'M')
            semMovimento.push_back(e);
    ASSERT_EQ(semMovimento.size(), 5u);
    EXPECT_EQ(semMovimento[0].tipo, 'D');
    EXPECT_EQ(semMovimento[0].botao, 2);
    EXPECT_EQ(semMovimento[0].shift, 3);
    EXPECT_FLOAT_EQ(semMovimento[0].x, 150.0f);
    EXPECT_FLOAT_EQ(semMovimento[0].y, 300.0f);
    EXPECT_EQ(semMovimento[1].tipo, 'U'); // a right click is no Click
    EXPECT_EQ(semMovimento[2].tipo, 'D');
    EXPECT_EQ(semMovimento[2].botao, 1);
    EXPECT_EQ(semMovimento[2].shift, 4);
    EXPECT_EQ(semMovimento[3].tipo, 'U');
    EXPECT_EQ(semMovimento[4].tipo, 'C');

    // A move with the left button held reports it.
    eventos.clear();
    QTest::mousePress(janela(), Qt::LeftButton, {}, ponto);
    QTest::mouseMove(janela(), ponto + QPoint(4, 0));
    QTest::mouseRelease(janela(), Qt::LeftButton, {}, ponto + QPoint(4, 0));
    bool arrastou = false;
    for (const Evento& e : eventos)
        arrastou |= e.tipo == 'M' && e.botao == 1 && e.x == 14 * 15.0f;
    EXPECT_TRUE(arrastou);
}

// A control's own handler sees the move; its container does not.
TEST_F(FormsTest, MovesOverAControlDoNotReachItsContainer)
{
    PictureBox base(form);
    base.setBorderStyle(Border::none);
    base.Move(0, 0, 6000, 4500);
    Image spot(base);
    spot.Move(1500, 1500, 600, 600);
    int base_ = 0, spot_ = 0;
    base.onMouseMove = [&](int, int, float, float) { ++base_; };
    spot.onMouseMove = [&](int, int, float, float) { ++spot_; };
    move(QPoint(110, 110));
    EXPECT_GT(spot_, 0);
    EXPECT_EQ(base_, 0);
    move(QPoint(300, 250));
    EXPECT_GT(base_, 0);
}

// The name box sees each character with its code and may change or drop it;
// Change follows every change of the text.
TEST_F(FormsTest, TextBoxesRaiseKeyPressWithTheCharacterCodeAndChange)
{
    TextBox nome(form);
    nome.Move(300, 300, 3000, 375);
    std::vector<int> codigos;
    int mudancas = 0;
    nome.onChange = [&] { ++mudancas; };
    nome.onKeyPress = [&](int& keyAscii) {
        codigos.push_back(keyAscii);
        if (keyAscii == '#')
            keyAscii = 0;
        else if (keyAscii == u'ç')
            keyAscii = u'Ç';
    };
    nome.widget()->setFocus();
    for (const QChar c : QStringLiteral("Jo#ç")) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(nome.widget(), &tecla);
    }
    QTest::keyClick(nome.widget(), Qt::Key_Return);
    EXPECT_EQ(nome.Text(), QStringLiteral("JoÇ"));
    EXPECT_EQ(codigos, (std::vector<int>{'J', 'o', '#', u'ç', 13}));
    EXPECT_EQ(mudancas, 3);

    nome.setText(QStringLiteral("Ana"));
    EXPECT_EQ(mudancas, 4);
}

// "&Ver imagem": the caption shows "Ver imagem" with V as its access key.
TEST_F(FormsTest, CommandButtonsPressOnClickAndOnTheirAccessKey)
{
    CommandButton botao(form);
    botao.Move(120, 120, 1575, 375);
    botao.setCaption(QStringLiteral("&Ver imagem"));
    int cliques = 0;
    botao.onClick = [&] { ++cliques; };
    clica(botao.widget()->geometry().center());
    EXPECT_EQ(cliques, 1);

    form.widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.widget()));
    QTest::keyClick(janela(), Qt::Key_V, Qt::AltModifier);
    // Qt shows the press for a moment before the button reports the click.
    EXPECT_TRUE(QTest::qWaitFor([&] { return cliques == 2; }, 2000));
}

// Closing a window runs its Unload once; after the program has ended no
// handler runs at all.
TEST_F(FormsTest, FormsUnloadOnceAndStaySilentAfterTheEnd)
{
    int descargas = 0, fins = 0;
    form.onUnload = [&](int&) { ++descargas; };
    form.widget()->close();
    form.Unload();
    EXPECT_EQ(descargas, 1);
    EXPECT_FALSE(form.Loaded());

    platform::setEndProgramHandler([&](int) { ++fins; });
    Form outro;
    outro.Load();
    outro.onUnload = [&](int&) { ++descargas; };
    platform::endProgram();
    platform::endProgram();
    outro.Unload();
    EXPECT_EQ(fins, 1);
    EXPECT_EQ(descargas, 1);
    platform::setEndProgramHandler({});
}
