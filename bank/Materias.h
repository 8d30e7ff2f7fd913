#pragma once
#include <QString>
#include <array>

namespace bank {

inline constexpr int numeroMaterias = 9;

// The exam's subjects in their fixed order: index 0 is subject 1. Stored
// questions name their subject with exactly these texts.
const std::array<QString, numeroMaterias>& nomesMaterias();

// The subject's number 1..9, or 0 when the text matches none exactly.
int numeroDaMateria(const QString& nome);

} // namespace bank
