#include "Escala.h"

namespace artgen {
namespace {
int escalaAtual = 1;
}

void setEscala(int escala) { escalaAtual = escala; }
int escala() { return escalaAtual; }

QImage novaImagem(QSize tamanho, QImage::Format formato)
{
    QImage imagem(tamanho * escalaAtual, formato);
    imagem.setDevicePixelRatio(escalaAtual);
    return imagem;
}

QImage recorte(const QImage& origem, const QRect& lugar)
{
    const int e = int(origem.devicePixelRatio());
    QImage parte = origem.copy(QRect(lugar.topLeft() * e, lugar.size() * e));
    parte.setDevicePixelRatio(e);
    return parte;
}

} // namespace artgen
