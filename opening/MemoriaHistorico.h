#pragma once
// The player's history as the quiz screen's memory of finished exams. The
// history file is opened the first time it is needed, at the end of the
// first exam, so it costs nothing at start-up.
#include "exam/MemoriaExames.h"
#include "history/Historico.h"

#include <memory>

class MemoriaHistorico final : public exam::MemoriaExames {
public:
    explicit MemoriaHistorico(QString pasta) : pasta_(std::move(pasta)) {}

    void grava(const exam::ResumoExame& exame) override { historico().grava(exame); }

    // Asked when the player opens the review: the exam just ended is
    // normally written by then; a second at most is waited for it.
    std::vector<exam::ResumoExame> ultimos(int quantos) override
    {
        historico().aguarda(1000);
        std::vector<exam::ResumoExame> exames;
        for (history::ExameGuardado& guardado : historico().ultimos(quantos))
            exames.push_back(std::move(guardado.resumo));
        return exames;
    }

    QString aviso() const override { return historico_ ? historico_->aviso() : QString(); }

    // Before the program ends: the last exam may still be on its way to the file.
    void aguarda(int ms)
    {
        if (historico_)
            historico_->aguarda(ms);
    }

private:
    history::Historico& historico()
    {
        if (!historico_)
            historico_ = std::make_unique<history::Historico>(pasta_);
        return *historico_;
    }

    QString pasta_;
    std::unique_ptr<history::Historico> historico_;
};
