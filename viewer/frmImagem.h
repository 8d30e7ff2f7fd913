#pragma once
// The picture viewer: a question's figure in a window of its own over the
// quiz screen, which goes on behind it. The player drags the figure with the
// left button, and goes back with Esc or a right click; a message at every
// activation says so. A figure that cannot be shown is said to be missing in
// the window itself, and the exam goes on.
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"

#include <QString>

class frmImagem {
public:
    frmImagem();
    frmImagem(const frmImagem&) = delete;
    frmImagem& operator=(const frmImagem&) = delete;

    // Puts the figure file into the picture box, which keeps its place; with
    // no file name (the question has none, or there is no current question)
    // or a file that cannot be read, the box is emptied and a notice says why.
    void Mostra_Figura(const QString& pastaPrograma, const QString& nomeArquivo);

    void Form_Activate();
    void picImagem_KeyPress(int& KeyAscii);
    void picImagem_MouseDown(int Button, int Shift, float X, float Y);
    void picImagem_MouseMove(int Button, int Shift, float X, float Y);
    void picImagem_MouseUp(int Button, int Shift, float X, float Y);

    platform::forms::Form Me;
    platform::forms::PictureBox picImagem{Me};
    platform::forms::Label labAviso{Me};

    // The grab point: where in the picture box the last button went down.
    float CurrentX = 0;
    float CurrentY = 0;
};
