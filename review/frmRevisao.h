#pragma once
// The review window: after a verdict the player goes through the questions
// of the exam one at a time, with the answer they chose and the right one
// marked, the outcome, the rule it rests on and why; at the top a summary
// of the exam, at the right the last exams and a chart of how they went.
//
// One window on a blue-violet panel centred on a black screen, like the
// quiz screen. Closing it (Esc, "Fechar" or the window's close button)
// unloads it; the quiz screen behind it is left as it was.
#include "exam/Registro.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"

#include <QString>
#include <functional>
#include <vector>

class frmRevisao {
public:
    // Opens a figure file name in the picture viewer.
    using AbreFigura = std::function<void(const QString& imagem)>;

    // The exam just ended; the last exams of the player's history, newest
    // first, with or without the exam just ended at their head (empty when
    // there is no history); a line about the history to show when it is not
    // empty (for example why there is none this time).
    frmRevisao(exam::ResumoExame exame, std::vector<exam::ResumoExame> historico, QString avisoHistorico,
               AbreFigura abreFigura);
    frmRevisao(const frmRevisao&) = delete;
    frmRevisao& operator=(const frmRevisao&) = delete;

    // Centres the panel on the screen and shows the first question.
    void Form_Load();
    // Left and Right page through the questions; Esc closes the window.
    void Form_KeyDown(int& KeyCode, int Shift);

    void comAnterior_Click();
    void comProxima_Click();
    // Switches the filter "Só os erros" (wrong answers and time-outs) on and off.
    void comErros_Click();
    void comFigura_Click();
    void comFechar_Click();

    // Puts question `atual` of the filtered list on screen.
    void Mostra_Questao();

    platform::forms::Form Me;
    platform::forms::PictureBox picPainel{Me};

    // The summary.
    platform::forms::Image imgEstrela{picPainel};
    platform::forms::Label labTitulo{picPainel};
    platform::forms::Label labSituacao{picPainel};
    platform::forms::Label labQuando{picPainel};
    platform::forms::ControlArray<platform::forms::Label> labResumo; // 0 right, 1 wrong, 2 timed out, 3 skipped, 4 percentage
    platform::forms::Label labVeredito{picPainel};

    // The question.
    platform::forms::Label labContador{picPainel};
    platform::forms::Label labMateria{picPainel};
    platform::forms::Label labPergunta{picPainel};
    platform::forms::ControlArray<platform::forms::Label> labFaixa;    // 0..3: the band behind a marked answer
    platform::forms::ControlArray<platform::forms::Label> labMarca;    // 0..3: ✔ or ✘ beside the letter
    platform::forms::ControlArray<platform::forms::Label> labResposta; // 0..3: answers A..D
    platform::forms::Label labDesfecho{picPainel};
    platform::forms::Label labFonte{picPainel};
    platform::forms::Label labExplicacao{picPainel};
    platform::forms::Label labVazio{picPainel}; // in place of the question when there is none to show

    // The history.
    platform::forms::Label labHistorico{picPainel};
    platform::forms::Label labAviso{picPainel};
    platform::forms::ControlArray<platform::forms::Label> labSimulado; // one row per exam, newest first
    platform::forms::PictureBox picGrafico{picPainel};
    platform::forms::Label labFracas{picPainel};

    platform::forms::CommandButton comAnterior{picPainel};
    platform::forms::CommandButton comProxima{picPainel};
    platform::forms::CommandButton comErros{picPainel};
    platform::forms::CommandButton comFigura{picPainel};
    platform::forms::CommandButton comFechar{picPainel};

    // The review's state.
    exam::ResumoExame exame;
    std::vector<exam::ResumoExame> ultimos; // the exam just ended, then the history, newest first
    QString avisoHistorico;
    bool soErros = false;
    std::vector<int> mostradas; // indices into exame.questoes that the filter lets through
    int atual = 0;              // position in mostradas

private:
    void montaControles();
    void montaResumo();
    void montaHistorico();
    void ligaEventos();
    void filtra();
    // Stacks the labels of the history column from its top, each as tall as its text.
    void arrumaHistorico();

    AbreFigura abreFigura_;
};
