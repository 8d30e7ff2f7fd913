#include "EscritorBanco.h"

#include "bank/modExterno.h"

#include <QFile>
#include <sqlite3.h>

namespace construtor {
namespace {

const char* const esquema =
    "CREATE TABLE questoes ("
    " numero INTEGER PRIMARY KEY,"
    " pergunta TEXT, respA TEXT, respB TEXT, respC TEXT, respD TEXT,"
    " certa TEXT, materia TEXT, imagem TEXT, ja_foi TEXT)";

const char* const insercao =
    "INSERT INTO questoes (pergunta, respA, respB, respC, respD, certa, materia, imagem, ja_foi)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";

class Conexao {
public:
    explicit Conexao(const QString& caminho)
    {
        if (sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            erro_ = mensagem();
    }
    ~Conexao() { sqlite3_close(db_); }
    bool ok() const { return erro_.isEmpty(); }
    const QString& erro() const { return erro_; }
    QString mensagem() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }
    bool executa(const char* sql)
    {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
            return true;
        erro_ = mensagem();
        return false;
    }
    sqlite3* db() { return db_; }
    void falhou() { erro_ = mensagem(); }

private:
    sqlite3* db_ = nullptr;
    QString erro_;
};

bool insere(Conexao& conexao, const std::vector<RegistroBanco>& registros)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(conexao.db(), insercao, -1, &stmt, nullptr) != SQLITE_OK) {
        conexao.falhou();
        return false;
    }
    bool ok = true;
    for (const RegistroBanco& r : registros) {
        const QByteArray campos[] = {
            modExterno::Codifica_Texto(r.pergunta).toUtf8(), modExterno::Codifica_Texto(r.respA).toUtf8(),
            modExterno::Codifica_Texto(r.respB).toUtf8(),    modExterno::Codifica_Texto(r.respC).toUtf8(),
            modExterno::Codifica_Texto(r.respD).toUtf8(),    modExterno::Codifica_Texto(r.certa).toUtf8(),
            modExterno::Codifica_Texto(r.materia).toUtf8(),
        };
        int parametro = 1;
        for (const QByteArray& campo : campos)
            sqlite3_bind_text(stmt, parametro++, campo.constData(), int(campo.size()), SQLITE_TRANSIENT);
        if (r.imagem) {
            const QByteArray imagem = r.imagem->toUtf8();
            sqlite3_bind_text(stmt, parametro++, imagem.constData(), int(imagem.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(stmt, parametro++);
        }
        const QByteArray jaFoi = r.jaFoi.toUtf8();
        sqlite3_bind_text(stmt, parametro, jaFoi.constData(), int(jaFoi.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            conexao.falhou();
            ok = false;
            break;
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    return ok;
}

} // namespace

QString escreveBanco(const QString& destino, const std::vector<RegistroBanco>& registros)
{
    const QString temporario = destino + QStringLiteral(".novo");
    QFile::remove(temporario);
    {
        Conexao conexao(temporario);
        const bool ok = conexao.ok() && conexao.executa(esquema) && conexao.executa("BEGIN")
                        && insere(conexao, registros) && conexao.executa("COMMIT");
        if (!ok) {
            const QString erro = conexao.erro();
            QFile::remove(temporario);
            return QStringLiteral("não foi possível gravar %1: %2").arg(destino, erro);
        }
    }
    QFile::remove(destino);
    if (!QFile::rename(temporario, destino))
        return QStringLiteral("não foi possível substituir %1").arg(destino);
    return {};
}

} // namespace construtor
