#include "Fonte.h"

#include <QFontDatabase>
#include <cmath>

namespace platform::forms {
namespace {

void registraSubstitutos()
{
    static const bool feito = [] {
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    (void)feito;
}

} // namespace

QFont fonteQt(const Fonte& fonte)
{
    registraSubstitutos();
    QFont qt(fonte.nome);
    qt.setPixelSize(std::max(1, int(std::lround(fonte.tamanho * 96.0 / 72.0))));
    qt.setWeight(QFont::Normal);
    qt.setItalic(false);
    qt.setUnderline(false);
    return qt;
}

Fonte fontePadrao()
{
    return {QStringLiteral("MS Sans Serif"), 8.25};
}

} // namespace platform::forms
