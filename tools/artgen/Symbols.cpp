#include "Symbols.h"

#include "Palette.h"
#include "assets/HandPointer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artgen {

namespace {

QPen outlinePen(qreal width)
{
    return QPen(palette::ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A box's point from fractions of its width and height.
QPointF at(const QRectF& box, qreal fx, qreal fy)
{
    return {box.left() + box.width() * fx, box.top() + box.height() * fy};
}

} // namespace

void paintSpeaker(QPainter& painter, const QRectF& box)
{
    painter.save();
    painter.setPen(outlinePen(1.2));
    painter.setBrush(QColor(20, 20, 24));
    painter.drawRoundedRect(QRectF(at(box, 0.0, 0.34), at(box, 0.26, 0.66)), 1.5, 1.5);

    QPainterPath cone;
    cone.moveTo(at(box, 0.26, 0.34));
    cone.lineTo(at(box, 0.58, 0.04));
    cone.lineTo(at(box, 0.58, 0.96));
    cone.lineTo(at(box, 0.26, 0.66));
    cone.closeSubpath();
    QLinearGradient shade(at(box, 0.26, 0), at(box, 0.58, 0));
    shade.setColorAt(0, palette::orangeLight);
    shade.setColorAt(1, palette::orangeDeep);
    painter.setBrush(shade);
    painter.drawPath(cone);

    painter.setBrush(Qt::NoBrush);
    for (qreal reach : {0.2, 0.36}) {
        const qreal half = 0.18 + reach;
        QRectF arc(at(box, 0.64 - half * 0.5 + reach * 0.4, 0.5 - half), QSizeF(box.width() * half, box.height() * half * 2));
        painter.setPen(QPen(palette::ink, 3.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(arc, -50 * 16, 100 * 16);
        painter.setPen(QPen(palette::orange, 1.8, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(arc, -50 * 16, 100 * 16);
    }
    painter.restore();
}

void paintCross(QPainter& painter, const QRectF& box, bool red)
{
    // The red "off" cross is thinner, so the speaker still shows through it.
    const qreal thickness = qMin(box.width(), box.height()) * (red ? 0.17 : 0.28);
    const QRectF inner = box.adjusted(thickness * 0.6, thickness * 0.6, -thickness * 0.6, -thickness * 0.6);
    QPainterPath cross;
    cross.moveTo(inner.topLeft());
    cross.lineTo(inner.bottomRight());
    cross.moveTo(inner.topRight());
    cross.lineTo(inner.bottomLeft());
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(red ? QColor(90, 0, 0) : palette::ink, thickness + 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(red ? palette::alarmRed : palette::orange, thickness, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.restore();
}

void paintBar(QPainter& painter, const QRectF& box)
{
    const qreal height = box.height() * 0.36;
    const QRectF bar(box.left(), box.center().y() - height / 2, box.width(), height);
    painter.save();
    painter.setPen(outlinePen(1.2));
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0, palette::orangeLight);
    shade.setColorAt(1, palette::orangeDeep);
    painter.setBrush(shade);
    painter.drawRoundedRect(bar, height / 2, height / 2);
    painter.restore();
}

void paintKnob(QPainter& painter, QPointF centre, qreal radius, bool lit)
{
    painter.save();
    QRadialGradient shade(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 1.5);
    if (lit) {
        shade.setColorAt(0, QColor(255, 250, 200));
        shade.setColorAt(0.35, palette::orangeLight);
        shade.setColorAt(1, palette::orangeDeep);
        painter.setPen(QPen(palette::orangeDark, 1.2));
    } else {
        shade.setColorAt(0, palette::knobUnlit.lighter(118));
        shade.setColorAt(1, palette::knobUnlit);
        painter.setPen(QPen(palette::knobRim, 1.2));
    }
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, lit ? 190 : 70));
    painter.drawEllipse(centre + QPointF(-radius * 0.32, -radius * 0.38), radius * 0.32, radius * 0.2);
    painter.restore();
}

void paintHand(QPainter& painter)
{
    // Drawn with the fingertip at (12, 1), then moved onto the shared hot spot.
    painter.save();
    painter.translate(QPointF(assets::handHotSpot) - QPointF(12, 1));
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 1.5, 6, 17), 3, 3);            // index finger
    hand.addRoundedRect(QRectF(15, 10, 5.5, 10), 2.75, 2.75);      // middle knuckle
    hand.addRoundedRect(QRectF(20, 11, 5.5, 10), 2.75, 2.75);      // ring knuckle
    hand.addRoundedRect(QRectF(25, 13, 4.5, 9), 2.25, 2.25);       // little knuckle
    hand.addRoundedRect(QRectF(9.5, 14, 20, 15.5), 5, 5);          // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -2.5, 10, 5), 2.5, 2.5);
    QTransform thumbPlace;
    thumbPlace.translate(8, 19.5);
    thumbPlace.rotate(45);
    hand.addPath(thumbPlace.map(thumb));
    hand.setFillRule(Qt::WindingFill);
    hand = hand.simplified();

    painter.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases between the folded fingers.
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(15.5, 16), QPointF(15.5, 19.5));
    painter.drawLine(QPointF(20.5, 16), QPointF(20.5, 20));
    painter.drawLine(QPointF(25.5, 17), QPointF(25.5, 20.5));
    painter.restore();
}

void paintBoat(QPainter& painter)
{
    painter.save();
    // Water.
    QPainterPath water;
    water.moveTo(1, 25);
    for (int x = 1; x < 31; x += 6) {
        water.quadTo(x + 1.5, 23.5, x + 3, 25);
        water.quadTo(x + 4.5, 26.5, x + 6, 25);
    }
    water.lineTo(31, 30);
    water.quadTo(16, 31.5, 1, 30);
    water.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 120, 214));
    painter.drawPath(water);

    // Cabin with its windscreen.
    QPainterPath cabin;
    cabin.moveTo(9, 17);
    cabin.lineTo(11.5, 10);
    cabin.lineTo(18, 10);
    cabin.lineTo(22, 17);
    cabin.closeSubpath();
    painter.setPen(QPen(QColor(50, 12, 16), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(cabin);
    QPainterPath glass;
    glass.moveTo(16, 11.5);
    glass.lineTo(18, 11.5);
    glass.lineTo(20.5, 16);
    glass.lineTo(16, 16);
    glass.closeSubpath();
    painter.setBrush(QColor(120, 190, 240));
    painter.drawPath(glass);

    // Hull: bow to the right, rising; a white stripe along its side.
    QPainterPath hull;
    hull.moveTo(2.5, 16.5);
    hull.lineTo(26, 16.5);
    hull.lineTo(30.5, 13.5);
    hull.quadTo(29, 21, 24, 24);
    hull.lineTo(6, 24);
    hull.quadTo(3, 21, 2.5, 16.5);
    hull.closeSubpath();
    QLinearGradient red(QPointF(0, 14), QPointF(0, 24));
    red.setColorAt(0, QColor(240, 70, 60));
    red.setColorAt(1, QColor(170, 16, 20));
    painter.setBrush(red);
    painter.drawPath(hull);
    painter.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4.5, 19.5), QPointF(27, 18));

    // Foam at the bow.
    painter.setPen(QPen(QColor(225, 240, 252), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(24, 25), QPointF(29, 24));
    painter.drawLine(QPointF(1.5, 25.5), QPointF(6, 25));
    painter.restore();
}

} // namespace artgen
