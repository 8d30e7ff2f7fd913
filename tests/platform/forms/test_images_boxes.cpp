// Images, picture boxes and stacking: the click spots and panels of the screens.
#include "FormsFixture.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"

using namespace platform::forms;
using formstest::FormsTest;

namespace {

QPixmap quadro(int largura, int altura, QColor cor)
{
    QPixmap p(largura, altura);
    p.fill(cor);
    return p;
}

} // namespace

// The lifeline spots have no picture until a button is pressed, yet the
// player must be able to click them; a disabled spot takes no click.
TEST_F(FormsTest, ImageSpotsWithoutPictureTakeClicksUnlessDisabled)
{
    Image spot(form);
    spot.Move(300, 300, 360, 360);
    int cliques = 0;
    spot.onClick = [&] { ++cliques; };

    clica(spot.widget()->geometry().center());
    EXPECT_EQ(cliques, 1);

    spot.setEnabled(false);
    clica(spot.widget()->geometry().center());
    EXPECT_EQ(cliques, 1);
}

// A picture copied into an image shows at the image's own Left/Top at its
// pixel size; the holder keeps its picture; clearing shows what lies under.
TEST_F(FormsTest, ImagesTakeThePictureSizeAndHoldersKeepTheirPicture)
{
    PictureBox holder(form);
    holder.setVisible(false);
    holder.setPicture(quadro(37, 43, Qt::red));

    Image spot(form);
    spot.Move(5490, 1200, 555, 525);
    spot.setPicture(holder.Picture());
    EXPECT_EQ(spot.Width(), 37 * 15);
    EXPECT_EQ(spot.Height(), 43 * 15);
    EXPECT_EQ(spot.Left(), 5490);
    EXPECT_EQ(spot.Top(), 1200);
    EXPECT_FALSE(holder.Picture().isNull());
    EXPECT_EQ(tela().pixelColor(spot.widget()->geometry().center()), QColor(Qt::red));

    form.setBackColor(platform::RGB(0, 255, 0));
    spot.setPicture(QPixmap());
    EXPECT_EQ(tela().pixelColor(spot.widget()->geometry().center()), QColor(0, 255, 0));
}

// A picture box shows its picture unscaled from the top-left of its inner
// area; auto-size adds the border; its children move and hide with it.
TEST_F(FormsTest, PictureBoxesShowTheirPictureAndCarryTheirChildren)
{
    PictureBox painel(form);
    painel.setBackColor(platform::RGB(0, 0, 255));
    painel.Move(1500, 1500, 1500, 1500);
    painel.setPicture(quadro(50, 50, Qt::red));
    const QImage imagem = tela();
    const QPoint canto = painel.widget()->geometry().topLeft();
    EXPECT_EQ(imagem.pixelColor(canto + QPoint(2, 2)), QColor(Qt::red));     // inside the border
    EXPECT_EQ(imagem.pixelColor(canto + QPoint(60, 60)), QColor(0, 0, 255)); // not stretched

    Label filho(painel);
    filho.Move(150, 150, 300, 300);
    const QPoint antes = filho.widget()->mapTo(form.widget(), QPoint(0, 0));
    painel.Move(3000, 600);
    const QPoint depois = filho.widget()->mapTo(form.widget(), QPoint(0, 0));
    EXPECT_EQ(depois - antes, QPoint(100, -60));
    EXPECT_EQ(filho.Left(), 150);

    painel.setVisible(false);
    EXPECT_FALSE(filho.widget()->isVisible());
    EXPECT_TRUE(filho.Visible()); // its own flag is untouched

    PictureBox fechar(form);
    fechar.setAutoSize(true);
    fechar.setBorderStyle(Border::none);
    fechar.setPicture(quadro(20, 21, Qt::red));
    EXPECT_EQ(fechar.Width(), 300);
    EXPECT_EQ(fechar.Height(), 315);
    fechar.setBorderStyle(Border::fixedSingle);
    EXPECT_EQ(fechar.Width(), 300 + 4 * 15);
    EXPECT_EQ(fechar.ScaleWidth(), 300);
}

// The results panel must cover the question texts even though the labels
// were created after it: windowless controls always lie below windowed ones.
TEST_F(FormsTest, WindowlessControlsLieBelowWindowedOnes)
{
    PictureBox painel(form);
    painel.Move(0, 0, 3000, 3000);
    Label depois(form);
    depois.Move(1500, 1500, 3000, 600);
    Image imagem(form);
    imagem.Move(1500, 1500, 600, 600);
    CommandButton botao(form);
    botao.Move(4500, 3000, 600, 600);

    const QPoint sobreposto(110, 110);
    EXPECT_EQ(form.widget()->childAt(sobreposto), painel.innerArea());

    // Within the windowless group the later control is in front; ZOrder moves it.
    EXPECT_EQ(form.widget()->childAt(QPoint(110, 110) + QPoint(0, 0)), painel.innerArea());
    painel.setVisible(false);
    EXPECT_EQ(form.widget()->childAt(sobreposto), imagem.widget());
    imagem.ZOrder(ZOrderPosition::back);
    EXPECT_EQ(form.widget()->childAt(sobreposto), depois.widget());
    stackFrontToBack({&imagem, &depois});
    EXPECT_EQ(form.widget()->childAt(sobreposto), imagem.widget());

    // Sending a windowed control to the back still keeps it above every label.
    painel.setVisible(true);
    painel.ZOrder(ZOrderPosition::back);
    EXPECT_EQ(form.widget()->childAt(sobreposto), painel.innerArea());
}

// An array addressed at an index it does not have is a programming error.
TEST_F(FormsTest, ControlArraysKeepTheirIndices)
{
    ControlArray<Label> notas;
    for (int k = 1; k <= 9; ++k)
        notas.Load(k, form).setCaption(QString::number(k));
    EXPECT_EQ(notas.LBound(), 1);
    EXPECT_EQ(notas.UBound(), 9);
    EXPECT_EQ(notas(7).Caption(), QStringLiteral("7"));
    EXPECT_THROW(notas(0), std::out_of_range);
}
