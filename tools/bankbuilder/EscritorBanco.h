#pragma once
// Writes a question bank file: table questoes with its encoded texts, and
// beside it table explicacoes with each question's source and explanation.
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
    // The rule the answer rests on and why it is right, for the review after
    // the exam. Both empty: the question gets no row in explicacoes.
    QString fonte;
    QString explicacao;
};

// Writes the bank to a temporary file beside the destination and renames it
// into place, so a failed build never leaves a half-written bank. Returns an
// empty string on success, otherwise the reason in Portuguese.
QString escreveBanco(const QString& destino, const std::vector<RegistroBanco>& registros);

} // namespace construtor
