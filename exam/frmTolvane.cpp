#include "frmTolvane.h"

#include "bank/BancoQuestoes.h"
#include "platform/MessageBox.h"
#include "platform/forms/Programa.h"
#include "platform/forms/Screen.h"

frmTolvane::frmTolvane(platform::Clock& relogio, platform::Random& aleatorio, QString pastaPrograma,
                       sound::CuePlayer& som)
    : tmrAnima(relogio),
      tmrTempo(relogio),
      tmrPergunta(relogio),
      tmrBotao(relogio),
      aleatorio_(aleatorio),
      pastaPrograma_(std::move(pastaPrograma)),
      som_(som)
{
    montaControles();
    Me.onUnload = [this] { Form_Unload(); };
    Form_Initialize();
}

frmTolvane::~frmTolvane()
{
    // The record set belongs to the database: release it first.
    registros.reset();
}

void frmTolvane::Show()
{
    if (!carregado_) {
        carregado_ = true;
        Form_Load();
    }
    if (!platform::forms::programaEncerrado())
        Me.Show();
}

void frmTolvane::Form_Initialize()
{
    // The sound switch is only set by Form_Load, so here it still reads 0.
    if (somDesligado == 0)
        som_.Abre_Iniciar();
    tmrPergunta.setEnabled(true);
}

void frmTolvane::Form_Load()
{
    try {
        bancoDados = bank::Abre_Banco(pastaPrograma_);
    } catch (const bank::BancoInvalido& erro) {
        falhaDoBanco(erro.mensagem());
        return;
    }
    using platform::forms::ScreenHeight;
    using platform::forms::ScreenWidth;
    picBase.Move((ScreenWidth() - picBase.Width()) / 2, (ScreenHeight() - picBase.Height()) / 2);
    picDesempenho.Move((picBase.Width() - picDesempenho.Width()) / 2,
                       (picBase.Height() - picDesempenho.Height()) / 2);
    somDesligado = 0;
    acertos = 0;
    erros = 0;
    tempoRestante = 60;
    ajudasRestantes = 3;
    pulosRestantes = 3;
    for (int materia = 1; materia <= 9; ++materia)
        respondidasPorMateria[std::size_t(materia)] = 0;
}

void frmTolvane::Form_Unload()
{
    if (bancoDados) {
        try {
            bank::Zera_Marcas(*bancoDados, textoSql, registros);
        } catch (const platform::DatabaseError& erro) {
            // The marks stay behind; the next run clears them when it opens the bank.
            platform::MsgBox(QStringLiteral("Não foi possível liberar as questões sorteadas:\n%1").arg(erro.message()));
        }
    }
    platform::forms::EncerraPrograma();
}

// The exam cannot go on without its bank: say why, then end the program.
void frmTolvane::falhaDoBanco(const QString& mensagem)
{
    platform::MsgBox(mensagem);
    platform::forms::EncerraPrograma();
}
