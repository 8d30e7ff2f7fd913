#pragma once
// Reads the question bank's readable sources (one UTF-8 file per subject,
// described in questions/FORMATO.md) and checks every question.
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace construtor {

struct QuestaoFonte {
    QString arquivo;
    int linha = 0; // the line of "pergunta:"
    QString materia;
    QString pergunta;
    std::array<QString, 4> respostas;
    QString certa;  // "A" to "D"
    QString figura; // empty when the question has none
    QString fonte;
    QString explicacao;
};

struct ErroFonte {
    QString arquivo;
    int linha = 0;
    QString motivo;
    QString texto() const;
};

struct ResultadoLeitura {
    std::vector<QuestaoFonte> questoes;
    std::vector<ErroFonte> erros;
    QStringList figurasUsadas; // file names of the figures the questions name
};

// Reads and checks every source. Figures are looked up in pastaFiguras as
// "<nome>.svg" for a question's "figura: <nome>.png". Questions repeated
// across files are refused as well as within one.
ResultadoLeitura leFontes(const QStringList& arquivos, const QString& pastaFiguras);

// The text a question is compared by: case, accents, punctuation and spacing
// folded away.
QString textoNormalizado(const QString& texto);

} // namespace construtor
