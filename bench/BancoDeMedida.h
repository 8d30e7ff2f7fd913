#pragma once
// Banks of made-up questions for the benchmarks: n distinct, valid questions
// spread over the nine subjects.
#include "EscritorBanco.h"
#include "bank/Materias.h"

#include <vector>

inline std::vector<construtor::RegistroBanco> questoesDeMedida(int n)
{
    std::vector<construtor::RegistroBanco> registros(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& r = registros[std::size_t(i)];
        r.pergunta = QStringLiteral("Qual é a regra de número %1 para a navegação em águas interiores?").arg(i + 1);
        r.respA = QStringLiteral("Manter a direita do canal");
        r.respB = QStringLiteral("Reduzir a velocidade");
        r.respC = QStringLiteral("Emitir um apito longo");
        r.respD = QStringLiteral("Nenhuma das anteriores");
        r.certa = QStringLiteral("ABCD").at(i % 4);
        r.materia = bank::nomesMaterias()[std::size_t(i % bank::numeroMaterias)];
    }
    return registros;
}
