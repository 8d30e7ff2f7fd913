// The program's entry: the opening screen is the one start-up object.
#include "assets/Assets.h"
#include "bank/BancoQuestoes.h"
#include "exam/frmTolvane.h"
#include "MemoriaHistorico.h"
#include "frmAbertura.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/EarlyStart.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "platform/ScreenScale.h"
#include "platform/SingleInstance.h"
#include "platform/forms/FormHolder.h"
#include "sound/frmSom.h"

#include <QApplication>
#include <future>
#include <memory>

using platform::forms::FormHolder;

int main(int argc, char* argv[])
{
    platform::explainMissingDisplay(QStringLiteral(
        "Tolvane: nenhuma tela gráfica foi encontrada. Abra o simulado numa sessão gráfica (com a variável "
        "DISPLAY ou WAYLAND_DISPLAY definida)."));
    // What the opening screen needs first is prepared on other threads
    // while the toolkit and the program start: the fonts and the first frame.
    platform::EarlyStart inicio;
    // The screens are designed for 800 x 600: on a larger screen they grow to fill it.
    platform::scaleDesignToScreen(800, 600);
    QApplication app(argc, argv);
    platform::displayFound();
    inicio.toolkitBuilt();
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("br.tolvane.Tolvane"));
    platform::setMessageBoxTitle(QStringLiteral("TOLVANE"));

    const QString pastaPrograma = platform::programFolder();
    // A second copy on the same bank would clear this copy's drawn-question
    // marks. The lock is taken on a second thread (it waits on the disk)
    // while the opening screen is built, and decides before it shows.
    auto tomandoBloqueio = std::async(std::launch::async, [banco = platform::fileInFolder(pastaPrograma, bank::arquivoBanco)] {
        return std::make_unique<const platform::SingleInstance>(banco);
    });
    std::unique_ptr<const platform::SingleInstance> instancia;   // held until the screens are gone
    assets::inicializa();
    assets::antecipa(assets::quadroAbertura(1));

    // Everything below ends before the application does, in reverse order:
    // the screens first, then the sound player, then the clock.
    platform::RealClock relogio;
    platform::Random aleatorio(relogio);
    sound::SomDoPrograma som(pastaPrograma);
    MemoriaHistorico memoria(history::Historico::pastaPadrao());

    FormHolder<frmTolvane> tolvane(
        [&] { return std::make_unique<frmTolvane>(relogio, aleatorio, pastaPrograma, som, &memoria); });
    FormHolder<frmAbertura> abertura([&] {
        return std::make_unique<frmAbertura>(relogio, som, [&]() -> frmTolvane* {
            tolvane().Me.Show();
            return tolvane.Loaded() && !platform::programEnded() ? tolvane.get() : nullptr;
        });
    });
    abertura();
    instancia = tomandoBloqueio.get();
    if (instancia->outcome() == platform::SingleInstance::Outcome::HeldByLiveProcess) {
        platform::MsgBox(QStringLiteral("O simulado já está aberto em outra janela ou por outro usuário deste computador."));
        return 1;
    }
    abertura().Me.Show();
    inicio.finish();

    const int estado = app.exec();
    memoria.aguarda(3000);
    return estado;
}
