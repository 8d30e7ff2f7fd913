#include "Lettering.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdio>

namespace artgen {

namespace {
QString family;

bool addFont(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) {
        std::fprintf(stderr, "%s: fonte ausente ou ilegível\n", qPrintable(file));
        return false;
    }
    family = QFontDatabase::applicationFontFamilies(id).value(0);
    return true;
}
} // namespace

bool loadLettering(const QString& regularFile, const QString& boldFile)
{
    return addFont(regularFile) && addFont(boldFile);
}

QFont letteringFont(int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace artgen
