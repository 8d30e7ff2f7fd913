#pragma once
// Question banks for tests, written with the same writer as the real bank.
#include "EscritorBanco.h"

#include <QString>
#include <vector>

namespace testbank {

using construtor::RegistroBanco;

// n distinct, valid questions cycling through the nine subjects; question i
// asks "Pergunta i?" and its right letter cycles A to D.
std::vector<RegistroBanco> exemplos(int n);

// Writes the bank (table questoes, encoded fields encoded) or fails the test.
void escreve(const QString& caminho, const std::vector<RegistroBanco>& registros);

// Runs SQL straight on a bank file, outside the program's engine.
void executa(const QString& caminho, const QString& sql);

// One value straight from the file; "<NULL>" for a Null.
QString consulta(const QString& caminho, const QString& sql);

} // namespace testbank
