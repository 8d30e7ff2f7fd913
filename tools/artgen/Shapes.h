#pragma once
// Shapes shared by several pictures: clouds, the star, lettering.
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace artgen {

// A band of overlapping round puffs filling `box`; `seed` varies the puffs.
QPainterPath cloudBand(const QRectF& box, int seed);

// One small round cloud (three puffs on a flat-ish base) filling `box`.
QPainterPath roundCloud(const QRectF& box);

// Paints a dark cloud banner: shaded fill, lighter rim.
void paintCloudBanner(QPainter& painter, const QRectF& box, int seed);

// A five-pointed star with softly rounded points, centred on the origin,
// first point straight up.
QPainterPath starPath(qreal outerRadius);

// Title letters in orange with a dark outline and a drop shadow, scaled to
// fill `box` and centred in it; one axis may be stretched up to `maxStretch`
// times the other so the letters fill boxes of other proportions.
void paintTitle(QPainter& painter, const QString& text, const QRectF& box, qreal maxStretch = 1.25);

// Plain text as a path in the lettering font, its baseline starting at the origin.
QPainterPath textPath(const QString& text, int pixelSize, bool bold);

} // namespace artgen
