// The program's entry: the opening screen is the one start-up object.
#include "assets/Assets.h"
#include "bank/BancoQuestoes.h"
#include "exam/frmTolvane.h"
#include "MemoriaHistorico.h"
#include "frmAbertura.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "platform/ScreenScale.h"
#include "platform/SingleInstance.h"
#include "platform/forms/FormHolder.h"
#include "sound/frmSom.h"

#include <QApplication>
#include <memory>

using platform::forms::FormHolder;

int main(int argc, char* argv[])
{
    platform::explainMissingDisplay(QStringLiteral(
        "Tolvane: nenhuma tela gráfica foi encontrada. Abra o simulado numa sessão gráfica (com a variável "
        "DISPLAY ou WAYLAND_DISPLAY definida)."));
    // The screens are designed for 800 x 600: on a larger screen they grow to fill it.
    platform::scaleDesignToScreen(800, 600);
    QApplication app(argc, argv);
    platform::displayFound();
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("br.tolvane.Tolvane"));
    platform::setMessageBoxTitle(QStringLiteral("TOLVANE"));
    assets::inicializa();

    const QString pastaPrograma = platform::programFolder();
    // A second copy on the same bank would clear this copy's drawn-question marks.
    const platform::SingleInstance instancia(platform::fileInFolder(pastaPrograma, bank::arquivoBanco));
    if (instancia.outcome() == platform::SingleInstance::Outcome::HeldByLiveProcess) {
        platform::MsgBox(QStringLiteral("O simulado já está aberto em outra janela ou por outro usuário deste computador."));
        return 1;
    }

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
    abertura().Me.Show();

    const int estado = app.exec();
    memoria.aguarda(3000);
    return estado;
}
