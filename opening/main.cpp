// The program's entry: the opening screen is the one start-up object.
#include "assets/Assets.h"
#include "exam/frmTolvane.h"
#include "frmAbertura.h"
#include "platform/Clock.h"
#include "platform/ProgramFolder.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/SingleInstance.h"
#include "sound/frmSom.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("br.tolvane.Tolvane"));
    assets::inicializaImagens();

    platform::RealClock& relogio = platform::RealClock::instance();
    platform::Random aleatorio(relogio);
    sound::SomDoPrograma som;
    const QString pastaPrograma = platform::programFolder();

    const platform::SingleInstance instancia(pastaPrograma);
    if (!instancia.acquired()) {
        platform::MsgBox(QStringLiteral("O simulado já está aberto em outra janela."));
        return 1;
    }

    std::unique_ptr<frmTolvane> tolvane;
    frmAbertura abertura(relogio, som, [&]() -> frmTolvane* {
        tolvane = std::make_unique<frmTolvane>(relogio, aleatorio, pastaPrograma, som);
        tolvane->Show();
        return tolvane->bancoDados ? tolvane.get() : nullptr;
    });
    abertura.Show();

    const int estado = app.exec();
    // A bank that could not be opened has been reported; the run failed.
    if (tolvane && !tolvane->bancoDados)
        return 1;
    return estado;
}
