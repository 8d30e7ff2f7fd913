// The answer countdown, the five buttons painted on the background (skip,
// help, sound, stop, exit) and the picture button.
#include "frmTolvane.h"

#include "Regras.h"
#include "platform/MessageBox.h"

using namespace exam::regras;

void frmTolvane::tmrTempo_Timer()
{
    --tempoRestante;
    labTempo.setCaption(QString::number(tempoRestante) + QStringLiteral(" seg."));
    if (tempoRestante == tempoAviso) {
        tocaSeLigado(&sound::CuePlayer::Panico_Iniciar);
        return;
    }
    if (tempoRestante != 0)
        return;

    // Time is up: the question is lost, without counting as wrong.
    if (frmImagem.Loaded())
        frmImagem.get()->Me.Unload();
    tmrTempo.setEnabled(false);
    respondendo = false;
    tocaSeLigado(&sound::CuePlayer::Erro_Iniciar);
    labTexto.setCaption(QStringLiteral("Tempo esgotado.Tente a próxima."));
    imgEstrela.setPicture(picErrou.Picture());
    marcaIndiceCerta();
    registraDesfecho(exam::Desfecho::tempoEsgotado);
    Registra_Materia(false);
    if (!Verifica_Fim())
        tmrAnima.setEnabled(true);
}

void frmTolvane::imgBotao_Click(int Index)
{
    // Skip and help serve the question on screen only: pressed during the
    // blinking or the pacing they would spend a use on a question that is gone.
    if ((Index == 0 || Index == 1) && !respondendo)
        return;
    tocaSeLigado(&sound::CuePlayer::Click_Iniciar);

    switch (Index) {
    case 0: // skip
        --pulosRestantes;
        labPular.setCaption(QString::number(pulosRestantes));
        tmrTempo.setEnabled(false);
        respondendo = false;
        registraDesfecho(exam::Desfecho::pulada);
        imgBotao(0).setPicture(picBtOn.Picture());
        tmrBotao.setEnabled(true);
        tmrPergunta.setEnabled(true);
        if (pulosRestantes == 0)
            imgBotao(0).setEnabled(false);
        break;
    case 1: { // help: one or two of the wrong letters
        --ajudasRestantes;
        labAjuda.setCaption(QString::number(ajudasRestantes));
        imgBotao(1).setPicture(picBtOn.Picture());
        tmrBotao.setEnabled(true);
        const QString erradas = respostaCerta == QStringLiteral("A")   ? QStringLiteral("BCD")
                                : respostaCerta == QStringLiteral("B") ? QStringLiteral("ACD")
                                : respostaCerta == QStringLiteral("C") ? QStringLiteral("ABD")
                                                                       : QStringLiteral("ABC");
        const auto sorteia = [&] {
            aleatorio_.Randomize();
            return erradas.at(std::min(2, int(3.0f * aleatorio_.Rnd())));
        };
        const QChar primeira = sorteia();
        const QChar segunda = sorteia();
        const QString texto = primeira == segunda ? QString(primeira)
                                                  : QString(primeira) + QStringLiteral(" ou ") + segunda;
        labTexto.setCaption(QStringLiteral("A resposta correta não é ") + texto);
        if (ajudasRestantes == 0)
            imgBotao(1).setEnabled(false);
        break;
    }
    case 2: // sound on and off; the click above sounded only when switching off
        if (somDesligado == 0) {
            somDesligado = 1;
            imgBotao(2).setPicture(picSomOFF.Picture());
        } else {
            somDesligado = 0;
            imgBotao(2).setPicture(picSomON.Picture());
            som_.Jogo_Iniciar();
        }
        break;
    case 3: // stop: a verdict over the full 40 questions
        fechaExame();
        paraComVeredito();
        break;
    case 4: // exit
        Me.Unload();
        break;
    default:
        break;
    }
}

void frmTolvane::comImagem_Click()
{
    // The figure of the question on screen; after the bank ran out there is
    // none, and the viewer says so.
    QString nome;
    if (registros && !registros->Eof())
        nome = registros->Field(QStringLiteral("imagem")).value_or(QString());
    if (nome == QStringLiteral("N"))
        nome.clear();
    mostraFigura(nome);
}

void frmTolvane::mostraFigura(const QString& nomeArquivo)
{
    ::frmImagem& visualizador = frmImagem();
    visualizador.Me.Load();
    visualizador.Mostra_Figura(pastaPrograma_, nomeArquivo);
    visualizador.Me.Show();
}

void frmTolvane::comRevisao_Click()
{
    frmRevisao().Me.Show();
}

std::unique_ptr<::frmRevisao> frmTolvane::criaRevisao()
{
    std::vector<exam::ResumoExame> anteriores;
    QString aviso;
    if (memoria_) {
        anteriores = memoria_->ultimos(10);
        aviso = memoria_->aviso();
    }
    return std::make_unique<::frmRevisao>(resumo, std::move(anteriores), aviso,
                                          [this](const QString& imagem) { mostraFigura(imagem); });
}
