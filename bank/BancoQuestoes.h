#pragma once
// Opening the question bank for the quiz screen, clearing its marks, and
// reading a question's source and explanation for the review.
#include "platform/Database.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace bank {

inline const QString arquivoBanco = QStringLiteral("tolvane.mdb");
inline const QString sqlNaoSorteadas = QStringLiteral("SELECT * FROM questoes WHERE ja_foi='N'");
inline const QString sqlSorteadas = QStringLiteral("SELECT * FROM questoes WHERE ja_foi='S'");
// Beside questoes, keyed by the question's numero; older banks lack it.
inline const QString tabelaExplicacoes = QStringLiteral("explicacoes");

// The fields every bank must have.
const QStringList& camposObrigatorios();

// The bank cannot be used; mensagem() names the file and the problem, in
// Portuguese, ready for a message box.
class BancoInvalido : public std::runtime_error {
public:
    explicit BancoInvalido(const QString& mensagem);
    QString mensagem() const { return QString::fromUtf8(what()); }
};

// What the player reads about a failure of the bank's engine: one Portuguese
// sentence for its kind. The engine's own English detail is written to the
// standard error log here, for whoever looks after the install; it never
// reaches the message.
QString mensagemDaFalha(const platform::DatabaseError& erro);

// Opens tolvane.mdb in the program folder and checks its table and fields.
// Marks left behind by a run that did not end normally are cleared here, so
// a killed run never shrinks the next exam. Nothing is written to a bank
// that fails a check. A bank that another program holds is said to be in
// use, with no advice to reinstall. Throws BancoInvalido.
std::unique_ptr<platform::Database> Abre_Banco(const QString& pastaPrograma);

// The reset of the quiz screen's unload: every question drawn in this run
// (and any left marked before it) becomes available again. The marks are
// cleared in one transaction, so the file is synced once, not once per
// question, and a failure half-way leaves every mark as it was. Throws
// platform::DatabaseError.
void Zera_Marcas(platform::Database& bancoDados, QString& textoSql,
                 std::unique_ptr<platform::Recordset>& registros);

// Reads an encoded field of the current record and decodes it. A Null reads
// as empty text, so one bad record degrades quietly instead of ending the exam.
QString Le_Campo_Decodificado(platform::Recordset& registros, const QString& campo);

// The rule question numero rests on (fonte) and why its right answer is right
// (explicacao), decoded. Returns false, with both texts empty, when there is
// nothing to show: a bank without the table explicacoes or one of its fields
// (an older bank, or another maker's), no row for the question, a Null in
// either field, or a numero that is not a whole number. The exam goes on
// either way. Throws platform::DatabaseError only for a failure of the
// engine itself (a file locked or damaged, a read that fails). Decodes
// through modExterno::textoDecodificado, which it leaves changed.
bool Le_Explicacao(platform::Database& bancoDados, const QString& numero, QString& fonte, QString& explicacao);

} // namespace bank
