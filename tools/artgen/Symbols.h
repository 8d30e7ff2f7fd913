#pragma once
// Small symbols painted onto the quiz background and into their own pictures.
#include <QPoint>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace artgen {

// The speaker: black body, orange cone, two sound waves; fills `box`.
void paintSpeaker(QPainter& painter, const QRectF& box);

// An orange X with a dark outline filling `box`; `red` paints it as the red "off" cross.
void paintCross(QPainter& painter, const QRectF& box, bool red = false);

// An orange bar lying across `box`.
void paintBar(QPainter& painter, const QRectF& box);

// A lifeline knob: unlit (dim, painted on the background) or lit (the picture copied over it).
void paintKnob(QPainter& painter, QPointF centre, qreal radius, bool lit);

// The hand pointer on a 32 x 32 picture; the fingertip is at assets::handHotSpot.
void paintHand(QPainter& painter);

// The program's icon: a red motorboat on a little water, drawn on a 32 x 32 grid.
void paintBoat(QPainter& painter);

} // namespace artgen
