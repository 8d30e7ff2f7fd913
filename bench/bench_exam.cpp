// The quiz screen's costs: building it with all its pictures, and drawing the
// next question on the shipped bank and on the largest bank the exam allows.
#include "BancoDeMedida.h"
#include "EscritorBanco.h"
#include "assets/Assets.h"
#include "bank/BancoQuestoes.h"
#include "bank/Materias.h"
#include "bank/modExterno.h"
#include "exam/frmTolvane.h"
#include "platform/MessageBox.h"
#include "platform/testing/ManualClock.h"
#include "tests/sound/CueRecorder.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

struct Ambiente {
    platform::testing::ManualClock relogio;
    platform::Random aleatorio{relogio, 7};
    sound::testing::CueRecorder som;
};

// Draws over and over from the bank in the folder; between draws, off the
// clock, the drawn mark is cleared so the bank never runs dry.
void sorteia(benchmark::State& state, const QString& pasta)
{
    Ambiente a;
    frmTolvane tela(a.relogio, a.aleatorio, pasta, a.som);
    tela.Me.Load();
    if (!tela.bancoDados) {
        state.SkipWithError("banco indisponível");
        return;
    }
    for (auto _ : state) {
        tela.Proxima_Questao();
        state.PauseTiming();
        bank::Zera_Marcas(*tela.bancoDados, tela.textoSql, tela.registros);
        a.relogio.advance(1000);
        state.ResumeTiming();
    }
}

// The first screen of a run also loads the fonts and decodes the pictures.
void BM_CriaTelaQuiz_Primeira(benchmark::State& state)
{
    Ambiente a;
    for (auto _ : state) {
        frmTolvane tela(a.relogio, a.aleatorio, QStringLiteral("/nenhuma"), a.som);
        benchmark::DoNotOptimize(tela.picBase.Picture());
    }
}
BENCHMARK(BM_CriaTelaQuiz_Primeira)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CriaTelaQuiz(benchmark::State& state)
{
    Ambiente a;
    for (auto _ : state) {
        frmTolvane tela(a.relogio, a.aleatorio, QStringLiteral("/nenhuma"), a.som);
        benchmark::DoNotOptimize(tela.picBase.Picture());
    }
}
BENCHMARK(BM_CriaTelaQuiz)->Unit(benchmark::kMillisecond);

void BM_ProximaQuestao_BancoEntregue(benchmark::State& state)
{
    QTemporaryDir pasta;
    const QString origem = QStringLiteral(TOLVANE_PROGRAM_DIR "/tolvane.mdb");
    if (!QFile::copy(origem, pasta.filePath(QStringLiteral("tolvane.mdb")))) {
        state.SkipWithError("construa o banco de questões antes (alvo banco_questoes)");
        return;
    }
    sorteia(state, pasta.path());
}
BENCHMARK(BM_ProximaQuestao_BancoEntregue)->Unit(benchmark::kMillisecond);

void BM_ProximaQuestao_32767(benchmark::State& state)
{
    QTemporaryDir pasta;
    const QString erro = construtor::escreveBanco(pasta.filePath(QStringLiteral("tolvane.mdb")), questoesDeMedida(32767));
    if (!erro.isEmpty()) {
        state.SkipWithError(erro.toStdString().c_str());
        return;
    }
    sorteia(state, pasta.path());
}
BENCHMARK(BM_ProximaQuestao_32767)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    modExterno::Preenche_Tabelas();
    platform::setMessageBoxHandler([](const QString& texto) { std::fprintf(stderr, "%s\n", qPrintable(texto)); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
