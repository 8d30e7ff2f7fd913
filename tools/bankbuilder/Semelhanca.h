#pragma once
// Finds questions that ask nearly the same thing in other words, which the
// exact duplicate check cannot see.
#include "FonteQuestoes.h"

namespace construtor {

// Share of words two texts have in common (Jaccard index of their normalised
// word sets, 0 to 1).
double semelhanca(const QString& a, const QString& b);

// Pairs of questions over the same figure (or both without one) whose
// question texts share at least `limite` of their words and whose right
// answers are much alike. Each pair is
// reported once, on the later question.
std::vector<ErroFonte> questoesParecidas(const std::vector<QuestaoFonte>& questoes, double limite = 0.8);

} // namespace construtor
