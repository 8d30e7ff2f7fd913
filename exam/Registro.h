#pragma once
// What the exam remembers of each question it showed, in order, for the
// review after the verdict and for the player's history of exams. Kept in
// memory only; nothing of it touches the question bank.
#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace exam {

enum class Desfecho {
    certa,         // answered right
    errada,        // answered wrong
    tempoEsgotado, // the time ran out
    pulada,        // skipped
    naTela,        // still on screen when the exam ended (stopped, or the bank ran out)
};

struct QuestaoVista {
    QString numero;                  // the bank's field numero, as text
    QString materia;                 // one of the nine subject names (or whatever the bank says)
    QString pergunta;                // decoded, without the "Questão) " prefix
    std::array<QString, 4> respostas; // decoded answers A to D, without "a) " and the others
    QString certa;                   // "A" to "D" (as the bank says)
    QString imagem;                  // the figure's file name, empty for none
    QString fonte;                   // the rule it rests on; empty in a bank without explanations
    QString explicacao;              // why the right answer is right; empty likewise
    Desfecho desfecho = Desfecho::naTela;
    QString escolhida;               // the letter the player clicked, "A" to "D"; empty otherwise
};

// One exam as it ended.
struct ResumoExame {
    QDateTime quando;                // when the verdict was given
    QString jogador;                 // the name typed on the opening screen
    int acertos = 0;
    int erros = 0;
    int esgotadas = 0;               // timed out
    int puladas = 0;                 // skipped
    int percentual = 0;              // right answers x 100 / 40, rounded down
    QString veredito;                // the verdict's message, as the player read it
    bool aprovado = false;           // 50 % or more
    std::array<int, 9> porMateria{}; // per-subject percentage, or -1 for a subject without questions
    std::vector<QuestaoVista> questoes;
};

} // namespace exam
