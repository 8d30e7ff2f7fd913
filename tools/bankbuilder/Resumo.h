#pragma once
// From checked sources to the bank's rows, and the figures a maintainer wants
// to see after a build: counts per subject, figures, letter spread.
#include "EscritorBanco.h"
#include "FonteQuestoes.h"

namespace construtor {

std::vector<RegistroBanco> registrosDoBanco(const std::vector<QuestaoFonte>& questoes);

// SVG files in the figures folder that no question names (as "<nome>.svg").
QStringList figurasSemQuestao(const QString& pastaFiguras, const QStringList& figurasUsadas);

QString resumo(const std::vector<QuestaoFonte>& questoes);

} // namespace construtor
