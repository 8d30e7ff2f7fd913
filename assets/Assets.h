#pragma once
// The program's one entry to the screens' pictures, embedded as resources
// under ":/imagens/" (fundo.png, estrela-preparese.png, balao.png, mao.png,
// abertura-01.png ... abertura-12.png and the others), and to the screens'
// font.
#include <QPixmap>
#include <QPoint>
#include <QString>

namespace assets {

// Registers the embedded pictures and the substitute of the screens' font
// ("Comic Sans MS" is drawn with Comic Neue). main() calls it once, before
// the first screen is built; calling it again does no harm.
void inicializa();

// Starts decoding, on a second thread, the picture the first window shows
// (its resource path; the copy imagem() would choose), while the program
// builds its first window; imagem() then takes it as soon as it is ready.
// Call after inicializa(); the first call counts.
void antecipa(const QString& caminho);

// The embedded picture ":/imagens/<nome>"; an empty picture if it is missing.
// When the program is scaled up (a device pixel ratio above 1), the copy
// painted at twice the size, which keeps the picture sharp.
QPixmap imagem(const QString& nome);

// Opening frame 1..12.
QPixmap quadroDaAbertura(int numero);

// The resource path of opening frame 1..12 (":/imagens/abertura-01.png" ...).
QString quadroAbertura(int numero);

// The hand mouse pointer, and where it points: the tip of its finger.
QPixmap mao();
QPoint maoPontoQuente();

} // namespace assets
