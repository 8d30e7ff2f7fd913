#include "Grafico.h"

#include "Cores.h"
#include "Desempenho.h"
#include "platform/forms/Font.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace review {
namespace {

constexpr int notaMinima = 50;

QFont fonteGrafico(double pontos)
{
    return platform::forms::toQFont({QStringLiteral("Comic Sans MS"), pontos});
}

QColor corDaBarra(int pct)
{
    return pct >= notaMinima ? cores::laranja : cores::lilas;
}

void linhaTracejada(QPainter& p, QPointF de, QPointF ate)
{
    QPen caneta(cores::laranjaClaro, 1, Qt::DashLine);
    p.setPen(caneta);
    p.drawLine(de, ate);
}

// Percentages over time: one bar per exam, oldest at the left.
void desenhaAproveitamento(QPainter& p, const std::vector<exam::ResumoExame>& ultimos, const QRectF& area)
{
    p.setFont(fonteGrafico(7.5));
    p.setPen(Qt::white);
    const qreal titulo = 14;
    p.drawText(QRectF(area.left(), area.top(), area.width(), titulo), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Aproveitamento nos simulados"));

    const int quantos = std::min<int>(int(ultimos.size()), examesNoGrafico);
    const qreal margemEsquerda = 28; // room for "50 %"
    const QRectF grafico(area.left() + margemEsquerda, area.top() + titulo + 12, area.width() - margemEsquerda,
                         area.height() - titulo - 12);
    const auto yDe = [&](int pct) { return grafico.bottom() - grafico.height() * pct / 100.0; };

    p.setPen(QPen(cores::lilas, 1));
    p.drawLine(QPointF(grafico.left(), grafico.bottom() + 0.5), QPointF(grafico.right(), grafico.bottom() + 0.5));

    const qreal passo = grafico.width() / std::max(quantos, 5);
    const qreal largura = std::min<qreal>(passo - 5, 18);
    p.setFont(fonteGrafico(6.75));
    for (int i = 0; i < quantos; ++i) {
        const exam::ResumoExame& exame = ultimos[std::size_t(quantos - 1 - i)];
        const int pct = std::clamp(exame.percentual, 0, 100);
        const qreal x = grafico.left() + passo * i + (passo - largura) / 2;
        const QRectF barra(x, yDe(pct), largura, grafico.bottom() - yDe(pct));
        p.fillRect(barra, corDaBarra(pct));
        if (i == quantos - 1) { // the exam just ended
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(barra.adjusted(-1, -1, 1, 0));
        }
        p.setPen(Qt::white);
        p.drawText(QRectF(x - 8, barra.top() - 12, largura + 16, 11), Qt::AlignHCenter | Qt::AlignBottom,
                   QString::number(pct));
    }

    linhaTracejada(p, QPointF(grafico.left(), yDe(notaMinima)), QPointF(grafico.right(), yDe(notaMinima)));
    p.setPen(cores::laranjaClaro);
    p.drawText(QRectF(area.left(), yDe(notaMinima) - 6, margemEsquerda - 3, 12), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("50 %"));
}

// Each subject's average over the last five exams, one row per subject.
void desenhaMaterias(QPainter& p, const std::vector<exam::ResumoExame>& ultimos, const QRectF& area)
{
    const auto quantos = std::min<std::size_t>(ultimos.size(), examesParaFracas);
    const std::vector<exam::ResumoExame> considerados(ultimos.begin(), ultimos.begin() + std::ptrdiff_t(quantos));
    const std::vector<MediaMateria> medias = mediasPorMateria(considerados);

    p.setFont(fonteGrafico(7.5));
    p.setPen(Qt::white);
    const qreal titulo = 14;
    p.drawText(QRectF(area.left(), area.top(), area.width(), titulo), Qt::AlignLeft | Qt::AlignVCenter,
               quantos == 1 ? QStringLiteral("Por matéria, neste simulado")
                            : QStringLiteral("Média por matéria, últimos %1").arg(quantos));

    const qreal nomes = 66;
    const qreal numero = 24;
    const QRectF barras(area.left() + nomes, area.top() + titulo + 2, area.width() - nomes - numero,
                        area.height() - titulo - 2);
    const qreal linha = barras.height() / qreal(medias.size());
    p.setFont(fonteGrafico(6.75));
    for (std::size_t i = 0; i < medias.size(); ++i) {
        const MediaMateria& m = medias[i];
        const qreal y = barras.top() + linha * qreal(i);
        p.setPen(Qt::white);
        p.drawText(QRectF(area.left(), y, nomes - 4, linha), Qt::AlignRight | Qt::AlignVCenter, nomeCurto(m.materia));
        if (m.media < 0) {
            p.setPen(cores::lilas);
            p.drawText(QRectF(barras.left() + 2, y, numero + 40, linha), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("sem questões"));
            continue;
        }
        const int pct = std::clamp(m.media, 0, 100);
        const qreal comprimento = barras.width() * pct / 100.0;
        p.fillRect(QRectF(barras.left(), y + 2, comprimento, linha - 3), corDaBarra(pct));
        p.setPen(Qt::white);
        p.drawText(QRectF(barras.left() + comprimento + 3, y, numero, linha), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(pct));
    }
    p.setPen(QPen(cores::lilas, 1));
    p.drawLine(QPointF(barras.left() - 0.5, barras.top()), QPointF(barras.left() - 0.5, barras.bottom()));
    const qreal xMinimo = barras.left() + barras.width() * notaMinima / 100.0;
    linhaTracejada(p, QPointF(xMinimo, barras.top()), QPointF(xMinimo, barras.bottom()));
}

} // namespace

QPixmap desenhaGrafico(const std::vector<exam::ResumoExame>& ultimos, QSize tamanho, qreal escala)
{
    QPixmap grafico(tamanho * escala);
    grafico.setDevicePixelRatio(escala);
    grafico.fill(cores::placa);
    QPainter p(&grafico);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(0, 0, tamanho.width(), tamanho.height());
    const qreal alturaDeCima = area.height() * 0.42;
    desenhaAproveitamento(p, ultimos, QRectF(area.left(), area.top(), area.width(), alturaDeCima));
    desenhaMaterias(p, ultimos, QRectF(area.left(), area.top() + alturaDeCima + 6, area.width(),
                                        area.height() - alturaDeCima - 6));
    return grafico;
}

} // namespace review
