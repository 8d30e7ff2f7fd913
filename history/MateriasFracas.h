#pragma once
// Where the player should study next: the subjects that went worst lately.
#include "Historico.h"

#include <QString>
#include <vector>

namespace history {

struct MateriaFraca {
    int materia = 0;   // 1 to 9, in the exam's subject order
    QString nome;      // the subject's name as the exam shows it
    double media = 0;  // average percentage over the exams where it had questions
    int exames = 0;    // how many of those exams
};

inline constexpr int examesConsiderados = 5;

// The two weakest subjects of the newest five exams (the list comes newest
// first, as ultimos() gives it): the lowest average per-subject percentage,
// counting only the exams where the subject had questions. Equal averages go
// to the subject seen in more of those exams (the weakness is better
// established), then to the exam's subject order. A subject at 100 % on
// average has nothing to improve and is never named, so fewer than two come
// back when the exams leave fewer candidates.
std::vector<MateriaFraca> materiasMaisFracas(const std::vector<ExameGuardado>& exames);

} // namespace history
