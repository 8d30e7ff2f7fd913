#pragma once
// A whole exam on the quiz screen: the bank, the manual clock, the cue
// recorder and recorded message boxes, with the moves a player makes.
#include "QuizFixture.h"
#include "bank/Materias.h"

#include <QTest>

namespace quiztest {

using sound::Cue;

class ExameTest : public QuizTest {
protected:
    // Creates, loads and shows the screen over n questions; the first one
    // comes 5 s later and takes answers from 8 s on.
    void comeca(int n = 60)
    {
        testbank::escreve(banco(), testbank::exemplos(n));
        tela = std::make_unique<frmTolvane>(relogio, aleatorio, pasta.path(), som);
        tela->Me.Show();
    }
    void segundos(double s) { relogio.advance(std::int64_t(s * 1000)); }

    // Waits for the question to open for answers (the pacing's last step).
    void esperaQuestao()
    {
        for (int i = 0; i < 30 && !tela->respondendo && !tela->encerrado; ++i)
            segundos(1);
    }
    int indiceDaCerta() const { return int(QStringLiteral("ABCD").indexOf(tela->respostaCerta)); }
    void clica(platform::forms::Control& controle) { QTest::mouseClick(controle.widget(), Qt::LeftButton); }
    void responde(bool certa)
    {
        esperaQuestao();
        const int certo = indiceDaCerta();
        clica(tela->labResposta(certa ? certo : (certo + 1) % 4));
    }
    int quantas(Cue cue) const { return int(std::count(som.calls.begin(), som.calls.end(), cue)); }
    bool algumTimerLigado() const
    {
        return tela->tmrAnima.Enabled() || tela->tmrTempo.Enabled() || tela->tmrPergunta.Enabled()
               || tela->tmrBotao.Enabled();
    }
};

} // namespace quiztest
