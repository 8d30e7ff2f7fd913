#pragma once
// The opening screen and the program's start-up object: it fills the
// decoding tables, animates the title figure with music, takes the player's
// name and starts the exam.
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/TextBox.h"
#include "sound/CuePlayer.h"

#include <functional>

class frmTolvane;

class frmAbertura {
public:
    // Creates, loads and shows the quiz screen; returns it, or nullptr when
    // it could not be loaded (the program is then ending).
    using MostraTolvane = std::function<frmTolvane*()>;

    frmAbertura(platform::Clock& relogio, sound::CuePlayer& som, MostraTolvane mostraTolvane);
    frmAbertura(const frmAbertura&) = delete;
    frmAbertura& operator=(const frmAbertura&) = delete;

    void Form_Load();
    void Form_Activate();
    void tmrAnima_Timer();
    void tmrSom_Timer();
    void txtNome_Change();
    void txtNome_KeyPress(int& KeyAscii);
    void comComecar_Click();
    void comSair_Click();

    platform::forms::Form Me;
    platform::forms::ControlArray<platform::forms::PictureBox> picAnima; // 1..12 frames; 0 empty
    platform::forms::CommandButton comSair{Me};
    platform::forms::TextBox txtNome{Me};
    platform::forms::CommandButton comComecar{Me};
    platform::forms::PictureBox picFigura{Me};
    platform::forms::ControlArray<platform::forms::Label> labEtiqueta; // 0 prompt, 2 title

    platform::Timer tmrSom;
    platform::Timer tmrAnima;

    // The animation's counters, kept between ticks.
    int passo = 0;
    int quadroVolta = 0;
    int toquesSom = 0;

private:
    void montaControles();
    void Comeca_Exame();
    // Frame 1..12 of the hop, read into its holder the first time it is needed.
    const QPixmap& quadro(int numero);

    sound::CuePlayer& som_;
    MostraTolvane mostraTolvane_;
};
