#pragma once
// Cues a test-wise player could answer by without knowing the rule. They are
// warnings, not errors: a question may have a good reason for one, and about
// one question in four has the longest right answer by chance alone.
#include "FonteQuestoes.h"

namespace construtor {

// The right answer has more characters than each of the other three.
bool certaUnicaMaisLonga(const QuestaoFonte& questao);

// The right answer is the only one without an absolute word ("somente",
// "sempre", "nunca", "todos"...), while each of the other three has one.
bool certaUnicaSemPalavraAbsoluta(const QuestaoFonte& questao);

// The three wrong answers begin with the same word and the right one with
// another ("Só os..." three times against "Todas as pessoas...", "Dar..."
// against "Não dar..."), so the odd one out gives itself away. Case, accents
// and punctuation do not count, nor do articles and their contractions of one
// kind ("O barco" and "As boias" begin alike, as do "Pelo" and "Pelas").
bool certaUnicaForaDaForma(const QuestaoFonte& questao);

// Every cue, one warning per question and cue, on the question's line.
std::vector<ErroFonte> avisos(const std::vector<QuestaoFonte>& questoes);

} // namespace construtor
