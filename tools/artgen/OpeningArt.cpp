#include "OpeningArt.h"

#include "Escala.h"

#include "Mascot.h"
#include "Palette.h"
#include "Shapes.h"

#include <QPainter>
#include <QtMath>

namespace artgen {

namespace {

constexpr QSize frameSize{588, 182};
constexpr QRectF banner{5, 45, 502, 136};
constexpr QRectF title{42, 91, 455, 64};

// The mascot walks on the banner's upper part, above the title letters.
constexpr qreal mascotRadius = 34;
constexpr qreal groundY = 88;

// One key pose of the hop.
struct HopPose {
    qreal x;        // centre, pixels from the left
    qreal stretch;  // squash below 1, stretch above 1
    qreal lift;     // feet above the ground, pixels
    qreal lean;     // degrees, forward is positive
    Face face;
};

// Frame 1 stands at the left end, frames 2..11 are two hops (crouch, spring,
// rising, top of the arc, landing), frame 12 stands at the right end.
constexpr HopPose poses[openingFrameCount] = {
    {40, 1.00, 0, 0, Face::Smile},
    {56, 0.78, 0, -2, Face::Smile},
    {86, 1.16, 6, 9, Face::BigSmile},
    {130, 1.06, 18, 10, Face::BigSmile},
    {176, 1.00, 24, 3, Face::BigSmile},
    {218, 0.84, 0, -5, Face::Smile},
    {244, 0.78, 0, -2, Face::Smile},
    {276, 1.16, 6, 9, Face::BigSmile},
    {322, 1.06, 18, 10, Face::BigSmile},
    {370, 1.00, 24, 3, Face::BigSmile},
    {412, 0.84, 0, -5, Face::Smile},
    {462, 1.00, 0, 0, Face::Smile},
};

void paintSpeedLines(QPainter& painter, const HopPose& pose, qreal centreY)
{
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = -1; i <= 1; ++i) {
        const qreal y = centreY + i * 11 + 6;
        const qreal start = pose.x - mascotRadius - 6 - qAbs(i) * 4;
        painter.drawLine(QPointF(start, y), QPointF(start - 14 + qAbs(i) * 4, y + 3));
    }
    painter.restore();
}

QImage paintFrame(const QImage& scenery, const HopPose& pose)
{
    QImage frame = scenery;
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    // The two lower points are the feet: they stay on the ground while squashed.
    const qreal feetBelowCentre = mascotRadius * qCos(qDegreesToRadians(36.0)) * pose.stretch;
    const qreal centreY = groundY - pose.lift - feetBelowCentre;
    if (pose.lift > 0)
        paintSpeedLines(painter, pose, centreY);
    paintMascot(painter, {QPointF(pose.x, centreY), mascotRadius, pose.stretch, pose.lean, pose.face});
    return frame;
}

} // namespace

QList<QImage> paintOpeningFrames()
{
    QImage scenery = novaImagem(frameSize, QImage::Format_RGB32);
    scenery.fill(palette::openingField);
    {
        QPainter painter(&scenery);
        painter.setRenderHint(QPainter::Antialiasing);
        paintCloudBanner(painter, banner, 4);
        paintTitle(painter, QStringLiteral("Simuladão Tolvane"), title);
    }
    QList<QImage> frames;
    for (const HopPose& pose : poses)
        frames.append(paintFrame(scenery, pose));
    return frames;
}

} // namespace artgen
