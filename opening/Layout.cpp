// The opening screen's controls as they are when the window is created.
#include "frmAbertura.h"

#include "assets/Assets.h"
#include "platform/forms/Screen.h"

#include <QPalette>

using namespace platform::forms;

namespace {

const QString fonteTela = QStringLiteral("Comic Sans MS");
constexpr platform::ColorValue azul = platform::RGB(0, 0, 255);

void rotulo(Label& label, int left, int top, const QString& caption, double tamanho)
{
    label.setBackStyle(Background::transparent);
    label.setFont({fonteTela, tamanho});
    label.setForeColor(platform::systemHighlightText);
    label.Move(left, top, 0, 0);
    label.setAutoSize(true);
    label.setCaption(caption);
}

void botao(CommandButton& botao, int left, int top, const QString& caption)
{
    botao.Move(left, top, 1935, 375);
    botao.setFont({fonteTela, 9});
    botao.setCaption(caption);
}

} // namespace

void frmAbertura::montaControles()
{
    Me.setCaption(QStringLiteral("TOLVANE"));
    Me.setClientSize(12000, 8670);
    Me.setBackColor(platform::systemMenuText);
    Me.setIcon(QIcon());

    // Hidden frame holders in a 4 x 3 grid, as a form designer would see them.
    picAnima.Load(0, Me).Move(1560, 3600, 495, 495);
    for (int quadro = 1; quadro <= 12; ++quadro) {
        PictureBox& holder = picAnima.Load(quadro, Me);
        holder.Move(240 + ((quadro - 1) / 3) * 600, 4200 + ((quadro - 1) % 3) * 600, 495, 495);
        // Frame 1 shows at once; the others are read as the hop first needs
        // them, so the window appears without waiting for twelve pictures.
        if (quadro == 1)
            holder.setPicture(assets::quadroDaAbertura(quadro));
    }
    for (const auto& [indice, holder] : picAnima) {
        holder->setBorderStyle(Border::none);
        holder->setVisible(false);
    }

    botao(comSair, 9840, 7320, QStringLiteral("&Sair"));
    comSair.setVisible(false);

    txtNome.Move(4800, 8280, 4575, 375);
    txtNome.setFont({fonteTela, 9});
    txtNome.setMaxLength(0);
    QPalette cores = txtNome.widget()->palette();
    cores.setColor(QPalette::Base, platform::toQColor(platform::systemWindowBackground));
    cores.setColor(QPalette::Text, platform::toQColor(azul));
    txtNome.widget()->setPalette(cores);

    botao(comComecar, 9840, 8280, QStringLiteral("&Começar"));
    comComecar.setEnabled(false);

    picFigura.setBorderStyle(Border::none);
    picFigura.Move(360, 2040, 8820, 2730);
    picFigura.setAutoSize(true);
    picFigura.setPicture(picAnima(1).Picture());

    rotulo(labEtiqueta.Load(2, Me), 840, 600, QStringLiteral("Simuladão para prova de habilitação de Tolvane"), 20.25);
    rotulo(labEtiqueta.Load(0, Me), 3240, 8400, QStringLiteral("Digite seu nome"), 9.75);

    stackFrontToBack({&comSair, &txtNome, &comComecar, &picFigura});
    setFocusOrder({&txtNome, &picFigura, &comComecar});

    tmrAnima.setInterval(200);
    tmrSom.setInterval(60000);
}
