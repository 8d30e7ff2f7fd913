#include "Programa.h"

#include <QApplication>
#include <QWidget>

namespace platform::forms {
namespace {

bool encerrado = false;
std::function<void()>& encerramento()
{
    static std::function<void()> handler;
    return handler;
}

} // namespace

void EncerraPrograma()
{
    if (encerrado)
        return;
    encerrado = true;
    if (encerramento()) {
        encerramento()();
        return;
    }
    for (QWidget* janela : QApplication::topLevelWidgets())
        janela->hide();
    QCoreApplication::exit(0);
}

bool programaEncerrado() { return encerrado; }

void setEncerramentoHandler(std::function<void()> handler)
{
    encerramento() = std::move(handler);
    encerrado = false;
}

} // namespace platform::forms
