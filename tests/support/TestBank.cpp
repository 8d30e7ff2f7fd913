#include "TestBank.h"

#include "bank/Materias.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testbank {

std::vector<RegistroBanco> exemplos(int n)
{
    static const QString letras = QStringLiteral("ABCD");
    std::vector<RegistroBanco> registros;
    for (int i = 1; i <= n; ++i) {
        RegistroBanco r;
        r.pergunta = QStringLiteral("Pergunta %1?").arg(i);
        r.respA = QStringLiteral("Resposta A da %1").arg(i);
        r.respB = QStringLiteral("Resposta B da %1").arg(i);
        r.respC = QStringLiteral("Resposta C da %1").arg(i);
        r.respD = QStringLiteral("Resposta D da %1").arg(i);
        r.certa = letras.at((i - 1) % 4);
        r.materia = bank::nomesMaterias()[std::size_t((i - 1) % bank::numeroMaterias)];
        registros.push_back(r);
    }
    return registros;
}

void escreve(const QString& caminho, const std::vector<RegistroBanco>& registros)
{
    const QString erro = construtor::escreveBanco(caminho, registros);
    ASSERT_TRUE(erro.isEmpty()) << erro.toStdString();
}

namespace {

struct Conexao {
    sqlite3* db = nullptr;
    explicit Conexao(const QString& caminho)
    {
        EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
    }
    ~Conexao() { sqlite3_close(db); }
};

} // namespace

void executa(const QString& caminho, const QString& sql)
{
    Conexao conexao(caminho);
    char* erro = nullptr;
    EXPECT_EQ(sqlite3_exec(conexao.db, sql.toUtf8().constData(), nullptr, nullptr, &erro), SQLITE_OK)
        << (erro ? erro : "");
    sqlite3_free(erro);
}

QString consulta(const QString& caminho, const QString& sql)
{
    Conexao conexao(caminho);
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(conexao.db, sql.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK);
    QString valor;
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        valor = sqlite3_column_type(stmt, 0) == SQLITE_NULL
                    ? QStringLiteral("<NULL>")
                    : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return valor;
}

} // namespace testbank
