#include "MateriasFracas.h"

#include "bank/Materias.h"

#include <algorithm>

namespace history {

std::vector<MateriaFraca> materiasMaisFracas(const std::vector<ExameGuardado>& exames)
{
    struct Soma {
        int materia;
        long long total = 0;
        int exames = 0;
    };
    std::vector<Soma> somas;
    for (int k = 0; k < bank::numeroMaterias; ++k)
        somas.push_back({k + 1});
    const std::size_t n = std::min<std::size_t>(exames.size(), examesConsiderados);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k < somas.size(); ++k) {
            const int percentual = exames[i].resumo.porMateria[k];
            if (percentual < 0)
                continue; // no questions of the subject in that exam
            somas[k].total += percentual;
            ++somas[k].exames;
        }

    std::erase_if(somas, [](const Soma& s) { return s.exames == 0 || s.total >= 100LL * s.exames; });
    // Averages compared as exact fractions: a/b < c/d  <=>  a*d < c*b.
    std::stable_sort(somas.begin(), somas.end(), [](const Soma& a, const Soma& b) {
        const long long esquerda = a.total * b.exames;
        const long long direita = b.total * a.exames;
        if (esquerda != direita)
            return esquerda < direita;
        return a.exames > b.exames;
    });

    std::vector<MateriaFraca> fracas;
    for (std::size_t i = 0; i < somas.size() && i < 2; ++i) {
        const Soma& s = somas[i];
        fracas.push_back({s.materia, bank::nomesMaterias()[std::size_t(s.materia - 1)],
                          double(s.total) / s.exames, s.exames});
    }
    return fracas;
}

} // namespace history
