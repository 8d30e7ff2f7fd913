#include "Mascot.h"

#include "Palette.h"
#include "Shapes.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace artgen {

namespace {

// Face features are laid out on a star of radius 1 and scaled with it.
void paintEyes(QPainter& painter, Face face)
{
    const qreal eyeX = 0.19;
    const qreal eyeY = -0.1;
    if (face == Face::BigSmile) {
        // Closed, happy eyes: two arches.
        painter.setPen(QPen(palette::ink, 0.055, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath arch;
            arch.moveTo(side * eyeX - 0.08, eyeY + 0.03);
            arch.quadTo(side * eyeX, eyeY - 0.11, side * eyeX + 0.08, eyeY + 0.03);
            painter.drawPath(arch);
        }
        return;
    }
    const qreal width = face == Face::Surprised ? 0.13 : 0.11;
    const qreal height = face == Face::Surprised ? 0.2 : 0.17;
    for (qreal side : {-1.0, 1.0}) {
        const QPointF centre(side * eyeX, eyeY);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::ink);
        painter.drawEllipse(centre, width, height);
        painter.setBrush(palette::paper);
        painter.drawEllipse(centre + QPointF(-0.03, -0.06), width * 0.38, height * 0.3);
    }
    painter.setPen(QPen(palette::ink, 0.045, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath brow;
        if (face == Face::Surprised) {
            brow.moveTo(side * eyeX - 0.09, eyeY - 0.27);
            brow.quadTo(side * eyeX, eyeY - 0.36, side * eyeX + 0.09, eyeY - 0.27);
        } else if (face == Face::Frown) {
            // Inner ends pulled down towards the nose.
            brow.moveTo(side * (eyeX + 0.1), eyeY - 0.27);
            brow.lineTo(side * (eyeX - 0.09), eyeY - 0.17);
        } else {
            continue;
        }
        painter.drawPath(brow);
    }
}

// An open curve of the mouth, drawn as one round-capped ink stroke.
void strokeMouthCurve(QPainter& painter, QPointF from, QPointF control, QPointF to)
{
    QPainterPath curve;
    curve.moveTo(from);
    curve.quadTo(control, to);
    painter.setPen(QPen(palette::ink, 0.055, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void paintMouth(QPainter& painter, Face face)
{
    switch (face) {
    case Face::Smile:
        strokeMouthCurve(painter, {-0.16, 0.12}, {0, 0.32}, {0.16, 0.12});
        break;
    case Face::BigSmile: {
        QPainterPath mouth;
        mouth.moveTo(-0.23, 0.08);
        mouth.quadTo(0, 0.14, 0.23, 0.08);
        mouth.cubicTo(0.2, 0.36, -0.2, 0.36, -0.23, 0.08);
        painter.setPen(QPen(palette::ink, 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(palette::mouth);
        painter.drawPath(mouth);
        painter.save();
        painter.setClipPath(mouth);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette::tongue);
        painter.drawEllipse(QPointF(0, 0.31), 0.12, 0.08);
        painter.restore();
        break;
    }
    case Face::Surprised:
        painter.setPen(QPen(palette::ink, 0.045));
        painter.setBrush(palette::mouth);
        painter.drawEllipse(QPointF(0, 0.2), 0.065, 0.085);
        break;
    case Face::Frown:
        strokeMouthCurve(painter, {-0.15, 0.27}, {0, 0.1}, {0.15, 0.27});
        break;
    }
}

} // namespace

void paintMascot(QPainter& painter, const MascotPose& pose)
{
    painter.save();
    painter.translate(pose.centre);
    painter.rotate(pose.lean);
    painter.scale(1.0 / qSqrt(pose.stretch), pose.stretch);
    painter.scale(pose.radius, pose.radius);

    const QPainterPath star = starPath(1.0);
    QRadialGradient light(QPointF(-0.3, -0.35), 1.3);
    light.setColorAt(0, palette::orangeLight);
    light.setColorAt(0.45, palette::orange);
    light.setColorAt(1, palette::orangeDeep);
    painter.setBrush(light);
    painter.setPen(QPen(palette::orangeDark, qMax(0.045, 1.4 / pose.radius), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(star);

    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::cheek);
    painter.drawEllipse(QPointF(-0.33, 0.1), 0.09, 0.06);
    painter.drawEllipse(QPointF(0.33, 0.1), 0.09, 0.06);
    paintEyes(painter, pose.face);
    paintMouth(painter, pose.face);
    painter.restore();
}

void paintMascotDisc(QPainter& painter, QPointF centre, qreal radius)
{
    painter.save();
    QRadialGradient shade(centre + QPointF(-radius * 0.3, -radius * 0.3), radius * 1.4);
    shade.setColorAt(0, palette::discLight);
    shade.setColorAt(1, palette::discDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(centre + QPointF(2, 3), radius, radius);
    painter.setBrush(shade);
    painter.setPen(QPen(palette::orangeDark, 1.5));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 200, 120, 150), 2.5));
    painter.drawEllipse(centre, radius - 4, radius - 4);
    painter.restore();
}

} // namespace artgen
