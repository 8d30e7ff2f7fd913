#pragma once
// The mascot: an orange five-pointed star with a face, the same in every
// picture; only its expression, squash and lean change.
#include <QPointF>

class QPainter;

namespace artgen {

enum class Face {
    Smile,      // resting, standing
    Surprised,  // get ready: round eyes, mouth a small ring
    BigSmile,   // right answer, and in the air
    Frown,      // wrong answer
};

struct MascotPose {
    QPointF centre;
    qreal radius = 56;    // from the centre to a point
    qreal stretch = 1.0;  // below 1 squashed (crouch), above 1 stretched (spring)
    qreal lean = 0.0;     // degrees, clockwise
    Face face = Face::Smile;
};

void paintMascot(QPainter& painter, const MascotPose& pose);

// The orange disc the mascot rests on in the quiz screen.
void paintMascotDisc(QPainter& painter, QPointF centre, qreal radius);

} // namespace artgen
