#pragma once
// The names the figures carry beside the program. The sources name a figure
// after what it shows ("baliza-cardinal-sul.png"), which would give the answer
// away to anyone who sees the file name; the bank and the program folder use a
// number instead ("figura-017.png").
#include "FonteQuestoes.h"

#include <map>

namespace construtor {

// Source figure name -> neutral name, numbered in the order the questions
// first use them (files in the given order, questions top to bottom). Only
// the figures the questions use get a name.
std::map<QString, QString> nomesNeutros(const std::vector<QuestaoFonte>& questoes);

} // namespace construtor
