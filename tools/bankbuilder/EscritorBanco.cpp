#include "EscritorBanco.h"

#include "bank/modExterno.h"

#include <QFile>
#include <sqlite3.h>

namespace construtor {
namespace {

// questoes has exactly the exam's fields; each question's source and
// explanation sit in explicacoes, under the question's numero.
const char* const esquema =
    "CREATE TABLE questoes ("
    " numero INTEGER PRIMARY KEY,"
    " pergunta TEXT, respA TEXT, respB TEXT, respC TEXT, respD TEXT,"
    " certa TEXT, materia TEXT, imagem TEXT, ja_foi TEXT);"
    "CREATE TABLE explicacoes ("
    " numero INTEGER PRIMARY KEY, fonte TEXT NOT NULL, explicacao TEXT NOT NULL)";

const char* const insercao =
    "INSERT INTO questoes (pergunta, respA, respB, respC, respD, certa, materia, imagem, ja_foi)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)";

const char* const insercaoExplicacao = "INSERT INTO explicacoes (numero, fonte, explicacao) VALUES (?, ?, ?)";

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

// A prepared statement, finalized at scope exit.
struct Comando {
    sqlite3_stmt* stmt = nullptr;
    Comando(Conexao& conexao, const char* sql)
    {
        if (sqlite3_prepare_v2(conexao.db(), sql, -1, &stmt, nullptr) != SQLITE_OK)
            conexao.falhou();
    }
    ~Comando() { sqlite3_finalize(stmt); }
    void texto(int parametro, const QString& valor)
    {
        const QByteArray utf8 = valor.toUtf8();
        sqlite3_bind_text(stmt, parametro, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    bool executa(Conexao& conexao)
    {
        const bool ok = sqlite3_step(stmt) == SQLITE_DONE;
        if (!ok)
            conexao.falhou();
        sqlite3_reset(stmt);
        return ok;
    }
};

bool insere(Conexao& conexao, const std::vector<RegistroBanco>& registros)
{
    Comando questao(conexao, insercao);
    Comando explicacao(conexao, insercaoExplicacao);
    if (!questao.stmt || !explicacao.stmt)
        return false;
    for (const RegistroBanco& r : registros) {
        int parametro = 1;
        for (const QString* campo : {&r.pergunta, &r.respA, &r.respB, &r.respC, &r.respD, &r.certa, &r.materia})
            questao.texto(parametro++, modExterno::Codifica_Texto(*campo));
        if (r.imagem)
            questao.texto(parametro++, *r.imagem);
        else
            sqlite3_bind_null(questao.stmt, parametro++);
        questao.texto(parametro, r.jaFoi);
        if (!questao.executa(conexao))
            return false;

        if (r.fonte.isEmpty() && r.explicacao.isEmpty())
            continue;
        sqlite3_bind_int64(explicacao.stmt, 1, sqlite3_last_insert_rowid(conexao.db()));
        explicacao.texto(2, modExterno::Codifica_Texto(r.fonte));
        explicacao.texto(3, modExterno::Codifica_Texto(r.explicacao));
        if (!explicacao.executa(conexao))
            return false;
    }
    return true;
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
