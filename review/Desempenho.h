#pragma once
// What the review tells from the player's last exams: which exams to show
// (the one just ended first, never twice), each subject's average, and the
// two weakest subjects.
#include "exam/Registro.h"

#include <QString>
#include <vector>

namespace review {

// The same exam as the history stored it: same moment (to the second, as
// the history keeps it), same player, same counts.
bool mesmoExame(const exam::ResumoExame& a, const exam::ResumoExame& b);

// The exam just ended followed by the history, newest first. The history
// may already start with this exam (it was written before the review was
// opened) or not (no history, or its write is still under way).
std::vector<exam::ResumoExame> comOAtual(const exam::ResumoExame& atual,
                                         const std::vector<exam::ResumoExame>& historico);

struct MediaMateria {
    int materia = 0; // 1..9
    int media = -1;  // average of the percentages, rounded; -1 when no exam had the subject
};

// Each subject's average percentage over the exams given, counting only the
// exams in which the subject had questions (-1 in porMateria).
std::vector<MediaMateria> mediasPorMateria(const std::vector<exam::ResumoExame>& exames);

// The subjects with the lowest averages, weakest first, at most `quantas`;
// subjects without questions in any of the exams are left out. Equal
// averages keep the exam's subject order.
std::vector<MediaMateria> maisFracas(const std::vector<exam::ResumoExame>& exames, int quantas);

// How many of the last exams the weakest subjects are taken from.
inline constexpr int examesParaFracas = 5;

// The sentence naming the two weakest subjects of the first five exams given.
QString fraseMaisFracas(const std::vector<exam::ResumoExame>& ultimos);

// A subject's name short enough for the chart's rows ("Normas", "Socorros").
QString nomeCurto(int materia);

} // namespace review
