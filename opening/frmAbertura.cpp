#include "frmAbertura.h"

#include "assets/Assets.h"
#include "bank/modExterno.h"
#include "exam/frmTolvane.h"
#include "platform/Program.h"
#include "platform/forms/Screen.h"

frmAbertura::frmAbertura(platform::Clock& relogio, sound::CuePlayer& som, MostraTolvane mostraTolvane)
    : tmrSom(relogio), tmrAnima(relogio), som_(som), mostraTolvane_(std::move(mostraTolvane))
{
    montaControles();
    Me.onLoad = [this] { Form_Load(); };
    Me.onActivate = [this] { Form_Activate(); };
    tmrAnima.onTimer = [this] { tmrAnima_Timer(); };
    tmrSom.onTimer = [this] { tmrSom_Timer(); };
    txtNome.onChange = [this] { txtNome_Change(); };
    txtNome.onKeyPress = [this](int& KeyAscii) { txtNome_KeyPress(KeyAscii); };
    comComecar.onClick = [this] { comComecar_Click(); };
    comSair.onClick = [this] { comSair_Click(); };
}

void frmAbertura::Form_Load()
{
    // Centred on the whole screen, not the window's inner area.
    picFigura.Move(int(float(platform::forms::ScreenWidth() - picFigura.Width()) / 2.0f),
                   int(float(platform::forms::ScreenHeight() - picFigura.Height()) / 2.0f));
    modExterno::Preenche_Tabelas();
    txtNome.SetFocus();
}

void frmAbertura::Form_Activate()
{
    tmrAnima.setEnabled(true);
    som_.Abertura_Iniciar();
}

// One step of the hop: frames 1 to 11 forward, 11 down to 1 back, then one
// tick at rest before the cycle starts again.
void frmAbertura::tmrAnima_Timer()
{
    ++passo;
    if (passo < 12) {
        quadroVolta = 12;
        picFigura.setPicture(quadro(passo));
        return;
    }
    --quadroVolta;
    if (quadroVolta <= 0) {
        passo = 0;
        return;
    }
    picFigura.setPicture(quadro(quadroVolta));
}

const QPixmap& frmAbertura::quadro(int numero)
{
    platform::forms::PictureBox& holder = picAnima(numero);
    if (holder.Picture().isNull())
        holder.setPicture(assets::quadroDaAbertura(numero));
    return holder.Picture();
}

void frmAbertura::tmrSom_Timer()
{
    if (++toquesSom == 4) {
        toquesSom = 0;
        som_.Abertura_Iniciar();
    }
}

void frmAbertura::txtNome_Change()
{
    comComecar.setEnabled(true);
}

void frmAbertura::txtNome_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        Comeca_Exame();
}

void frmAbertura::comComecar_Click()
{
    Comeca_Exame();
}

void frmAbertura::comSair_Click()
{
    platform::endProgram();
}

void frmAbertura::Comeca_Exame()
{
    tmrAnima.setEnabled(false);
    tmrSom.setEnabled(false);
    som_.Click_Iniciar();
    frmTolvane* tolvane = mostraTolvane_();
    if (!tolvane)
        return; // the quiz screen could not load; the program is ending
    tolvane->labNome.setCaption(QStringLiteral("Jogador : ") + txtNome.Text());
    Me.Unload();
}
