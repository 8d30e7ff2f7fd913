#include "frmTolvane.h"

#include "bank/BancoQuestoes.h"
#include "bank/Materias.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "Regras.h"
#include "platform/forms/Screen.h"

frmTolvane::frmTolvane(platform::Clock& relogio, platform::Random& aleatorio, QString pastaPrograma,
                       sound::CuePlayer& som, exam::MemoriaExames* memoria)
    : tmrAnima(relogio),
      tmrTempo(relogio),
      tmrPergunta(relogio),
      tmrBotao(relogio),
      aleatorio_(aleatorio),
      pastaPrograma_(std::move(pastaPrograma)),
      som_(som),
      memoria_(memoria)
{
    montaControles();
    ligaEventos();
}

void frmTolvane::ligaEventos()
{
    Me.onInitialize = [this] { Form_Initialize(); };
    Me.onLoad = [this] { Form_Load(); };
    Me.onUnload = [this](int& Cancel) { Form_Unload(Cancel); };
    tmrPergunta.onTimer = [this] { tmrPergunta_Timer(); };
    tmrTempo.onTimer = [this] { tmrTempo_Timer(); };
    tmrAnima.onTimer = [this] { tmrAnima_Timer(); };
    tmrBotao.onTimer = [this] { tmrBotao_Timer(); };
    labResposta.onClick = [this](int Index) { labResposta_Click(Index); };
    labResposta.onMouseMove = [this](int Index, int b, int s, float x, float y) {
        labResposta_MouseMove(Index, b, s, x, y);
    };
    labPergunta.onMouseMove = [this](int b, int s, float x, float y) { labPergunta_MouseMove(b, s, x, y); };
    picBase.onMouseMove = [this](int b, int s, float x, float y) { picBase_MouseMove(b, s, x, y); };
    imgBotao.onClick = [this](int Index) { imgBotao_Click(Index); };
    picFechar.onClick = [this] { picFechar_Click(); };
    comImagem.onClick = [this] { comImagem_Click(); };
    comRevisao.onClick = [this] { comRevisao_Click(); };
}

frmTolvane::~frmTolvane()
{
    // The record set belongs to the database: release it first.
    registros.reset();
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
    comRevisao.Move(picDesempenho.Left() + picDesempenho.Width() + 120, picDesempenho.Top());
    somDesligado = 0;
    acertos = 0;
    erros = 0;
    tempoRestante = exam::regras::tempoQuestao;
    ajudasRestantes = exam::regras::usosIniciais;
    pulosRestantes = exam::regras::usosIniciais;
    for (int materia = 1; materia <= bank::numeroMaterias; ++materia)
        respondidasPorMateria[std::size_t(materia)] = 0;
}

void frmTolvane::Form_Unload(int& /*Cancel*/)
{
    if (bancoDados) {
        try {
            bank::Zera_Marcas(*bancoDados, textoSql, registros);
        } catch (const platform::DatabaseError& erro) {
            // The marks stay behind; the next run clears them when it opens the bank.
            platform::MsgBox(QStringLiteral("Não foi possível liberar as questões sorteadas:\n%1")
                                 .arg(bank::mensagemDaFalha(erro)));
        }
    }
    platform::endProgram();
}

// The exam cannot go on without its bank: say why, then end the program as
// a failed run.
void frmTolvane::falhaDoBanco(const QString& mensagem)
{
    fechaExame();
    platform::MsgBox(mensagem);
    platform::endProgram(1);
}
