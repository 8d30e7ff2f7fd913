#pragma once
// The quiz screen: one window whose controls exist for its whole life. The
// background picture of picBase paints the mascot, the question panel and
// the buttons; transparent labels write onto it, empty images lie over the
// painted buttons as click spots, and hidden picture boxes hold the pictures
// that are copied into the visible images.
//
// The screen's state is its member variables, read and written directly by
// its handlers, as every screen of the program does.
#include "MemoriaExames.h"
#include "Registro.h"
#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/Random.h"
#include "platform/Timer.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/FormHolder.h"
#include "platform/forms/PictureBox.h"
#include "sound/CuePlayer.h"
#include "review/frmRevisao.h"
#include "viewer/frmImagem.h"

#include <QString>
#include <array>
#include <memory>

class frmTolvane {
public:
    // The clock drives the four timers; the random generator draws the
    // questions; the program folder holds the question bank; the player
    // plays the screen's sound cues; the memory, when there is one, keeps
    // each finished exam for the player's history.
    frmTolvane(platform::Clock& relogio, platform::Random& aleatorio, QString pastaPrograma,
               sound::CuePlayer& som, exam::MemoriaExames* memoria = nullptr);
    ~frmTolvane();
    frmTolvane(const frmTolvane&) = delete;
    frmTolvane& operator=(const frmTolvane&) = delete;

    // Runs once as the screen is created: the opening cue, and the pacing
    // timer that brings the first question.
    void Form_Initialize();

    // Opens the question bank; an unusable bank is reported and ends the program.
    void Form_Load();

    // However the screen is closed: every question becomes available again
    // in the bank, then the program ends.
    void Form_Unload(int& Cancel);

    // Draws an unasked question at random, puts it on screen and marks it
    // as drawn in the bank at once. With no unasked question left it changes
    // nothing and returns false.
    bool Proxima_Questao();

    // The pacing between questions: eight one-second steps that clear the
    // screen, get the player ready, bring the question and open the answers.
    void tmrPergunta_Timer();
    // The answer countdown: the panic cue at 20 seconds, the question lost at 0.
    void tmrTempo_Timer();
    // The blinking of the correct answer, then the pacing of the next question.
    void tmrAnima_Timer();
    // A second after a lifeline press: the lit button goes dark, the music resumes.
    void tmrBotao_Timer();

    void labResposta_Click(int Index);
    void labResposta_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void labPergunta_MouseMove(int Button, int Shift, float X, float Y);
    void picBase_MouseMove(int Button, int Shift, float X, float Y);
    void imgBotao_Click(int Index);
    void picFechar_Click();
    void comImagem_Click();
    void comRevisao_Click();

    // Counts the current question for its subject (right, or wrong/timed out).
    void Registra_Materia(bool acertou);
    // The end-of-exam check: with 21 wrong or 40 answered, gives the verdict
    // and shows the results; true when it did.
    bool Verifica_Fim();
    // Each subject's percentage in its score cell, or empty with no question.
    void Mostra_Desempenho();

    // The window and its controls.
    platform::forms::Form Me;

    // Hidden picture holders.
    platform::forms::PictureBox picPreparese{Me};
    platform::forms::PictureBox picParabens{Me};
    platform::forms::PictureBox picErrou{Me};
    platform::forms::PictureBox picSomOFF{Me};
    platform::forms::PictureBox picSomON{Me};
    platform::forms::PictureBox picBalaoON{Me};
    platform::forms::PictureBox picBtOn{Me};

    // The exam area and everything on it.
    platform::forms::PictureBox picBase{Me};
    platform::forms::PictureBox picDesempenho{picBase};
    platform::forms::CommandButton comImagem{picBase};
    platform::forms::CommandButton comRevisao{picBase}; // beside the results panel, after the verdict
    platform::forms::Label labPular{picBase};
    platform::forms::Label labAjuda{picBase};
    platform::forms::Label labNome{picBase};
    platform::forms::Label labTempo{picBase};
    platform::forms::Label labTexto{picBase};
    platform::forms::Label labPergunta{picBase};
    platform::forms::Image imgBalao{picBase};
    platform::forms::Image imgEstrela{picBase};
    platform::forms::ControlArray<platform::forms::Label> labResposta; // 0..3: answers A..D
    platform::forms::ControlArray<platform::forms::Image> imgBotao;    // 0 skip, 1 help, 2 sound, 3 end, 4 exit
    platform::forms::ControlArray<platform::forms::Label> labEtiqueta; // 0..2 captions, 3..11 subjects, 12 panel title

    // The results panel.
    platform::forms::PictureBox picFechar{picDesempenho};
    platform::forms::ControlArray<platform::forms::Label> labDesempenho; // 1..9: one score per subject

    platform::Timer tmrAnima;
    platform::Timer tmrTempo;
    platform::Timer tmrPergunta;
    platform::Timer tmrBotao;

    // The picture viewer, created when comImagem is first pressed.
    platform::forms::FormHolder<::frmImagem> frmImagem{[] { return std::make_unique<::frmImagem>(); }};
    // The review of the exam's questions, opened from beside the results panel.
    platform::forms::FormHolder<::frmRevisao> frmRevisao{[this] { return criaRevisao(); }};

    // The exam's state.
    std::unique_ptr<platform::Database> bancoDados;
    std::unique_ptr<platform::Recordset> registros;
    QString textoSql;
    QString textoPergunta;
    QString respostaCerta;
    QString materiaAtual;
    int somDesligado = 0;
    int acertos = 0;
    int erros = 0;
    int tempoRestante = 0;
    int ajudasRestantes = 0;
    int pulosRestantes = 0;
    std::array<int, 10> respondidasPorMateria{}; // index = subject 1..9; 0 unused
    int indiceCerta = 0;

    // The tick counters of the pacing and of the blinking, kept between ticks.
    int toquesPergunta = 0;
    int toquesAnima = 0;
    // A question is on screen and its countdown runs: answers, skip and help count.
    bool respondendo = false;
    // A verdict was given: nothing of the exam moves any more.
    bool encerrado = false;

    // Every question shown, in order, with what became of it; and the exam
    // as it ended, once a verdict is given.
    std::vector<exam::QuestaoVista> questoesVistas;
    exam::ResumoExame resumo;

private:
    void montaControles();
    void montaPainelDesempenho();
    void ligaEventos();
    void falhaDoBanco(const QString& mensagem);
    // indiceCerta from respostaCerta ("A" to "D"); any other letter leaves it.
    void marcaIndiceCerta();
    void tocaSeLigado(void (sound::CuePlayer::*cue)());
    // The verdict closes the exam: every timer stops and nothing takes input
    // any more but the results panel's close mark and the window itself.
    void fechaExame();
    void mostraResultado();
    // The stop verdict over the full 40 questions: unanswered ones count as wrong.
    void paraComVeredito();
    // Shows the verdict's box and keeps its text for the exam's summary.
    void daVeredito(const QString& texto);
    void registraQuestao();
    void registraDesfecho(exam::Desfecho desfecho, const QString& escolhida = QString());
    void fechaResumo();
    void mostraFigura(const QString& nomeArquivo);
    std::unique_ptr<::frmRevisao> criaRevisao();

    platform::Random& aleatorio_;
    QString pastaPrograma_;
    sound::CuePlayer& som_;
    exam::MemoriaExames* memoria_;
};
