#pragma once
// The scale the pictures are painted at: 1 for the screens' design, 2 for
// the copies that stay sharp when the program is scaled up on a large
// screen. Everything is drawn in design pixels; an image made here carries
// the scale as its device pixel ratio, so a painter on it draws the same
// picture with twice the detail.
#include <QImage>
#include <QRect>
#include <QSize>

namespace artgen {

void setEscala(int escala);
int escala();

// A new image of the given size in design pixels.
QImage novaImagem(QSize tamanho, QImage::Format formato);
// The part of an image at a place given in design pixels.
QImage recorte(const QImage& origem, const QRect& lugar);

} // namespace artgen
