#include "Shapes.h"

#include "Lettering.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace artgen {

namespace {

// A repeatable 0..1 wobble, so clouds look irregular yet render the same every build.
qreal wobble(int index, int seed)
{
    return 0.5 + 0.5 * qSin(index * 2.39996 + seed * 1.7);
}

QPointF lerp(QPointF from, QPointF to, qreal t)
{
    return from + (to - from) * t;
}

} // namespace

QPainterPath cloudBand(const QRectF& box, int seed)
{
    const qreal puff = box.height() * 0.3;
    QPainterPath path;
    path.addRoundedRect(box.adjusted(puff * 0.5, puff * 0.8, -puff * 0.5, -puff * 0.8), puff, puff);

    const int count = qMax(3, int(box.width() / (puff * 1.25)));
    const qreal span = box.width() - 2.2 * puff;
    for (int i = 0; i < count; ++i) {
        const qreal x = box.left() + 1.1 * puff + span * (i + 0.5) / count;
        const qreal top = puff * (0.8 + 0.35 * wobble(i, seed));
        const qreal bottom = puff * (0.8 + 0.35 * wobble(i + 7, seed));
        path.addEllipse(QPointF(x, box.top() + top), top, top);
        path.addEllipse(QPointF(x + puff * 0.4, box.bottom() - bottom), bottom, bottom);
    }
    const qreal end = box.height() * 0.42;
    path.addEllipse(QPointF(box.left() + end, box.center().y()), end, end);
    path.addEllipse(QPointF(box.right() - end, box.center().y()), end, end);
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath roundCloud(const QRectF& box)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path;
    path.addRoundedRect(QRectF(box.left(), box.top() + h * 0.5, w, h * 0.5), h * 0.25, h * 0.25);
    path.addEllipse(QRectF(box.left() + w * 0.08, box.top() + h * 0.3, w * 0.38, h * 0.62));
    path.addEllipse(QRectF(box.left() + w * 0.3, box.top(), w * 0.44, h * 0.8));
    path.addEllipse(QRectF(box.left() + w * 0.56, box.top() + h * 0.22, w * 0.36, h * 0.64));
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

void paintCloudBanner(QPainter& painter, const QRectF& box, int seed)
{
    const QPainterPath band = cloudBand(box, seed);
    painter.save();
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, palette::bannerTop);
    shade.setColorAt(1, palette::bannerBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawPath(band.translated(2, 3));
    painter.setBrush(shade);
    painter.setPen(QPen(palette::bannerRim, 2));
    painter.drawPath(band);

    // A lighter inner band gives the clouds some depth.
    const QRectF inner = box.adjusted(box.height() * 0.2, box.height() * 0.22,
                                      -box.height() * 0.2, -box.height() * 0.22);
    QColor glow = palette::bannerRim;
    glow.setAlpha(40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawPath(cloudBand(inner, seed + 3));
    painter.restore();
}

QPainterPath starPath(qreal outerRadius)
{
    const qreal innerRadius = outerRadius * 0.5;
    QPointF corners[10];
    for (int i = 0; i < 10; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * i);
        const qreal r = i % 2 == 0 ? outerRadius : innerRadius;
        corners[i] = QPointF(r * qCos(angle), r * qSin(angle));
    }
    // Each corner is cut short and bridged by a curve through it: round tips, soft notches.
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const QPointF corner = corners[i];
        const qreal cut = i % 2 == 0 ? 0.16 : 0.22;
        const QPointF in = lerp(corner, corners[(i + 9) % 10], cut);
        const QPointF out = lerp(corner, corners[(i + 1) % 10], cut);
        if (i == 0)
            path.moveTo(in);
        else
            path.lineTo(in);
        path.quadTo(corner, out);
    }
    path.closeSubpath();
    return path;
}

QPainterPath textPath(const QString& text, int pixelSize, bool bold)
{
    QPainterPath path;
    path.addText(0, 0, letteringFont(pixelSize, bold), text);
    return path;
}

void paintTitle(QPainter& painter, const QString& text, const QRectF& box, qreal maxStretch)
{
    QPainterPath letters = textPath(text, 100, true);
    const QRectF natural = letters.boundingRect();
    const qreal scaleX = box.width() / natural.width();
    const qreal scaleY = box.height() / natural.height();
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(qMin(scaleX, scaleY * maxStretch), qMin(scaleY, scaleX * maxStretch));
    fit.translate(-natural.center().x(), -natural.center().y());
    letters = fit.map(letters);

    const qreal outline = qMax(1.5, letters.boundingRect().height() * 0.05);
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 0, 110), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawPath(letters.translated(outline * 0.6, outline * 0.9));
    painter.setPen(QPen(palette::orangeDark, outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
    QLinearGradient fill(letters.boundingRect().topLeft(), letters.boundingRect().bottomLeft());
    fill.setColorAt(0, palette::orangeLight);
    fill.setColorAt(0.55, palette::orange);
    fill.setColorAt(1, palette::orangeDeep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(letters);
    painter.restore();
}

} // namespace artgen
