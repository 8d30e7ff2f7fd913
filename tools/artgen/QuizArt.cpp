#include "QuizArt.h"

#include "Mascot.h"
#include "Palette.h"
#include "Escala.h"
#include "QuizLayout.h"
#include "Shapes.h"
#include "Symbols.h"

#include <QPainter>

namespace artgen {

namespace {

using namespace quiz;

const QString bannerTitle = QStringLiteral("Simuladão Tolvane");

// The resting mascot and its disc; the poses repaint the star with another face.
constexpr QPointF discCentre{72, 298};
constexpr qreal discRadius = 52;
constexpr QPointF starCentre{72, 300};
constexpr qreal starRadius = 56;

// Symbols of the bottom row, inside their click spots.
constexpr QRectF speakerBox{374, 487, 26, 26};
constexpr QRectF endGameCross{519, 490, 20, 20};
constexpr QRectF exitBar{604, 490, 22, 20};
constexpr qreal bottomRowBaseline = 505;

constexpr qreal knobRadius = 9.5;

// The canvas runs a little below the background, so pictures that hang over
// its lower edge (the speaker is 43 pixels tall) are cut from plain field.
constexpr QSize canvasSize{backgroundSize.width(), backgroundSize.height() + 24};

void paintFaintClouds(QPainter& painter)
{
    const QRectF clouds[] = {
        {4, 34, 112, 60}, {96, 84, 92, 50}, {116, 214, 74, 42},
        {134, 302, 54, 32}, {2, 428, 96, 50}, {110, 438, 78, 40},
    };
    painter.save();
    QColor fill = palette::cloudOutline;
    fill.setAlpha(28);
    painter.setBrush(fill);
    painter.setPen(QPen(palette::cloudOutline, 2));
    for (const QRectF& box : clouds)
        painter.drawPath(roundCloud(box));
    painter.restore();
}

void paintQuestionPanel(QPainter& painter)
{
    const QRectF panel = QRectF(questionPanel).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::shadow);
    painter.drawRoundedRect(panel.translated(4, 5), 18, 18);
    painter.setBrush(palette::paper);
    painter.setPen(QPen(palette::bannerRim, 1.5));
    painter.drawRoundedRect(panel, 18, 18);

    // Faint rules between the question and each answer.
    painter.setPen(QPen(palette::paperRule, 1.5, Qt::SolidLine, Qt::RoundCap));
    const qreal left = questionPanel.left() + 14;
    const qreal right = questionPanel.right() - 14;
    for (const QRect& answer : answerTexts) {
        const qreal y = answer.top() - 4.5;
        painter.drawLine(QPointF(left, y), QPointF(right, y));
    }
    painter.restore();
}

// A darker rounded plate that keeps white counters readable.
void paintPlate(QPainter& painter, const QRectF& box)
{
    painter.save();
    QColor fill = palette::plate;
    fill.setAlpha(150);
    painter.setBrush(fill);
    QColor rim = palette::plateRim;
    rim.setAlpha(120);
    painter.setPen(QPen(rim, 1));
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    painter.restore();
}

void paintCaption(QPainter& painter, const QString& text, QPointF baseline, int pixelSize, bool alignRight = false)
{
    QPainterPath path = textPath(text, pixelSize, true);
    const qreal shift = alignRight ? -path.boundingRect().right() : 0;
    path.translate(baseline.x() + shift, baseline.y());
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(path.translated(1, 1.2));
    painter.setBrush(palette::paper);
    painter.drawPath(path);
    painter.restore();
}

void paintLifeline(QPainter& painter, const QRect& knobSpot, const QString& caption)
{
    const QPointF centre = QRectF(knobSpot).center();
    const QRectF bar(centre.x() - 6, centre.y() - 13, 128, 26);
    painter.save();
    painter.setPen(QPen(palette::plateRim, 1.5));
    painter.setBrush(palette::plate);
    painter.drawRoundedRect(bar, 13, 13);
    painter.restore();
    paintCaption(painter, caption, QPointF(bar.left() + 22, centre.y() + 5), 14);
    paintKnob(painter, centre, knobRadius, false);
}

void paintBottomRow(QPainter& painter)
{
    paintPlate(painter, QRectF(80, 485, 196, 30));   // "Tempo restante :" and the seconds
    paintPlate(painter, QRectF(654, 477, 96, 40));    // the lifeline counters

    paintCaption(painter, QStringLiteral("Som"), QPointF(speakerBox.left() - 5, bottomRowBaseline), 16, true);
    paintSpeaker(painter, speakerBox);
    paintCaption(painter, QStringLiteral("Encerrar Jogo"), QPointF(endGameCross.left() - 6, bottomRowBaseline), 16, true);
    paintCross(painter, endGameCross);
    paintCaption(painter, QStringLiteral("Sair"), QPointF(exitBar.left() - 6, bottomRowBaseline), 16, true);
    paintBar(painter, exitBar);
}

// Everything of the background except the resting mascot's star.
QImage paintScenery()
{
    QImage canvas = novaImagem(canvasSize, QImage::Format_RGB32);
    canvas.fill(palette::quizField);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFaintClouds(painter);
    paintCloudBanner(painter, quizBanner, 1);
    paintTitle(painter, bannerTitle, quizTitle);
    paintQuestionPanel(painter);
    paintMascotDisc(painter, discCentre, discRadius);
    paintLifeline(painter, skipKnob, QStringLiteral("Pular Questão"));
    paintLifeline(painter, helpKnob, QStringLiteral("Pedir Ajuda"));
    paintBottomRow(painter);
    return canvas;
}

QImage withMascot(const QImage& scenery, Face face)
{
    QImage canvas = scenery;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    paintMascot(painter, {starCentre, starRadius, 1.0, 0.0, face});
    return canvas;
}

QImage paintBalloon(const QImage& canvas)
{
    QImage patch = recorte(canvas, balloonSpot);
    QPainter painter(&patch);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-balloonSpot.topLeft());
    painter.setClipRect(balloonBounds);

    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(9, 119, 171, 104), 24, 24);
    QPainterPath tail;
    tail.moveTo(52, 212);
    tail.quadTo(62, 224, 70, 237);
    tail.quadTo(78, 222, 92, 214);
    tail.closeSubpath();
    balloon = balloon.united(tail);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::shadow);
    painter.drawPath(balloon.translated(3, 3));
    painter.setBrush(palette::plate);
    painter.setPen(QPen(palette::plateRim, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(balloon);
    return patch;
}

QImage paintLitKnob()
{
    QImage knob = novaImagem(skipKnob.size(), QImage::Format_ARGB32);
    knob.fill(Qt::transparent);
    QPainter painter(&knob);
    painter.setRenderHint(QPainter::Antialiasing);
    // A little larger than the painted knob, so none of its rim shows around it.
    paintKnob(painter, QRectF(QPointF(0, 0), QSizeF(skipKnob.size())).center(), 11.5, true);
    return knob;
}

QImage paintCloseMark()
{
    QImage mark = novaImagem(closeMarkSize, QImage::Format_RGB32);
    mark.fill(palette::resultsPanel);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCross(painter, QRectF(1, 1.5, 18, 18));
    return mark;
}

QImage paintSoundOff(const QImage& canvas)
{
    QImage patch = recorte(canvas, QRect(soundSpot.topLeft(), soundPictureSize));
    QPainter painter(&patch);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-soundSpot.topLeft());
    paintCross(painter, speakerBox.adjusted(-2, -2, 2, 2), true);
    return patch;
}

} // namespace

QuizPictures paintQuizPictures()
{
    const QImage scenery = paintScenery();
    const QImage canvas = withMascot(scenery, Face::Smile);

    QuizPictures pictures;
    pictures.background = recorte(canvas, QRect(QPoint(0, 0), backgroundSize));
    pictures.getReady = recorte(withMascot(scenery, Face::Surprised), mascotSpot);
    pictures.rightAnswer = recorte(withMascot(scenery, Face::BigSmile), mascotSpot);
    pictures.wrongAnswer = recorte(withMascot(scenery, Face::Frown), mascotSpot);
    pictures.soundOn = recorte(canvas, QRect(soundSpot.topLeft(), soundPictureSize));
    pictures.soundOff = paintSoundOff(canvas);
    pictures.balloon = paintBalloon(canvas);
    pictures.litKnob = paintLitKnob();
    pictures.closeMark = paintCloseMark();
    pictures.resultsPanel = novaImagem(resultsPanelSize, QImage::Format_RGB32);
    pictures.resultsPanel.fill(palette::resultsPanel);
    return pictures;
}

} // namespace artgen
