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

// Both cues, one warning per question and cue, on the question's line.
std::vector<ErroFonte> avisos(const std::vector<QuestaoFonte>& questoes);

} // namespace construtor
