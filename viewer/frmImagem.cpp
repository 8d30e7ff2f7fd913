#include "frmImagem.h"

#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/forms/Screen.h"

#include <QFileInfo>
#include <QImageReader>

frmImagem::frmImagem()
{
    Me.setCaption(QStringLiteral("TOLVANE - Figura da questão"));
    Me.setClientSize(12000, 8670);
    Me.setBackColor(platform::systemWindowBackground);
    Me.setIcon(QIcon());

    picImagem.setBorderStyle(platform::forms::Border::fixedSingle);
    picImagem.Move(0, 0, 15840, 10710);
    picImagem.setAutoSize(true);

    // Below the picture box, so a figure dragged over it covers it.
    labAviso.setBackStyle(platform::forms::Background::transparent);
    labAviso.setFont({QStringLiteral("Comic Sans MS"), 12});
    labAviso.setForeColor(platform::RGB(192, 0, 0));
    labAviso.Move(240, 240, 0, 0);
    labAviso.setAutoSize(true);
    labAviso.setVisible(false);

    Me.onActivate = [this] { Form_Activate(); };
    Me.onLoad = [this] { picImagem.SetFocus(); };
    picImagem.onKeyPress = [this](int& KeyAscii) { picImagem_KeyPress(KeyAscii); };
    picImagem.onMouseDown = [this](int b, int s, float x, float y) { picImagem_MouseDown(b, s, x, y); };
    picImagem.onMouseMove = [this](int b, int s, float x, float y) { picImagem_MouseMove(b, s, x, y); };
    picImagem.onMouseUp = [this](int b, int s, float x, float y) { picImagem_MouseUp(b, s, x, y); };
}

void frmImagem::Mostra_Figura(const QString& pastaPrograma, const QString& nomeArquivo)
{
    QString aviso;
    QPixmap figura;
    if (nomeArquivo.isEmpty()) {
        aviso = QStringLiteral("Esta questão não tem figura para mostrar.");
    } else {
        const QString caminho = platform::fileInFolder(pastaPrograma, nomeArquivo);
        if (!QFileInfo(caminho).isFile())
            aviso = QStringLiteral("Figura não encontrada: %1").arg(nomeArquivo);
        else if ((figura = platform::forms::LoadPicture(caminho)).isNull())
            aviso = QStringLiteral("Não foi possível abrir a figura %1: o arquivo está danificado ou não é uma "
                                   "imagem.")
                        .arg(nomeArquivo);
    }
    picImagem.setPicture(figura);
    picImagem.setVisible(!figura.isNull());
    labAviso.setCaption(aviso);
    labAviso.setVisible(!aviso.isEmpty());
}

void frmImagem::Form_Activate()
{
    platform::MsgBox(QStringLiteral(
        "Para retornar à tela anterior, pressione a tecla 'ESC' ou click com o botão direito do mouse"));
}

void frmImagem::picImagem_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 27)
        Me.Unload();
}

void frmImagem::picImagem_MouseDown(int, int, float X, float Y)
{
    CurrentX = X;
    CurrentY = Y;
}

// The box moves by the pointer's offset from the grab point, so the point of
// the figure under the pointer stays under it. There are no bounds.
void frmImagem::picImagem_MouseMove(int Button, int, float X, float Y)
{
    if (Button != 1)
        return;
    picImagem.setLeft(picImagem.Left() + int(X - CurrentX));
    picImagem.setTop(picImagem.Top() + int(Y - CurrentY));
}

void frmImagem::picImagem_MouseUp(int Button, int, float, float)
{
    if (Button == 2)
        Me.Unload();
}
