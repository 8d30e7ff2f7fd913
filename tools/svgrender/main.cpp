// Renders an SVG file to a PNG of the SVG's own pixel size (or the size given).
// Used by the build for the question figures and the screens' pictures.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 5) {
        std::fprintf(stderr, "uso: svgrender entrada.svg saida.png [largura altura]\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: SVG inválido ou ausente\n", qPrintable(args[1]));
        return 1;
    }
    QSize size = renderer.defaultSize();
    if (args.size() == 5)
        size = QSize(args[3].toInt(), args[4].toInt());
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s: tamanho inválido\n", qPrintable(args[1]));
        return 1;
    }

    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
    painter.end();

    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "%s: não foi possível gravar\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
