// The embedded pictures exist under the names the screens use, at the sizes
// their controls are laid out for.
#include "LoadPicture.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* name;
    QSize size;
};

const Expected everyPicture[] = {
    {"fundo.png", {800, 520}},
    {"estrela-preparese.png", {137, 131}},
    {"estrela-parabens.png", {137, 131}},
    {"estrela-errou.png", {137, 131}},
    {"som-on.png", {37, 43}},
    {"som-off.png", {37, 43}},
    {"balao.png", {185, 148}},
    {"botao-aceso.png", {24, 24}},
    {"fechar.png", {20, 21}},
    {"painel-desempenho.png", {452, 406}},
    {"mao.png", {32, 32}},
    {"icone.png", {32, 32}},
    {"icone-256.png", {256, 256}},
};

bool isOpaque(QRgb pixel) { return qAlpha(pixel) > 128; }

// Centre of the mascot's bright orange in the strip above the banner's title.
double mascotCentreX(const QImage& frame)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb p = frame.pixel(x, y);
            if (qRed(p) > 230 && qGreen(p) > 120 && qBlue(p) < 90) {
                sum += x;
                ++count;
            }
        }
    }
    return count > 200 ? sum / count : -1;
}

} // namespace

// A wrong size would shift every painted element away from its click spot.
TEST(Pictures, EveryPictureHasItsExactSize)
{
    for (const Expected& expected : everyPicture) {
        const QImage picture = loadPicture(QString::fromLatin1(expected.name));
        ASSERT_FALSE(picture.isNull()) << expected.name;
        EXPECT_EQ(picture.size(), expected.size) << expected.name;
    }
    for (int frame = 1; frame <= 12; ++frame) {
        const QImage picture = loadOpeningFrame(frame);
        ASSERT_FALSE(picture.isNull()) << frame;
        EXPECT_EQ(picture.size(), QSize(588, 182)) << frame;
    }
    EXPECT_EQ(assets::quadroAbertura(7), QStringLiteral(":/imagens/abertura-07.png"));

    // The screens' pictures (not the pointer or the icon) have a twin painted
    // at twice the size, for large screens, and nothing else is embedded.
    int gemeas = 0;
    for (const QString& nome : QDir(QStringLiteral(":/imagens")).entryList()) {
        if (!nome.endsWith(QLatin1String("@2x.png")))
            continue;
        ++gemeas;
        const QImage simples = loadPicture(QString(nome).replace(QLatin1String("@2x"), QString()));
        ASSERT_FALSE(simples.isNull()) << nome.toStdString();
        EXPECT_EQ(loadPicture(nome).size(), simples.size() * 2) << nome.toStdString();
    }
    EXPECT_EQ(gemeas, int(std::size(everyPicture)) + 12 - 3); // all but mao, icone and icone-256
    EXPECT_EQ(QDir(QStringLiteral(":/imagens")).entryList().size(), std::size(everyPicture) + 12 + gemeas);
}

// Fields the screens' own colours must continue seamlessly.
TEST(Pictures, FieldsHaveTheScreensColours)
{
    EXPECT_EQ(loadPicture("fundo.png").pixel(2, 2), qRgb(96, 103, 207));
    EXPECT_EQ(loadPicture("fundo.png").pixel(490, 300), qRgb(255, 255, 255)) << "question panel";
    const QImage panel = loadPicture("painel-desempenho.png");
    for (int y = 0; y < panel.height(); ++y)
        for (int x = 0; x < panel.width(); ++x)
            ASSERT_EQ(panel.pixel(x, y), qRgb(96, 96, 207)) << x << "," << y;
    const QImage close = loadPicture("fechar.png");
    EXPECT_EQ(close.pixel(0, 0), qRgb(96, 96, 207)) << "the close mark sits on the panel's fill";
    EXPECT_EQ(close.pixel(19, 20), qRgb(96, 96, 207));
    for (int frame = 1; frame <= 12; ++frame)
        EXPECT_EQ(loadOpeningFrame(frame).pixel(587, 0), qRgb(102, 102, 204)) << frame;
}

// The small icon is a classic 16-colour picture; its corners stay transparent.
TEST(Pictures, IconHasAtMostSixteenColours)
{
    const QImage icon = loadPicture("icone.png");
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GE(colours.size(), 6) << "a boat, not a blot";
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    int red = 0;
    for (QRgb c : colours)
        red += qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
    EXPECT_GE(red, 1) << "the motorboat is red";
}

// The pointer clicks where its finger points.
TEST(Pictures, HandPointerHotSpotIsTheFingertip)
{
    const QImage hand = loadPicture("mao.png");
    const QPoint tip = assets::maoPontoQuente();
    ASSERT_TRUE(hand.rect().contains(tip));
    EXPECT_GT(qAlpha(hand.pixel(tip)), 0) << "the hot spot lies on the hand";
    int topRow = -1;
    for (int y = 0; y < hand.height() && topRow < 0; ++y)
        for (int x = 0; x < hand.width(); ++x)
            if (isOpaque(hand.pixel(x, y)))
                topRow = y;
    EXPECT_LE(qAbs(topRow - tip.y()), 1) << "nothing of the hand reaches above the fingertip";
    const QRgb inside = hand.pixel(tip + QPoint(0, 4));
    EXPECT_TRUE(isOpaque(inside) && qGray(inside) > 200) << "a white finger below the tip";
}

// Frames 1 to 12 carry the mascot from the left end of the banner to the right end.
TEST(Pictures, OpeningFramesMoveTheMascotRightwards)
{
    double previous = -1;
    for (int frame = 1; frame <= 12; ++frame) {
        const double x = mascotCentreX(loadOpeningFrame(frame));
        ASSERT_GT(x, 0) << "mascot missing in frame " << frame;
        EXPECT_GT(x, previous) << "frame " << frame;
        previous = x;
    }
    EXPECT_LT(mascotCentreX(loadOpeningFrame(1)), 100);
    EXPECT_GT(mascotCentreX(loadOpeningFrame(12)), 400);
}
