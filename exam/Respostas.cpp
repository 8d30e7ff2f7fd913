// Judging an answer, counting it for its subject, and the verdict that ends
// the exam with the results panel.
#include "frmTolvane.h"

#include "Regras.h"
#include "bank/Materias.h"
#include "platform/MessageBox.h"

using namespace exam::regras;

namespace {
// The answer labels 0..3 hold answers A..D.
const QString letras = QStringLiteral("ABCD");
} // namespace

void frmTolvane::labResposta_Click(int Index)
{
    // Only the question on screen is answered, once: clicks during the
    // blinking or the pacing after a time-out or a skip are ignored.
    if (!respondendo)
        return;
    respondendo = false;

    tocaSeLigado(&sound::CuePlayer::Click_Iniciar);
    tmrTempo.setEnabled(false);
    Me.setEnabled(false);
    labResposta(Index).setForeColor(platform::systemButtonText);
    marcaIndiceCerta();
    tmrAnima.setEnabled(true);

    const bool acertou = Index >= 0 && Index <= 3 && respostaCerta == QString(letras.at(Index));
    if (acertou) {
        tocaSeLigado(&sound::CuePlayer::Certo_Iniciar);
        ++acertos;
        labTexto.setCaption(QStringLiteral("Parabéns. Você acertou."));
        imgEstrela.setPicture(picParabens.Picture());
    } else {
        tocaSeLigado(&sound::CuePlayer::Erro_Iniciar);
        ++erros;
        labTexto.setCaption(QStringLiteral("Você errou.Tente a próxima."));
        imgEstrela.setPicture(picErrou.Picture());
    }
    registraDesfecho(acertou ? exam::Desfecho::certa : exam::Desfecho::errada, letras.at(Index));
    Registra_Materia(acertou);
    Verifica_Fim();
}

void frmTolvane::Registra_Materia(bool acertou)
{
    const int k = bank::numeroDaMateria(materiaAtual);
    if (k == 0)
        return; // a subject outside the table counts in the totals only
    platform::forms::Label& nota = labDesempenho(k);
    if (nota.Caption() == QStringLiteral("-1"))
        nota.setCaption(QStringLiteral("0"));
    ++respondidasPorMateria[std::size_t(k)];
    if (acertou)
        nota.setCaption(QString::number(nota.Caption().toInt() + 1));
}

bool frmTolvane::Verifica_Fim()
{
    if (erros == maxErros) {
        fechaExame();
        daVeredito(QStringLiteral("Não é mais possível atingir o valor mínimo de 50%. Tente novamente."));
        mostraResultado();
        return true;
    }
    if (acertos + erros == maxQuestoes) {
        fechaExame();
        daVeredito(QStringLiteral("O número máximo de questões já foi atingido. Seu desempenho foi de %1%. "
                                  "Parabéns.")
                       .arg(percentual(acertos)));
        mostraResultado();
        return true;
    }
    return false;
}

void frmTolvane::Mostra_Desempenho()
{
    const int total = acertos + erros;
    for (int k = 1; k <= bank::numeroMaterias; ++k) {
        platform::forms::Label& nota = labDesempenho(k);
        const int respondidas = respondidasPorMateria[std::size_t(k)];
        if (nota.Caption() == QStringLiteral("-1") || respondidas <= 0) {
            nota.setCaption(QString());
            continue;
        }
        // Short of 40 scored questions every subject is measured against the
        // whole exam; after 40, against its own questions.
        const int certas = nota.Caption().toInt();
        const int pct = total < maxQuestoes ? percentual(certas) : percentual(certas, respondidas);
        nota.setCaption(QString::number(pct) + QStringLiteral(" %"));
    }
}

void frmTolvane::fechaExame()
{
    encerrado = true;
    respondendo = false;
    for (platform::Timer* timer : {&tmrAnima, &tmrTempo, &tmrPergunta, &tmrBotao})
        timer->setEnabled(false);
    for (int i = 0; i <= 3; ++i) {
        labResposta(i).setEnabled(false);
        labResposta(i).setForeColor(platform::systemButtonText);
    }
    for (int i = 0; i <= 4; ++i)
        imgBotao(i).setEnabled(false);
    // The lit knob of a skip or help pressed just before goes dark with its timer.
    for (int i = 0; i <= 1; ++i)
        imgBotao(i).setPicture(QPixmap());
    comImagem.setEnabled(false);
    // The answer had disabled the whole window; the results panel must take its click.
    Me.setEnabled(true);
}

void frmTolvane::daVeredito(const QString& texto)
{
    resumo.veredito = texto;
    platform::MsgBox(texto);
}

void frmTolvane::mostraResultado()
{
    picDesempenho.setVisible(true);
    Mostra_Desempenho();
    fechaResumo();
    comRevisao.setVisible(true);
    if (memoria_)
        memoria_->grava(resumo);
}

void frmTolvane::paraComVeredito()
{
    const int pct = percentual(acertos);
    const QString inicio = QStringLiteral("Você não atingiu o número de 40 questões respondidas, e estas serão "
                                          "consideradas como respostas erradas. Seu desempenho foi de %1")
                               .arg(pct);
    daVeredito(inicio + (pct >= notaMinima ? QStringLiteral("%. Parabéns.")
                                           : QStringLiteral("%. Não atingiu o mínimo necessário.")));
    mostraResultado();
}

void frmTolvane::marcaIndiceCerta()
{
    if (respostaCerta.size() == 1 && letras.contains(respostaCerta.at(0)))
        indiceCerta = int(letras.indexOf(respostaCerta.at(0)));
}

void frmTolvane::tocaSeLigado(void (sound::CuePlayer::*cue)())
{
    if (somDesligado == 0)
        (som_.*cue)();
}
