// The pace of the exam between answers: the eight steps that bring each
// question, the blinking of the correct answer after an answer or a
// time-out, the lit lifeline button, and the hover highlight of the answers.
#include "frmTolvane.h"

#include "Regras.h"

namespace {

constexpr platform::ColorValue normal = platform::systemButtonText;
constexpr platform::ColorValue azul = platform::RGB(0, 0, 255);
constexpr platform::ColorValue vermelho = platform::RGB(255, 0, 0);

// A colour is written only when it changes: mouse moves come in bursts.
void pinta(platform::forms::Label& label, platform::ColorValue cor)
{
    if (label.ForeColor() != cor)
        label.setForeColor(cor);
}

} // namespace

void frmTolvane::tmrPergunta_Timer()
{
    ++toquesPergunta;
    switch (toquesPergunta) {
    case 2:
        tempoRestante = exam::regras::tempoQuestao;
        labTempo.setCaption(QString::number(tempoRestante) + QStringLiteral(" seg."));
        labPergunta.setCaption(QString());
        labTexto.setCaption(QString());
        for (int i = 0; i <= 3; ++i)
            labResposta(i).setCaption(QString());
        break;
    case 3:
        imgBalao.setPicture(picBalaoON.Picture());
        labTexto.setCaption(QStringLiteral("Prepare-se para a questão."));
        imgEstrela.setPicture(picPreparese.Picture());
        break;
    case 5:
        tocaSeLigado(&sound::CuePlayer::Intro_Iniciar);
        if (!Proxima_Questao()) {
            // Every question of the bank has been drawn: the exam ends here,
            // as if the player had stopped it, rather than going on empty.
            if (encerrado)
                return; // the bank failed and the program is ending
            toquesPergunta = 0;
            fechaExame();
            platform::MsgBox(QStringLiteral("O banco de questões não tem mais questões para sortear. "
                                            "O simulado termina aqui."));
            paraComVeredito();
            return;
        }
        labTexto.setCaption(QStringLiteral("Pense bastante antes de responder, mas cuidado com o tempo."));
        break;
    case 8:
        tocaSeLigado(&sound::CuePlayer::Jogo_Iniciar);
        toquesPergunta = 0;
        tmrTempo.setEnabled(true);
        tmrPergunta.setEnabled(false);
        if (!labResposta(0).Enabled())
            for (int i = 0; i <= 3; ++i)
                labResposta(i).setEnabled(true);
        Me.setEnabled(true);
        respondendo = true;
        break;
    default:
        break; // pauses
    }
}

void frmTolvane::tmrAnima_Timer()
{
    ++toquesAnima;
    platform::forms::Label& certa = labResposta(indiceCerta);
    certa.setForeColor(certa.ForeColor() == normal ? vermelho : normal);
    if (toquesAnima > 7) {
        toquesAnima = 0;
        certa.setForeColor(normal);
        tmrAnima.setEnabled(false);
        tmrPergunta.setEnabled(true);
    }
}

void frmTolvane::tmrBotao_Timer()
{
    // Both spots go dark, whichever was pressed: the painted knob shows again.
    for (int i = 0; i <= 1; ++i)
        imgBotao(i).setPicture(QPixmap());
    tmrBotao.setEnabled(false);
    // The press's click cut the music off; it starts again from the beginning.
    tocaSeLigado(&sound::CuePlayer::Jogo_Iniciar);
}

void frmTolvane::labResposta_MouseMove(int Index, int, int, float, float)
{
    pinta(labResposta(Index), azul);
    for (int i = 0; i <= 3; ++i)
        if (i != Index)
            pinta(labResposta(i), normal);
}

void frmTolvane::labPergunta_MouseMove(int, int, float, float)
{
    for (int i = 0; i <= 3; ++i)
        pinta(labResposta(i), normal);
}

void frmTolvane::picBase_MouseMove(int Button, int Shift, float X, float Y)
{
    labPergunta_MouseMove(Button, Shift, X, Y);
}

void frmTolvane::picFechar_Click()
{
    Me.Unload();
}
