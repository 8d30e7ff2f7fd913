// What clearing the drawn-question marks costs on a real bank file: after a
// 40-question exam, and with every question of a full bank marked. The file
// lives in the temporary folder (set TMPDIR to measure another disk), so the
// engine's syncs reach a real file system.
#include "BancoDeMedida.h"
#include "EscritorBanco.h"
#include "bank/BancoQuestoes.h"
#include "bank/Materias.h"
#include "bank/modExterno.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int questoesNoBanco = 470;

// Marks the first n questions as drawn, in one statement on a connection of its own.
bool marca(const QString& caminho, int n)
{
    sqlite3* db = nullptr;
    bool feito = sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
                 SQLITE_OK;
    const QByteArray sql = QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero <= %1").arg(n).toUtf8();
    feito = feito && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK &&
            sqlite3_changes(db) == n;
    sqlite3_close(db);
    return feito;
}

// One iteration: the unload's reset of n marks. Marking them again is off the clock.
void BM_ZeraMarcas(benchmark::State& state)
{
    const int marcadas = int(state.range(0));
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(bank::arquivoBanco);
    const QString erro = construtor::escreveBanco(caminho, questoesDeMedida(questoesNoBanco));
    if (!erro.isEmpty()) {
        state.SkipWithError(erro.toStdString().c_str());
        return;
    }
    std::unique_ptr<platform::Database> banco;
    try {
        banco = bank::Abre_Banco(pasta.path());
    } catch (const bank::BancoInvalido& falha) {
        state.SkipWithError(falha.mensagem().toStdString().c_str());
        return;
    }
    QString textoSql;
    std::unique_ptr<platform::Recordset> registros;
    for (auto _ : state) {
        state.PauseTiming();
        if (!marca(caminho, marcadas)) {
            state.SkipWithError("não foi possível marcar as questões");
            break;
        }
        state.ResumeTiming();
        bank::Zera_Marcas(*banco, textoSql, registros);
    }
    registros.reset();
    state.counters["marcas"] = marcadas;
}
BENCHMARK(BM_ZeraMarcas)->Arg(40)->Arg(questoesNoBanco)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    modExterno::Preenche_Tabelas();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
