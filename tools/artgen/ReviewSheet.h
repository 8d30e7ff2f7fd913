#pragma once
// One picture for a person to review the artwork: every picture at 1:1 with
// its name, and the quiz background with its click spots and labels outlined.
#include "QuizArt.h"

#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

struct NamedPicture {
    QString name;
    QImage image;
};

QImage paintReviewSheet(const QList<NamedPicture>& pictures, const QuizPictures& quiz);

} // namespace artgen
