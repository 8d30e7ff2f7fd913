#include "Icons.h"

#include "Symbols.h"

#include <QPainter>

namespace artgen {

namespace {

// The colours the small icon may use: transparency plus the boat's own shades.
const QList<QRgb> iconColours = {
    qRgba(0, 0, 0, 0),      qRgb(50, 12, 16),    qRgb(170, 16, 20),   qRgb(214, 36, 36),
    qRgb(240, 76, 64),      qRgb(255, 150, 140), qRgb(255, 255, 255), qRgb(200, 206, 216),
    qRgb(120, 190, 240),    qRgb(40, 120, 214),  qRgb(90, 160, 230),  qRgb(225, 240, 252),
    qRgb(120, 60, 64),      qRgb(24, 72, 150),   qRgb(150, 150, 160), qRgb(0, 0, 0),
};

int nearestColour(QRgb pixel)
{
    if (qAlpha(pixel) < 110)
        return 0;
    int best = 1;
    int bestDistance = INT_MAX;
    for (int i = 1; i < iconColours.size(); ++i) {
        const int dr = qRed(pixel) - qRed(iconColours[i]);
        const int dg = qGreen(pixel) - qGreen(iconColours[i]);
        const int db = qBlue(pixel) - qBlue(iconColours[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage paintHandPointer()
{
    QImage hand(32, 32, QImage::Format_ARGB32);
    hand.fill(Qt::transparent);
    QPainter painter(&hand);
    painter.setRenderHint(QPainter::Antialiasing);
    paintHand(painter);
    return hand;
}

QImage paintIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    paintBoat(painter);
    return icon;
}

QImage paintSmallIcon()
{
    // The boat of paintIcon() placed pixel by pixel: at 16 x 16 the drawing's
    // half-pixel edges would blur into a smudge.
    static const char* const rows[16] = {
        "................",
        "................",
        "................",
        "................",
        "......KKKKK.....",
        ".....KWWWBBK....",
        ".....KWWWBBBK...",
        "....KWWWWWWWWK.K",
        ".KKKKKKKKKKKKKKK",
        ".KRRRRRRRRRRRRK.",
        "..KWWWWWWWWWWK..",
        "..KrrrrrrrrrK...",
        "...KKKKKKKKK....",
        "~~F~~~~~~~~~~F~~",
        "~~~~~~~~~~~~~~~~",
        "................",
    };
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            QRgb colour = 0;
            switch (rows[y][x]) {
            case 'K': colour = qRgb(50, 12, 16); break;     // outline
            case 'W': colour = qRgb(255, 255, 255); break;  // cabin, stripe
            case 'B': colour = qRgb(120, 190, 240); break;  // windscreen
            case 'R': colour = qRgb(232, 62, 54); break;    // hull, lit
            case 'r': colour = qRgb(176, 20, 24); break;    // hull, shaded
            case '~': colour = qRgb(40, 120, 214); break;   // water
            case 'F': colour = qRgb(225, 240, 252); break;  // foam
            default: continue;
            }
            icon.setPixel(x, y, colour);
        }
    }
    return icon;
}

QImage paintSixteenColourIcon()
{
    const QImage full = paintIcon(32).convertToFormat(QImage::Format_ARGB32);
    QImage icon(full.size(), QImage::Format_Indexed8);
    icon.setColorTable(iconColours);
    for (int y = 0; y < full.height(); ++y) {
        for (int x = 0; x < full.width(); ++x)
            icon.setPixel(x, y, uint(nearestColour(full.pixel(x, y))));
    }
    return icon;
}

} // namespace artgen
