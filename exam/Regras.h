#pragma once
// The exam's fixed numbers, in one place.
namespace exam::regras {

inline constexpr int maxQuestoes = 40;  // answered questions that end the exam
inline constexpr int maxErros = 21;     // wrong answers that lose it: 50 % is out of reach
inline constexpr int notaMinima = 50;   // pass mark, in percent
inline constexpr int tempoQuestao = 60; // seconds to answer a question
inline constexpr int tempoAviso = 20;   // seconds left when the panic cue sounds
inline constexpr int usosIniciais = 3;  // uses of the skip and, apart, of the help lifeline

// A whole-number percentage of the full exam, rounded down.
constexpr int percentual(int certas, int total = maxQuestoes) { return certas * 100 / total; }

} // namespace exam::regras
