// Opening the bank and clearing its marks: what a player's next exam depends on.
#include "bank/BancoQuestoes.h"
#include "bank/modExterno.h"
#include "TestBank.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class BancoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        caminho = pasta.filePath(QStringLiteral("tolvane.mdb"));
        modExterno::Preenche_Tabelas();
    }
    int contagem(const QString& onde)
    {
        return testbank::consulta(caminho, QStringLiteral("SELECT count(*) FROM questoes WHERE ") + onde).toInt();
    }
    QByteArray hash() const
    {
        QFile f(caminho);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    // Opens the bank expecting a refusal; returns the message.
    QString recusa()
    {
        try {
            bank::Abre_Banco(pasta.path());
        } catch (const bank::BancoInvalido& erro) {
            return erro.mensagem();
        }
        ADD_FAILURE() << "o banco foi aceito";
        return {};
    }
    QTemporaryDir pasta;
    QString caminho;
};

// Another program with the bank open: a connection of its own that holds a
// lock (an exclusive lock, or a write transaction not yet committed) until
// it is destroyed.
class OutroPrograma {
public:
    OutroPrograma(const QString& caminho, const char* sql)
    {
        EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(caminho).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db_);
    }
    ~OutroPrograma() { sqlite3_close(db_); }

private:
    sqlite3* db_ = nullptr;
};

// Collects what the program writes to the standard error log.
class RegistroDeErros {
public:
    RegistroDeErros() { anterior_ = qInstallMessageHandler(&RegistroDeErros::guarda); }
    ~RegistroDeErros()
    {
        qInstallMessageHandler(anterior_);
        texto().clear();
    }
    static QString& texto()
    {
        static QString t;
        return t;
    }

private:
    static void guarda(QtMsgType, const QMessageLogContext&, const QString& linha) { texto() += linha + u'\n'; }
    QtMessageHandler anterior_;
};

} // namespace

// Every refusal names the file and the problem, and writes nothing.
TEST_F(BancoTest, UnusableBanksAreRefusedWithAClearMessageAndLeftUntouched)
{
    QString mensagem = recusa();
    EXPECT_TRUE(mensagem.contains(caminho)) << mensagem.toStdString();
    EXPECT_TRUE(mensagem.contains(QStringLiteral("não foi encontrado")));
    EXPECT_FALSE(QFile::exists(caminho));

    QFile(caminho).open(QIODevice::WriteOnly);
    EXPECT_TRUE(recusa().contains(QStringLiteral("vazio")));
    EXPECT_EQ(QFileInfo(caminho).size(), 0);

    {
        QFile f(caminho);
        f.open(QIODevice::WriteOnly);
        f.write("isto não é um banco de dados, é um texto qualquer que ocupa espaço......");
    }
    QByteArray antes = hash();
    EXPECT_TRUE(recusa().contains(QStringLiteral("danificado")));
    EXPECT_EQ(hash(), antes);

    QFile::remove(caminho);
    testbank::escreve(caminho, testbank::exemplos(3));
    testbank::executa(caminho, QStringLiteral("ALTER TABLE questoes RENAME TO outra"));
    EXPECT_TRUE(recusa().contains(QStringLiteral("tabela de questões")));

    QFile::remove(caminho);
    testbank::escreve(caminho, testbank::exemplos(3));
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero=1;"
                                              "ALTER TABLE questoes DROP COLUMN respC"));
    antes = hash();
    mensagem = recusa();
    EXPECT_TRUE(mensagem.contains(QStringLiteral("\"respC\""))) << mensagem.toStdString();
    EXPECT_EQ(hash(), antes); // the stale mark was not cleared on a refused bank
}

// A killed run leaves marks; the next run must start with every question available.
TEST_F(BancoTest, OpeningClearsMarksLeftByARunThatDidNotEnd)
{
    testbank::escreve(caminho, testbank::exemplos(6));
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero IN (2, 5)"));
    auto banco = bank::Abre_Banco(pasta.path());
    EXPECT_EQ(contagem(QStringLiteral("ja_foi='S'")), 0);
    EXPECT_EQ(contagem(QStringLiteral("ja_foi='N'")), 6);
}

// The unload reset clears this run's marks and older ones, and nothing else.
TEST_F(BancoTest, ResetClearsThisRunsAndStaleMarksOnly)
{
    testbank::escreve(caminho, testbank::exemplos(6));
    auto banco = bank::Abre_Banco(pasta.path());
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero=6;"
                                              "UPDATE questoes SET ja_foi='x' WHERE numero=4"));
    QString textoSql;
    auto registros = banco->OpenRecordset(bank::sqlNaoSorteadas);
    registros->Edit();
    registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S"));
    registros->Update();
    EXPECT_EQ(contagem(QStringLiteral("ja_foi='S'")), 2);

    bank::Zera_Marcas(*banco, textoSql, registros);
    EXPECT_EQ(textoSql, bank::sqlSorteadas);
    EXPECT_EQ(contagem(QStringLiteral("ja_foi='S'")), 0);
    EXPECT_EQ(contagem(QStringLiteral("ja_foi='x'")), 1); // neither mark: never drawn, never reset
}

// A bank held by another program (a database browser with unsaved changes, a
// backup tool) is not damaged and reinstalling would not help: the player is
// told it is in use, without a long wait, and nothing is written to it. The
// engine's own English text goes to the log, not into the message.
TEST_F(BancoTest, BankHeldByAnotherProgramIsReportedInUseNotDamaged)
{
    testbank::escreve(caminho, testbank::exemplos(4));
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero=2"));
    const QByteArray antes = hash();

    for (const char* trava : {"BEGIN EXCLUSIVE", "BEGIN IMMEDIATE; UPDATE questoes SET certa=certa WHERE numero=1"}) {
        SCOPED_TRACE(trava);
        const RegistroDeErros registro;
        QString mensagem;
        qint64 espera = 0;
        {
            const OutroPrograma outro(caminho, trava);
            QElapsedTimer relogio;
            relogio.start();
            mensagem = recusa();
            espera = relogio.elapsed();
        }
        EXPECT_TRUE(mensagem.contains(caminho)) << mensagem.toStdString();
        EXPECT_TRUE(mensagem.contains(QStringLiteral("em uso por outro programa"))) << mensagem.toStdString();
        EXPECT_TRUE(mensagem.contains(QStringLiteral("tente novamente"))) << mensagem.toStdString();
        EXPECT_FALSE(mensagem.contains(QStringLiteral("Reinstale"))) << mensagem.toStdString();
        EXPECT_FALSE(mensagem.contains(QStringLiteral("danificado"))) << mensagem.toStdString();
        EXPECT_FALSE(mensagem.contains(QStringLiteral("locked"))) << mensagem.toStdString();
        EXPECT_TRUE(RegistroDeErros::texto().contains(QStringLiteral("database is locked")))
            << RegistroDeErros::texto().toStdString();
        EXPECT_LT(espera, 2000);
        EXPECT_EQ(hash(), antes);
    }

    // Once the other program lets go, the bank opens and the stale mark is cleared.
    auto banco = bank::Abre_Banco(pasta.path());
    EXPECT_EQ(contagem(QStringLiteral("ja_foi='S'")), 0);
}

// A reset that fails half-way (a full disk, a write refused) must not leave
// half the marks cleared: every mark stays as it was, the bank stays usable,
// and the reset completes once the fault is gone.
TEST_F(BancoTest, ResetThatFailsHalfWayLeavesEveryMarkAsItWas)
{
    testbank::escreve(caminho, testbank::exemplos(6));
    auto banco = bank::Abre_Banco(pasta.path());
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero IN (1, 3, 4, 6);"
                                              "CREATE TRIGGER falha BEFORE UPDATE OF ja_foi ON questoes "
                                              "WHEN old.numero = 4 BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const QString marcadas = QStringLiteral("SELECT group_concat(numero) FROM questoes WHERE ja_foi='S'");

    QString textoSql;
    std::unique_ptr<platform::Recordset> registros;
    EXPECT_THROW(bank::Zera_Marcas(*banco, textoSql, registros), platform::DatabaseError);
    EXPECT_EQ(testbank::consulta(caminho, marcadas).toStdString(), "1,3,4,6");
    EXPECT_EQ(banco->OpenRecordset(bank::sqlSorteadas)->RecordCount(), 4); // the program sees them too

    testbank::executa(caminho, QStringLiteral("DROP TRIGGER falha")); // the failed reset holds no lock
    bank::Zera_Marcas(*banco, textoSql, registros);
    EXPECT_EQ(testbank::consulta(caminho, marcadas).toStdString(), "<NULL>");
}

TEST_F(BancoTest, EncodedFieldsDecodeAndANullReadsAsEmptyText)
{
    auto registrosFonte = testbank::exemplos(2);
    registrosFonte[0].pergunta = QStringLiteral("Qual é a cor da luz de bombordo?");
    testbank::escreve(caminho, registrosFonte);
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET respB=NULL WHERE numero=1"));
    auto banco = bank::Abre_Banco(pasta.path());
    auto registros = banco->OpenRecordset(bank::sqlNaoSorteadas);
    EXPECT_EQ(bank::Le_Campo_Decodificado(*registros, QStringLiteral("pergunta")),
              QStringLiteral("Qual é a cor da luz de bombordo?"));
    EXPECT_EQ(bank::Le_Campo_Decodificado(*registros, QStringLiteral("respB")), QString());
    EXPECT_EQ(bank::Le_Campo_Decodificado(*registros, QStringLiteral("materia")), QStringLiteral("RIPEAM"));
}

namespace {

// The review's text for question numero, "<nada>" when there is none; the
// texts handed in must come back empty then, not keep what they held.
QString explicacaoDe(platform::Database& banco, const QString& numero)
{
    QString fonte = QStringLiteral("da questão anterior");
    QString explicacao = fonte;
    if (bank::Le_Explicacao(banco, numero, fonte, explicacao))
        return fonte + QStringLiteral(" | ") + explicacao;
    return fonte.isEmpty() && explicacao.isEmpty() ? QStringLiteral("<nada>") : QStringLiteral("<restos>");
}

} // namespace

// An older bank, or another maker's, still runs the whole exam: its questions
// come without an explanation, whatever the table of explanations lacks, and
// nothing is thrown at the exam.
TEST_F(BancoTest, QuestionsWithoutAnExplanationReadAsNoneAndTheExamRunsOn)
{
    auto questoes = testbank::exemplos(3);
    questoes[0].fonte = QStringLiteral("NORMAM-211/DPC, Capítulo 4");
    questoes[0].explicacao = QStringLiteral("Só conduz quem é habilitado; a ação é imediata.");
    questoes[1].fonte = QStringLiteral("RIPEAM-72, Regra 21");
    questoes[1].explicacao = QStringLiteral("Luz de bordo.");
    testbank::escreve(caminho, questoes);
    {
        auto banco = bank::Abre_Banco(pasta.path());
        EXPECT_EQ(explicacaoDe(*banco, QStringLiteral("1")),
                  QStringLiteral("NORMAM-211/DPC, Capítulo 4 | Só conduz quem é habilitado; a ação é imediata."));
        EXPECT_EQ(explicacaoDe(*banco, QStringLiteral("3")), QStringLiteral("<nada>")); // written without one
        EXPECT_EQ(explicacaoDe(*banco, QStringLiteral("9")), QStringLiteral("<nada>")); // no such question
        EXPECT_EQ(explicacaoDe(*banco, QStringLiteral("1 OR 1=1")), QStringLiteral("<nada>"));
        EXPECT_EQ(explicacaoDe(*banco, QString()), QStringLiteral("<nada>"));
    }

    const char* const outrosBancos[] = {
        "DROP TABLE explicacoes",
        "ALTER TABLE explicacoes DROP COLUMN explicacao",
        "DROP TABLE explicacoes;"
        "CREATE TABLE explicacoes (numero INTEGER, fonte TEXT, explicacao TEXT);"
        "INSERT INTO explicacoes VALUES (1, NULL, 'Ipfk.'), (2, 'UVBMBT', NULL)",
        "DROP TABLE explicacoes;"
        "CREATE TABLE explicacoes (numero INTEGER PRIMARY KEY, fonte TEXT, explicacao TEXT) WITHOUT ROWID;"
        "INSERT INTO explicacoes VALUES (1, 'UVBMBT', 'Ipfk.')",
    };
    for (const char* outro : outrosBancos) {
        SCOPED_TRACE(outro);
        QFile::remove(caminho);
        testbank::escreve(caminho, questoes);
        testbank::executa(caminho, QString::fromUtf8(outro));
        auto banco = bank::Abre_Banco(pasta.path());
        EXPECT_EQ(explicacaoDe(*banco, QStringLiteral("1")), QStringLiteral("<nada>"));
        EXPECT_EQ(explicacaoDe(*banco, QStringLiteral("2")), QStringLiteral("<nada>"));
        EXPECT_EQ(banco->OpenRecordset(bank::sqlNaoSorteadas)->RecordCount(), 3);
    }
}

// After a system-wide install the bank cannot be written: the exam runs on a
// copy in memory, marks and reset included, and the file stays byte for byte.
// As root every file is writable, so the check runs as an unprivileged user.
TEST_F(BancoTest, ReadOnlyBankRunsInMemoryAndWritesNothing)
{
    testbank::escreve(caminho, testbank::exemplos(4));
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET ja_foi='S' WHERE numero=3"));
    const QByteArray antes = hash();

    for (const mode_t modoArquivo : {mode_t(0444), mode_t(0666)}) {
        ASSERT_EQ(::chmod(QFile::encodeName(caminho).constData(), modoArquivo), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(pasta.path()).constData(), 0555), 0);

        const pid_t filho = ::fork();
        ASSERT_GE(filho, 0);
        if (filho == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(10);
            try {
                auto banco = bank::Abre_Banco(pasta.path());
                if (!banco->isInMemoryCopy())
                    ::_exit(11);
                auto registros = banco->OpenRecordset(bank::sqlNaoSorteadas);
                if (registros->RecordCount() != 4) // the stale mark was cleared in the copy
                    ::_exit(12);
                registros->Edit();
                registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S"));
                registros->Update();
                if (banco->OpenRecordset(bank::sqlNaoSorteadas)->RecordCount() != 3)
                    ::_exit(13);
                QString textoSql;
                bank::Zera_Marcas(*banco, textoSql, registros);
            } catch (...) {
                ::_exit(14);
            }
            ::_exit(0);
        }
        int estado = 0;
        ASSERT_EQ(::waitpid(filho, &estado, 0), filho);
        EXPECT_TRUE(WIFEXITED(estado));
        EXPECT_EQ(WEXITSTATUS(estado), 0) << "arquivo com modo " << std::oct << modoArquivo;

        ::chmod(QFile::encodeName(pasta.path()).constData(), 0755);
        EXPECT_EQ(hash(), antes);
        EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{QStringLiteral("tolvane.mdb")});
    }
}
