#pragma once
// Writes a question bank file: table questoes with its encoded texts.
#include <QString>

#include <optional>
#include <vector>

namespace construtor {

// One row, in plain text; the writer encodes the encoded fields.
struct RegistroBanco {
    QString pergunta;
    QString respA, respB, respC, respD;
    QString certa;
    QString materia;
    std::optional<QString> imagem = QStringLiteral("N"); // nullopt writes Null
    QString jaFoi = QStringLiteral("N");
};

// Writes the bank to a temporary file beside the destination and renames it
// into place, so a failed build never leaves a half-written bank. Returns an
// empty string on success, otherwise the reason in Portuguese.
QString escreveBanco(const QString& destino, const std::vector<RegistroBanco>& registros);

} // namespace construtor
