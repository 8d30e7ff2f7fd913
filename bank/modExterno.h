#pragma once
// The character substitution that keeps the question bank's texts unreadable
// to a casual look: two parallel tables and the decoder. The same tables
// encode the bank at build time, so the two directions cannot drift apart.
#include <QChar>
#include <QString>

namespace modExterno {

inline constexpr int tamanhoTabelas = 108; // positions filled at load
inline constexpr int paresUsados = 92;     // positions the decoder scans

// Indexed 1..108; position 0 is unused.
extern QChar tabelaEntrada[tamanhoTabelas + 1];
extern QChar tabelaSaida[tamanhoTabelas + 1];

// The result of the last Decodifica_Texto call.
extern QString textoDecodificado;

// Fills both tables; the opening screen calls it while it loads.
void Preenche_Tabelas();

// Decodes a stored text into textoDecodificado, one character at a time.
void Decodifica_Texto(const QString& textoArmazenado);

// The inverse substitution, for the bank builder.
QString Codifica_Texto(const QString& texto);

} // namespace modExterno
