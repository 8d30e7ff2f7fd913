#include "ReviewSheet.h"

#include "Lettering.h"
#include "QuizLayout.h"
#include "Symbols.h"

#include <QPainter>

namespace artgen {

namespace {

using namespace quiz;

constexpr int margin = 20;
constexpr int sheetWidth = 2 * 800 + 3 * margin;
const QColor sheetColour{44, 44, 52};
const QColor spotColour{255, 64, 64};
const QColor labelColour{0, 230, 255};
const QColor paintedColour{255, 230, 0};

void paintHeading(QPainter& painter, QPoint topLeft, const QString& text)
{
    painter.setFont(letteringFont(15, true));
    painter.setPen(Qt::white);
    painter.drawText(topLeft + QPoint(0, 15), text);
}

void paintCheckerboard(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y < area.bottom(); y += 8) {
        for (int x = area.left(); x < area.right(); x += 8) {
            const bool dark = ((x - area.left()) / 8 + (y - area.top()) / 8) % 2;
            painter.fillRect(QRect(x, y, 8, 8), dark ? QColor(150, 150, 150) : QColor(200, 200, 200));
        }
    }
    painter.restore();
}

void outline(QPainter& painter, const QRect& box, const QColor& colour, const QString& name)
{
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setFont(letteringFont(10, false));
    const QRect tag = painter.fontMetrics().boundingRect(name).translated(box.topLeft() + QPoint(2, -3));
    painter.fillRect(tag.adjusted(-1, 0, 1, 0), QColor(0, 0, 0, 150));
    painter.setPen(colour);
    painter.drawText(box.topLeft() + QPoint(2, -3), name);
}

// The background with every click spot, label and fixed painted element outlined.
void paintAnnotatedBackground(QPainter& painter, QPoint origin, const QImage& background)
{
    painter.save();
    painter.translate(origin);
    painter.drawImage(0, 0, background);
    outline(painter, questionPanel, paintedColour, "painel");
    outline(painter, quizBanner, paintedColour, "faixa");
    outline(painter, quizTitle, paintedColour, "título");
    outline(painter, mascotOrangeParts, paintedColour, "partes laranja");
    const std::pair<QRect, const char*> spots[] = {
        {skipKnob, "imgBotao(0)"}, {helpKnob, "imgBotao(1)"}, {soundSpot, "imgBotao(2)"},
        {endGameSpot, "imgBotao(3)"}, {exitSpot, "imgBotao(4)"}, {balloonSpot, "imgBalao"},
        {mascotSpot, "imgEstrela"}};
    for (const auto& [box, name] : spots)
        outline(painter, box, spotColour, name);
    outline(painter, feedbackText, labelColour, "labTexto");
    outline(painter, questionText, labelColour, "labPergunta");
    for (int i = 0; i < int(answerTexts.size()); ++i)
        outline(painter, answerTexts[i], labelColour, QStringLiteral("labResposta(%1)").arg(i));
    outline(painter, playerName, labelColour, "labNome");
    for (const auto& caption : exam::geometria::legendasBrancas)
        outline(painter, fromTwips(caption.lugar), labelColour, "");
    painter.restore();
}

// The background as a player sees it mid-question: pictures copied into their
// spots and sample texts in the labels' places and sizes.
void paintSampleScreen(QPainter& painter, QPoint origin, const QuizPictures& quiz)
{
    painter.save();
    painter.translate(origin);
    painter.setClipRect(QRect(QPoint(0, 0), backgroundSize));
    painter.drawImage(0, 0, quiz.background);
    painter.drawImage(mascotSpot.topLeft(), quiz.rightAnswer);
    painter.drawImage(balloonSpot.topLeft(), quiz.balloon);
    painter.drawImage(skipKnob.topLeft(), quiz.litKnob);
    painter.drawImage(soundSpot.topLeft(), quiz.soundOff);

    painter.setPen(Qt::white);
    painter.setFont(letteringFont(15, false));
    painter.drawText(feedbackText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Pense bastante antes de responder, mas cuidado com o tempo."));
    for (const auto& caption : exam::geometria::legendasBrancas) {
        const int size = pixelSize(caption.pontos);
        painter.setFont(letteringFont(size, false));
        painter.drawText(fromTwips(caption.lugar).topLeft() + QPoint(0, size), QString::fromUtf8(caption.texto));
    }
    painter.setPen(Qt::black);
    painter.setFont(letteringFont(12, false));
    painter.drawText(playerName.topLeft() + QPoint(0, 12), QStringLiteral("Jogador : Maria da Silva"));
    painter.drawText(questionText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Questão) Qual é a luz de navegação que uma embarcação a motor "
                                    "deve exibir à noite, além das luzes de bordo?"));
    const char* answers[] = {"a) Luz de tope branca", "b) Luz circular vermelha",
                             "c) Luz de alcançado azul", "d) Nenhuma luz adicional"};
    for (int i = 0; i < 4; ++i)
        painter.drawText(answerTexts[i], Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(answers[i]));
    painter.restore();
}

// Small pictures again, four times larger, so single pixels can be judged.
QImage enlarged(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage paintReviewSheet(const QList<NamedPicture>& pictures, const QuizPictures& quiz)
{
    QList<NamedPicture> gallery = pictures;
    for (const NamedPicture& small : pictures) {
        if (small.image.width() <= 40)
            gallery.append({small.name + QStringLiteral(" (x4)"), enlarged(small.image, 4)});
    }

    // Lay the gallery out in rows, left to right, to find the sheet's height.
    const int galleryTop = 2 * margin + 20 + backgroundSize.height() + margin;
    QList<QPoint> places;
    QPoint cursor(margin, galleryTop);
    int rowHeight = 0;
    for (const NamedPicture& entry : gallery) {
        if (cursor.x() + entry.image.width() > sheetWidth - margin) {
            cursor = QPoint(margin, cursor.y() + rowHeight + 24 + margin);
            rowHeight = 0;
        }
        places.append(cursor);
        cursor.rx() += qMax(entry.image.width(), 120) + margin;
        rowHeight = qMax(rowHeight, entry.image.height());
    }
    const int sheetHeight = cursor.y() + rowHeight + 24 + margin;

    QImage sheet(sheetWidth, sheetHeight, QImage::Format_RGB32);
    sheet.fill(sheetColour);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintHeading(painter, QPoint(margin, margin - 6),
                 QStringLiteral("fundo.png: pontos de clique (vermelho), rótulos (azul), elementos fixos (amarelo)"));
    paintAnnotatedBackground(painter, QPoint(margin, 2 * margin + 14), quiz.background);
    paintHeading(painter, QPoint(2 * margin + 800, margin - 6),
                 QStringLiteral("Exemplo: balão, estrela, botão aceso e som desligado sobre o fundo"));
    paintSampleScreen(painter, QPoint(2 * margin + 800, 2 * margin + 14), quiz);

    for (int i = 0; i < gallery.size(); ++i) {
        const QRect area(places[i], gallery[i].image.size());
        paintCheckerboard(painter, area);
        painter.drawImage(area.topLeft(), gallery[i].image);
        painter.setFont(letteringFont(12, false));
        painter.setPen(Qt::white);
        painter.drawText(area.bottomLeft() + QPoint(0, 18),
                         QStringLiteral("%1  %2 x %3").arg(gallery[i].name).arg(area.width()).arg(area.height()));
    }
    return sheet;
}

} // namespace artgen
