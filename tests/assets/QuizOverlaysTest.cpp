// Pictures the quiz screen copies over its background must fit it: the
// painted mascot and knobs lie under their click spots, and every patch
// matches the background wherever it does not deliberately differ.
#include "LoadPicture.h"
#include "tools/artgen/QuizLayout.h"

#include <QLineF>
#include <QList>
#include <gtest/gtest.h>

namespace {

// The quiz screen's places, in pixels, as the screen and the painter share them.
const QRect skipSpot = artgen::quiz::skipKnob;
const QRect helpSpot = artgen::quiz::helpKnob;
using artgen::quiz::balloonSpot;
using artgen::quiz::feedbackText;
using artgen::quiz::mascotSpot;
using artgen::quiz::soundSpot;

// The unlit knob's dim orange-brown, which nothing else in the picture uses.
bool isUnlitKnob(QRgb p)
{
    return qRed(p) >= 135 && qRed(p) <= 205 && qGreen(p) >= 65 && qGreen(p) <= 120 &&
           qBlue(p) >= 28 && qBlue(p) <= 70;
}

// The mascot's and its disc's strong orange.
bool isMascotOrange(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) > 70 && qGreen(p) < 220 && qBlue(p) < 70;
}

int countDifferences(const QImage& patch, const QImage& background, QPoint origin, const QRect& rows)
{
    int differences = 0;
    for (int y = rows.top(); y <= rows.bottom(); ++y)
        for (int x = rows.left(); x <= rows.right(); ++x)
            differences += patch.pixel(x, y) != background.pixel(origin + QPoint(x, y));
    return differences;
}

} // namespace

// The balloon patch is cut from the background: only the balloon itself differs.
TEST(QuizOverlays, BalloonPatchMatchesTheBackgroundOutsideTheBalloon)
{
    const QImage background = loadPicture("fundo.png");
    const QImage balloon = loadPicture("balao.png");
    const QRect bounds = artgen::quiz::balloonBounds.translated(-balloonSpot.topLeft());
    int inside = 0;
    for (int y = 0; y < balloon.height(); ++y) {
        for (int x = 0; x < balloon.width(); ++x) {
            const QRgb under = background.pixel(balloonSpot.topLeft() + QPoint(x, y));
            if (!bounds.contains(x, y))
                ASSERT_EQ(balloon.pixel(x, y), under) << "at " << x << "," << y << " of the patch";
            else
                inside += balloon.pixel(x, y) != under;
        }
    }
    EXPECT_GT(inside, bounds.width() * bounds.height() / 2) << "the balloon is painted";
}

// White text must be readable where labTexto writes its first lines.
TEST(QuizOverlays, BalloonIsDarkUnderTheFeedbackText)
{
    const QImage balloon = loadPicture("balao.png");
    const QRect lines = QRect(feedbackText.left(), feedbackText.top(), feedbackText.width(), 80)
                            .translated(-balloonSpot.topLeft());
    int dark = 0;
    for (int y = lines.top(); y <= lines.bottom(); ++y)
        for (int x = lines.left(); x <= lines.right(); ++x)
            dark += qGray(balloon.pixel(x, y)) < 80;
    EXPECT_GE(dark, lines.width() * lines.height() * 98 / 100);
}

// The painted knobs lie inside their spots, and the lit button is opaque over
// all of a knob, its dark rim included, so none of it shows round the edge.
TEST(QuizOverlays, LitButtonCoversThePaintedKnob)
{
    const QImage background = loadPicture("fundo.png");
    const QImage lit = loadPicture("botao-aceso.png");
    ASSERT_EQ(lit.size(), skipSpot.size());
    for (const QRect& knob : {skipSpot, helpSpot}) {
        QPointF sum;
        QList<QPoint> knobPixels;
        for (int y = knob.top(); y <= knob.bottom(); ++y) {
            for (int x = knob.left(); x <= knob.right(); ++x) {
                if (isUnlitKnob(background.pixel(x, y)))
                    knobPixels.append(QPoint(x, y) - knob.topLeft());
            }
        }
        ASSERT_GT(knobPixels.size(), 150) << "a knob is painted under the spot at " << knob.y();
        for (const QPoint& p : knobPixels)
            sum += p;
        const QPointF centre = sum / qreal(knobPixels.size());
        qreal reach = 0;
        for (const QPoint& p : knobPixels)
            reach = qMax(reach, QLineF(centre, p).length());
        reach += 1.5;  // the knob's rim and its soft edge
        for (int y = 0; y < lit.height(); ++y) {
            for (int x = 0; x < lit.width(); ++x) {
                if (QLineF(centre, QPointF(x, y)).length() <= reach) {
                    ASSERT_GE(qAlpha(lit.pixel(x, y)), 250) << "knob shows through at " << x << "," << y;
                }
            }
        }
    }
}

// Nothing of a painted knob spills out of its spot, where it would stay
// visible beside the lit button.
TEST(QuizOverlays, PaintedKnobsStayInsideTheirSpots)
{
    const QImage background = loadPicture("fundo.png");
    for (const QRect& knob : {skipSpot, helpSpot}) {
        const QRect around = knob.adjusted(-8, -8, 8, 8);
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                if (isUnlitKnob(background.pixel(x, y))) {
                    EXPECT_TRUE(knob.contains(x, y)) << "knob colour at " << x << "," << y;
                }
            }
        }
    }
}

// The resting mascot is painted exactly under its spot, where the poses replace it.
TEST(QuizOverlays, RestingMascotLiesUnderItsSpot)
{
    const QImage background = loadPicture("fundo.png");
    const QRect leftColumn(0, 200, 190, 170);
    QRect orange;
    for (int y = leftColumn.top(); y <= leftColumn.bottom(); ++y)
        for (int x = leftColumn.left(); x <= leftColumn.right(); ++x)
            if (isMascotOrange(background.pixel(x, y)))
                orange |= QRect(x, y, 1, 1);
    EXPECT_TRUE(mascotSpot.contains(orange)) << "orange at " << orange.x() << "," << orange.y()
                                             << " size " << orange.width() << "x" << orange.height();
    EXPECT_GT(orange.width(), 90);
    EXPECT_GT(orange.height(), 90);
}

// Each pose changes the face only: its edges and the strip the balloon patch
// covers show exactly the background, so pose and balloon join without a seam.
TEST(QuizOverlays, PosesDifferFromTheRestingMascotOnlyInTheFace)
{
    const QImage background = loadPicture("fundo.png");
    const int balloonOverlap = balloonSpot.bottom() - mascotSpot.top() + 1;
    for (const char* name : {"estrela-preparese.png", "estrela-parabens.png", "estrela-errou.png"}) {
        const QImage pose = loadPicture(QString::fromLatin1(name));
        ASSERT_EQ(pose.size(), mascotSpot.size()) << name;
        EXPECT_EQ(countDifferences(pose, background, mascotSpot.topLeft(),
                                   QRect(0, 0, pose.width(), balloonOverlap)), 0) << name;
        EXPECT_EQ(countDifferences(pose, background, mascotSpot.topLeft(),
                                   QRect(0, 0, 8, pose.height())), 0) << name << " left edge";
        EXPECT_EQ(countDifferences(pose, background, mascotSpot.topLeft(),
                                   QRect(pose.width() - 8, 0, 8, pose.height())), 0) << name << " right edge";
        EXPECT_GT(countDifferences(pose, background, mascotSpot.topLeft(), pose.rect()), 60)
            << name << " shows another face";
    }
    EXPECT_NE(loadPicture("estrela-parabens.png"), loadPicture("estrela-errou.png"));
    EXPECT_NE(loadPicture("estrela-parabens.png"), loadPicture("estrela-preparese.png"));
}

// "Sound on" is the painted speaker itself; "sound off" adds a red cross on it.
TEST(QuizOverlays, SpeakerPicturesMatchThePaintedSpeaker)
{
    const QImage background = loadPicture("fundo.png");
    const QImage on = loadPicture("som-on.png");
    const QImage off = loadPicture("som-off.png");
    const int rowsOnBackground = background.height() - soundSpot.top();
    const QRect visible(0, 0, on.width(), rowsOnBackground);
    EXPECT_EQ(countDifferences(on, background, soundSpot.topLeft(), visible), 0);
    EXPECT_GT(countDifferences(off, background, soundSpot.topLeft(), visible), 100);
    int red = 0;
    for (int y = 0; y < off.height(); ++y)
        for (int x = 0; x < off.width(); ++x)
            red += qRed(off.pixel(x, y)) > 190 && qGreen(off.pixel(x, y)) < 70 && qBlue(off.pixel(x, y)) < 70;
    EXPECT_GT(red, 60) << "a red cross";
    for (int x = 0; x < on.width(); ++x)
        EXPECT_EQ(on.pixel(x, on.height() - 1), qRgb(96, 103, 207)) << "below the picture's edge: plain field";
}
