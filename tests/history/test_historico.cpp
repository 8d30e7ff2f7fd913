// The player's history of exams on real SQLite files: what is kept comes back
// whole, and no fault of the file costs an exam its end or the player an
// earlier history.
#include "history/Historico.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <memory>

using exam::Desfecho;
using history::ExameGuardado;
using history::Historico;

namespace {

// An exam of n questions cycling through every outcome, with accents everywhere text is kept.
exam::ResumoExame exemplo(const QString& jogador, int n = 40)
{
    exam::ResumoExame e;
    e.quando = QDateTime(QDate(2026, 12, 9), QTime(15, 4, 5, 678));
    e.jogador = jogador;
    e.acertos = 23;
    e.erros = 9;
    e.esgotadas = 5;
    e.puladas = 3;
    e.percentual = 57;
    e.veredito = QStringLiteral("Parabéns, você foi aprovado! Acertou 57 % das questões.");
    e.aprovado = true;
    e.porMateria = {100, 50, -1, 75, 0, 33, 66, -1, 20};
    const Desfecho desfechos[] = {Desfecho::certa, Desfecho::errada, Desfecho::tempoEsgotado, Desfecho::pulada,
                                  Desfecho::naTela};
    for (int i = 0; i < n; ++i) {
        exam::QuestaoVista q;
        q.numero = QString::number(100 + i);
        q.materia = QStringLiteral("SOBREVIVÊNCIA E SEGURANÇA NO MEIO MARINHO");
        q.pergunta = QStringLiteral("Questão %1: o que fazer ao avistar uma embarcação à deriva?").arg(i + 1);
        q.respostas = {QStringLiteral("Prestar socorro"), QStringLiteral("Seguir viagem"),
                       QStringLiteral("Acionar a Capitania"), QStringLiteral("Não há o que fazer")};
        q.certa = QStringLiteral("A");
        q.imagem = i % 3 == 0 ? QStringLiteral("fig%1.png").arg(i) : QString();
        q.fonte = QStringLiteral("NORMAM-03, capítulo 4, item 0402");
        q.explicacao = QStringLiteral("A omissão de socorro é infração; a ação imediata salva vidas.");
        q.desfecho = desfechos[i % 5];
        if (q.desfecho == Desfecho::certa)
            q.escolhida = QStringLiteral("A");
        else if (q.desfecho == Desfecho::errada)
            q.escolhida = QStringLiteral("C");
        e.questoes.push_back(q);
    }
    return e;
}

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Runs SQL on a file through a connection of its own; fails the test on an error.
void executa(const QString& caminho, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr),
              SQLITE_OK);
    char* erro = nullptr;
    const int codigo = sqlite3_exec(db, sql, nullptr, nullptr, &erro);
    EXPECT_EQ(codigo, SQLITE_OK) << (erro ? erro : "");
    sqlite3_free(erro);
    sqlite3_close(db);
}

long long conta(const QString& caminho, const char* sql)
{
    sqlite3* db = nullptr;
    long long n = -1;
    if (sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return n;
}

class HistoricoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
    QString arquivo() const { return pasta.filePath(QLatin1String(Historico::nomeArquivo)); }
    QStringList danificados() const
    {
        return QDir(pasta.path()).entryList({QStringLiteral("historico-danificado-*.sqlite")}, QDir::Files);
    }
    QTemporaryDir pasta;
};

} // namespace

// A stored exam comes back as the player saw it, the newest first, in a later run too.
TEST_F(HistoricoTest, ExamsComeBackWholeNewestFirst)
{
    const exam::ResumoExame primeiro = exemplo(QStringLiteral("João Conceição"));
    exam::ResumoExame segundo = exemplo(QStringLiteral("Ana Lúcia"), 7);
    segundo.quando = segundo.quando.addDays(1);
    segundo.aprovado = false;
    segundo.porMateria[0] = -1;
    {
        Historico h(pasta.path());
        ASSERT_TRUE(h.disponivel());
        EXPECT_TRUE(h.aviso().isEmpty());
        h.grava(primeiro);
        h.grava(segundo);
        ASSERT_TRUE(h.aguarda(5000));
    }
    EXPECT_EQ(conta(arquivo(), "PRAGMA user_version"), Historico::versaoEsquema);

    Historico h(pasta.path()); // the next run
    ASSERT_TRUE(h.disponivel());
    EXPECT_TRUE(h.aviso().isEmpty());
    const std::vector<ExameGuardado> exames = h.ultimos(10);
    ASSERT_EQ(exames.size(), 2u);
    EXPECT_EQ(h.ultimos(1).size(), 1u);
    EXPECT_TRUE(exames[0].resumo.questoes.empty());

    const exam::ResumoExame& lido = exames[1].resumo;
    EXPECT_EQ(exames[0].resumo.jogador, QStringLiteral("Ana Lúcia"));
    EXPECT_FALSE(exames[0].resumo.aprovado);
    EXPECT_EQ(exames[0].resumo.porMateria[0], -1);
    EXPECT_EQ(lido.quando, primeiro.quando);
    EXPECT_EQ(lido.jogador, primeiro.jogador);
    EXPECT_EQ(lido.acertos, 23);
    EXPECT_EQ(lido.erros, 9);
    EXPECT_EQ(lido.esgotadas, 5);
    EXPECT_EQ(lido.puladas, 3);
    EXPECT_EQ(lido.percentual, 57);
    EXPECT_EQ(lido.veredito, primeiro.veredito);
    EXPECT_TRUE(lido.aprovado);
    EXPECT_EQ(lido.porMateria, primeiro.porMateria);

    const std::vector<exam::QuestaoVista> questoes = h.questoesDo(exames[1].id);
    ASSERT_EQ(questoes.size(), primeiro.questoes.size());
    for (std::size_t i = 0; i < questoes.size(); ++i) {
        const exam::QuestaoVista& q = questoes[i];
        const exam::QuestaoVista& e = primeiro.questoes[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(q.numero, e.numero);
        EXPECT_EQ(q.materia, e.materia);
        EXPECT_EQ(q.pergunta, e.pergunta);
        EXPECT_EQ(q.respostas, e.respostas);
        EXPECT_EQ(q.certa, e.certa);
        EXPECT_EQ(q.imagem, e.imagem);
        EXPECT_EQ(q.fonte, e.fonte);
        EXPECT_EQ(q.explicacao, e.explicacao);
        EXPECT_EQ(q.desfecho, e.desfecho);
        EXPECT_EQ(q.escolhida, e.escolhida);
    }
    EXPECT_EQ(h.questoesDo(exames[0].id).size(), 7u);
}

// A file that is not a history is kept under a new name, and a new history works at once.
TEST_F(HistoricoTest, DamagedFileIsSetAsideAndANewOneStarted)
{
    QByteArray lixo(8192, '\0');
    for (char& c : lixo)
        c = char(QRandomGenerator::global()->bounded(256));
    {
        QFile f(arquivo());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(lixo);
    }

    {
        Historico h(pasta.path());
        ASSERT_TRUE(h.disponivel());
        ASSERT_EQ(danificados().size(), 1);
        EXPECT_EQ(conteudo(pasta.filePath(danificados()[0])), lixo);
        EXPECT_TRUE(h.aviso().startsWith(QStringLiteral("O histórico de exames estava danificado")));
        EXPECT_TRUE(h.aviso().contains(danificados()[0])) << qPrintable(h.aviso());
        h.grava(exemplo(QStringLiteral("Zé")));
        ASSERT_TRUE(h.aguarda(5000));
        EXPECT_EQ(h.ultimos(5).size(), 1u);
    }

    // A real history damaged inside (its first table page overwritten) is caught too, and
    // the earlier damaged file is not overwritten by the second.
    {
        QFile f(arquivo());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_GE(f.size(), 3 * 4096);
        f.seek(4096);
        f.write(QByteArray(4096, '\xff'));
    }
    Historico h(pasta.path());
    ASSERT_TRUE(h.disponivel());
    EXPECT_FALSE(h.aviso().isEmpty());
    EXPECT_EQ(danificados().size(), 2);
    EXPECT_TRUE(h.ultimos(5).empty());
    h.grava(exemplo(QStringLiteral("Zé")));
    ASSERT_TRUE(h.aguarda(5000));
    EXPECT_EQ(h.ultimos(5).size(), 1u);
}

// No writable folder: the run goes on without a history, says so once, and leaves nothing behind.
TEST_F(HistoricoTest, UnwritableFolderMeansNoHistoryThisRun)
{
    // A folder that cannot even be made (its parent is a file) fails for every user.
    {
        QFile f(pasta.filePath(QStringLiteral("arquivo")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    {
        Historico h(pasta.filePath(QStringLiteral("arquivo/Tolvane")));
        EXPECT_FALSE(h.disponivel());
        EXPECT_TRUE(h.aviso().startsWith(QStringLiteral("Não é possível gravar na pasta do histórico de exames")))
            << qPrintable(h.aviso());
        h.grava(exemplo(QStringLiteral("Zé")));
        EXPECT_TRUE(h.aguarda(0));
        EXPECT_TRUE(h.ultimos(5).empty());
    }

    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root; the read-only folder case needs another user";
    const QString somenteLeitura = pasta.filePath(QStringLiteral("somente-leitura"));
    ASSERT_TRUE(QDir().mkpath(somenteLeitura));
    ASSERT_TRUE(QFile::setPermissions(somenteLeitura, QFile::ReadOwner | QFile::ExeOwner));
    {
        Historico h(somenteLeitura);
        EXPECT_FALSE(h.disponivel());
        EXPECT_TRUE(h.aviso().startsWith(QStringLiteral("Não é possível gravar na pasta do histórico de exames")))
            << qPrintable(h.aviso());
        h.grava(exemplo(QStringLiteral("Zé")));
    }
    EXPECT_TRUE(QDir(somenteLeitura).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QFile::setPermissions(somenteLeitura, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A history from a newer version of the program stays byte for byte as it was and is not used.
TEST_F(HistoricoTest, NewerVersionIsLeftUntouchedAndUnused)
{
    executa(arquivo(), "CREATE TABLE exames (id INTEGER PRIMARY KEY, dados TEXT);"
                       "INSERT INTO exames (dados) VALUES ('de uma versão futura');"
                       "PRAGMA user_version = 7;");
    const QByteArray antes = conteudo(arquivo());
    ASSERT_FALSE(antes.isEmpty());
    {
        Historico h(pasta.path());
        EXPECT_FALSE(h.disponivel());
        EXPECT_TRUE(h.aviso().contains(QStringLiteral("versão mais nova"))) << qPrintable(h.aviso());
        h.grava(exemplo(QStringLiteral("Zé")));
        EXPECT_TRUE(h.aguarda(1000));
        EXPECT_TRUE(h.ultimos(5).empty());
    }
    EXPECT_EQ(conteudo(arquivo()), antes);
    EXPECT_TRUE(danificados().isEmpty());
    EXPECT_FALSE(QFile::exists(arquivo() + QStringLiteral("-journal")));
}

// An exam whose write fails half-way leaves none of itself behind, and the next exam is kept.
TEST_F(HistoricoTest, AnExamIsWrittenWholeOrNotAtAll)
{
    Historico h(pasta.path());
    ASSERT_TRUE(h.disponivel());
    // Another program makes the 21st question's row fail, after the exam and 20 questions went in.
    executa(arquivo(), "CREATE TRIGGER falha BEFORE INSERT ON questoes_exame WHEN NEW.ordem = 21 "
                       "BEGIN SELECT RAISE(ABORT, 'falha no meio da gravação'); END;");
    h.grava(exemplo(QStringLiteral("Interrompido")));
    ASSERT_TRUE(h.aguarda(5000));
    EXPECT_EQ(conta(arquivo(), "SELECT count(*) FROM exames"), 0);
    EXPECT_EQ(conta(arquivo(), "SELECT count(*) FROM questoes_exame"), 0);
    EXPECT_TRUE(h.ultimos(5).empty());

    executa(arquivo(), "DROP TRIGGER falha;");
    h.grava(exemplo(QStringLiteral("Inteiro")));
    ASSERT_TRUE(h.aguarda(5000));
    const auto exames = h.ultimos(5);
    ASSERT_EQ(exames.size(), 1u);
    EXPECT_EQ(exames[0].resumo.jogador, QStringLiteral("Inteiro"));
    EXPECT_EQ(h.questoesDo(exames[0].id).size(), 40u);
}

// The exam never waits on the history: with the file locked by another program, grava returns
// at once, the exam is written as soon as the lock is gone, and a run that ends before then
// ends promptly without leaving part of its exam behind.
TEST_F(HistoricoTest, WritingNeverHoldsUpTheExam)
{
    Historico h(pasta.path());
    ASSERT_TRUE(h.disponivel());
    auto encerrado = std::make_unique<Historico>(pasta.path()); // another run, ending while the lock is held
    sqlite3* outro = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(arquivo()).constData(), &outro, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(outro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    const exam::ResumoExame exame = exemplo(QStringLiteral("Apressado"));
    const auto inicio = std::chrono::steady_clock::now();
    h.grava(exame);
    const auto gasto = std::chrono::steady_clock::now() - inicio;
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(gasto).count();
    RecordProperty("grava_microseconds", int(us));
    std::printf("grava took %lld us with the file locked\n", static_cast<long long>(us));
    EXPECT_LT(us, 50'000); // a copy into the queue, nothing more

    EXPECT_FALSE(h.aguarda(600)); // still locked: the exam waits in line, the caller does not

    encerrado->grava(exemplo(QStringLiteral("Sem tempo")));
    const auto fim = std::chrono::steady_clock::now();
    encerrado.reset();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - fim);
    std::printf("a run ended in %lld ms with its exam waiting on the lock\n", static_cast<long long>(ms.count()));
    EXPECT_LT(ms.count(), 1000);

    ASSERT_EQ(sqlite3_exec(outro, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(outro);
    ASSERT_TRUE(h.aguarda(5000));
    const auto exames = h.ultimos(5);
    ASSERT_EQ(exames.size(), 1u);
    EXPECT_EQ(exames[0].resumo.jogador, QStringLiteral("Apressado"));
    EXPECT_EQ(conta(arquivo(), "SELECT count(*) FROM questoes_exame"), 40);
}
