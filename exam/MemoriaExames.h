#pragma once
// Where finished exams go, and come back from for the review: the player's
// history. The quiz screen hands over each exam at its verdict and asks for
// the last ones when the review opens; it never waits on the writing.
#include "Registro.h"

#include <QString>
#include <vector>

namespace exam {

class MemoriaExames {
public:
    virtual ~MemoriaExames() = default;
    // Keeps the exam; returns at once.
    virtual void grava(const ResumoExame& exame) = 0;
    // The last exams, newest first, without their questions.
    virtual std::vector<ResumoExame> ultimos(int quantos) = 0;
    // One line for the player when the history is off or was started anew; empty otherwise.
    virtual QString aviso() const = 0;
};

} // namespace exam
