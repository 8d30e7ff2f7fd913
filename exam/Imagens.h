#pragma once
// The pictures the quiz screen carries, from the program's resources.
#include <QPixmap>
#include <QPoint>
#include <QString>

namespace exam::imagens {

// ":/imagens/<nome>"; an empty picture if it is missing.
QPixmap carrega(const QString& nome);

// The hand mouse pointer and its hot spot, in the picture's pixels.
QPixmap mao();
QPoint maoPontoQuente();

} // namespace exam::imagens
