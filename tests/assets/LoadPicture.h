#pragma once
// Loads an embedded picture by its name under ":/imagens/", registering the
// resources first.
#include "assets/Assets.h"

#include <QImage>
#include <QString>

inline QImage loadPicture(const QString& name)
{
    assets::inicializa();
    return QImage(QStringLiteral(":/imagens/") + name).convertToFormat(QImage::Format_ARGB32);
}

inline QImage loadOpeningFrame(int number)
{
    assets::inicializa();
    return QImage(assets::quadroAbertura(number)).convertToFormat(QImage::Format_ARGB32);
}
