#pragma once
// The screens' pictures, embedded in the program as resources under
// ":/imagens/" (fundo.png, estrela-preparese.png, balao.png, mao.png,
// abertura-01.png ... abertura-12.png and the others).
#include <QPoint>
#include <QString>

namespace assets {

// Registers the embedded pictures. Call once, before the first picture is
// loaded; calling it again does no harm.
void inicializaImagens();

// Where the hand pointer ":/imagens/mao.png" points: the tip of its finger.
QPoint maoPontoQuente();

// The resource path of opening frame 1..12 (":/imagens/abertura-01.png" ...).
QString quadroAbertura(int numero);

} // namespace assets
