// The yardstick for the start-up measurement: the smallest Qt Widgets
// program that shows one plain window, of the size given in pixels.
#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget janela;
    janela.resize(argc > 2 ? std::atoi(argv[1]) : 800, argc > 2 ? std::atoi(argv[2]) : 600);
    janela.show();
    return app.exec();
}
