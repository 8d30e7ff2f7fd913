#pragma once
// The player's history as the quiz screen's memory of finished exams.
#include "exam/MemoriaExames.h"
#include "history/Historico.h"

class MemoriaHistorico final : public exam::MemoriaExames {
public:
    explicit MemoriaHistorico(history::Historico& historico) : historico_(historico) {}

    void grava(const exam::ResumoExame& exame) override { historico_.grava(exame); }

    // Asked when the player opens the review: the exam just ended is
    // normally written by then; a second at most is waited for it.
    std::vector<exam::ResumoExame> ultimos(int quantos) override
    {
        historico_.aguarda(1000);
        std::vector<exam::ResumoExame> exames;
        for (history::ExameGuardado& guardado : historico_.ultimos(quantos))
            exames.push_back(std::move(guardado.resumo));
        return exames;
    }

    QString aviso() const override { return historico_.aviso(); }

private:
    history::Historico& historico_;
};
