// Labels: what the player reads on the screens.
#include "FormsFixture.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"

#include <QPainter>

using namespace platform::forms;
using formstest::FormsTest;

namespace {

int pixelsDaCor(const QImage& imagem, QColor cor, QRect onde)
{
    int n = 0;
    for (int y = onde.top(); y <= onde.bottom(); ++y)
        for (int x = onde.left(); x <= onde.right(); ++x)
            n += imagem.pixelColor(x, y) == cor;
    return n;
}

// Counts the paint events a widget receives.
class ContaPinturas : public QObject {
public:
    int pinturas = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        pinturas += e->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

// A timer display shrinks from "60 seg." to "9 seg." and a name line grows
// with the player's name; both stay anchored where the layout put them.
TEST_F(FormsTest, AutoSizeLabelsFollowTheirTextAndKeepLeftAndTop)
{
    Label label(form);
    label.Move(3240, 1350, 720, 300);
    label.setFont({QStringLiteral("Comic Sans MS"), 11.25});
    label.setCaption(QStringLiteral("60 seg."));
    label.setAutoSize(true);
    const int larguraLonga = label.Width();

    label.setCaption(QStringLiteral("9 seg."));
    EXPECT_LT(label.Width(), larguraLonga);
    EXPECT_EQ(label.Left(), 3240);
    EXPECT_EQ(label.Top(), 1350);

    label.setCaption(QStringLiteral("Jogador : Maria da Conceição Albuquerque"));
    EXPECT_GT(label.Width(), larguraLonga * 3);
    EXPECT_EQ(label.Left(), 3240);
    EXPECT_EQ(label.Top(), 1350);
    // One line, however long.
    EXPECT_EQ(label.Height(), 15 * QFontMetrics(label.widget()->font()).height());

    // Setting a size by hand does not undo the fit.
    label.setWidth(100);
    EXPECT_GT(label.Width(), larguraLonga * 3);
}

// A long question wraps inside its label and what does not fit is cut off:
// nothing is drawn outside the label's box.
TEST_F(FormsTest, FixedSizeLabelsWrapAndClipInsideTheirBox)
{
    form.setBackColor(platform::RGB(255, 255, 255));
    Label label(form);
    label.setBackStyle(Background::transparent);
    label.Move(300, 300, 3000, 600); // 200 x 40 pixels
    label.setCaption(QString(QStringLiteral("palavra ")).repeated(60) + QStringLiteral("Supercalifragilisticoexpialidoso"));

    const QImage imagem = tela();
    const QRect caixa = label.widget()->geometry();
    const QColor preto(0, 0, 0);
    QRect fora = imagem.rect();
    EXPECT_EQ(pixelsDaCor(imagem, preto, QRect(0, caixa.bottom() + 1, imagem.width(), 100)), 0);
    EXPECT_EQ(pixelsDaCor(imagem, preto, QRect(caixa.right() + 1, 0, 100, fora.height())), 0);
    // Wrapped: the second line of the box holds text too.
    const int meio = caixa.top() + caixa.height() * 3 / 4;
    EXPECT_GT(pixelsDaCor(imagem, preto, QRect(caixa.left(), meio, caixa.width(), caixa.bottom() - meio)), 0);
}

// A disabled answer is greyed and deaf: no click and no mouse move reach it,
// and the move goes to what lies under it instead.
TEST_F(FormsTest, DisabledLabelsAreGreyedAndIgnoreTheMouse)
{
    form.setBackColor(platform::RGB(255, 255, 255));
    PictureBox base(form);
    base.setBorderStyle(Border::none);
    base.setBackColor(platform::RGB(255, 255, 255));
    base.Move(0, 0, 6000, 4500);
    Label label(base);
    label.setBackStyle(Background::transparent);
    label.setFont({QStringLiteral("Comic Sans MS"), 12});
    label.Move(600, 600, 3000, 600);
    label.setCaption(QStringLiteral("a) Manter a boreste"));

    int cliques = 0, movimentos = 0, movimentosBase = 0;
    label.onClick = [&] { ++cliques; };
    label.onMouseMove = [&](int, int, float, float) { ++movimentos; };
    base.onMouseMove = [&](int, int, float, float) { ++movimentosBase; };

    const QPoint sobre = label.widget()->geometry().center();
    move(sobre);
    clica(sobre);
    EXPECT_EQ(cliques, 1);
    EXPECT_GE(movimentos, 1);
    EXPECT_EQ(movimentosBase, 0);

    label.setEnabled(false);
    cliques = movimentos = 0;
    move(sobre + QPoint(3, 1));
    clica(sobre + QPoint(3, 1));
    EXPECT_EQ(cliques, 0);
    EXPECT_EQ(movimentos, 0);
    EXPECT_GE(movimentosBase, 1);

    const QImage imagem = tela();
    const QRect caixa = label.widget()->geometry();
    EXPECT_EQ(pixelsDaCor(imagem, QColor(0, 0, 0), caixa), 0);
    EXPECT_GT(pixelsDaCor(imagem, QColor(0x80, 0x80, 0x80), caixa), 0);
}

// Hover and blinking write the same colour again and again; only a real
// change may repaint.
TEST_F(FormsTest, WritingTheSameColourDoesNotRepaint)
{
    Label label(form);
    label.Move(0, 0, 3000, 600);
    label.setCaption(QStringLiteral("b) Reduzir a marcha"));
    ContaPinturas contador;
    label.widget()->installEventFilter(&contador);
    QCoreApplication::processEvents();
    contador.pinturas = 0;

    label.setForeColor(label.ForeColor());
    QCoreApplication::processEvents();
    EXPECT_EQ(contador.pinturas, 0);

    label.setForeColor(0xFF0000);
    QCoreApplication::processEvents();
    EXPECT_GT(contador.pinturas, 0);
}

// System colours follow the classic scheme; 0xFF0000 is blue.
TEST_F(FormsTest, LabelTextUsesClassicColourValues)
{
    form.setBackColor(platform::RGB(255, 255, 255));
    Label label(form);
    label.setBackStyle(Background::transparent);
    label.setFont({QStringLiteral("Comic Sans MS"), 20});
    label.Move(0, 0, 6000, 900);
    label.setCaption(QStringLiteral("MMMMMMMM"));
    label.setForeColor(0xFF0000);
    EXPECT_GT(pixelsDaCor(tela(), QColor(0, 0, 255), label.widget()->geometry()), 20);
    label.setForeColor(platform::systemHighlightText);
    form.setBackColor(platform::RGB(0, 0, 0));
    EXPECT_GT(pixelsDaCor(tela(), QColor(255, 255, 255), label.widget()->geometry()), 20);
}
