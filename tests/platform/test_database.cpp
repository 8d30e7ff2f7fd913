// The record-set semantics the draw and the reset rely on, on real SQLite files.
#include "platform/Database.h"
#include "TestBank.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

using platform::Database;
using platform::DatabaseError;
using Kind = platform::DatabaseErrorKind;

namespace {

const QString naoSorteadas = QStringLiteral("SELECT * FROM questoes WHERE ja_foi='N'");

// The failure an operation throws; fails the test when it throws none.
DatabaseError falha(const std::function<void()>& operacao)
{
    try {
        operacao();
    } catch (const DatabaseError& erro) {
        return erro;
    }
    ADD_FAILURE() << "no DatabaseError";
    return DatabaseError(Kind::Misuse, QString());
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        caminho = pasta.filePath(QStringLiteral("tolvane.mdb"));
        testbank::escreve(caminho, testbank::exemplos(5));
    }
    QByteArray hash() const
    {
        QFile f(caminho);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    QTemporaryDir pasta;
    QString caminho;
};

} // namespace

// An edited row that no longer matches stays in the open set; a new query no longer sees it.
TEST_F(DatabaseTest, RecordSetIsASnapshotOfTheMatchingRows)
{
    auto banco = Database::OpenDatabase(caminho);
    EXPECT_FALSE(banco->isInMemoryCopy());
    auto registros = banco->OpenRecordset(naoSorteadas);
    int vistos = 0;
    while (!registros->Eof()) {
        ++vistos;
        registros->MoveNext();
    }
    EXPECT_EQ(vistos, 5);
    EXPECT_EQ(registros->RecordCount(), 5);

    registros->MoveFirst();
    registros->MoveNext();
    registros->Edit();
    registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S"));
    registros->Update();
    EXPECT_EQ(registros->Field(QStringLiteral("ja_foi")), QStringLiteral("S")); // stays on the row, current value

    registros->MoveFirst();
    int aindaNoConjunto = 0;
    while (!registros->Eof()) {
        ++aindaNoConjunto;
        registros->MoveNext();
    }
    EXPECT_EQ(aindaNoConjunto, 5);
    EXPECT_EQ(banco->OpenRecordset(naoSorteadas)->RecordCount(), 4);
}

// Update writes the row to the file at once: another connection sees it.
TEST_F(DatabaseTest, UpdateIsInTheFileAtOnce)
{
    auto banco = Database::OpenDatabase(caminho);
    auto registros = banco->OpenRecordset(naoSorteadas);
    registros->MoveNext();
    registros->MoveNext();
    registros->Edit();
    registros->SetField(QStringLiteral("JA_FOI"), QStringLiteral("S")); // field names ignore case
    registros->Update();
    EXPECT_EQ(testbank::consulta(caminho, QStringLiteral("SELECT group_concat(numero) FROM questoes WHERE ja_foi='S'")),
              QStringLiteral("3"));
}

TEST_F(DatabaseTest, NullIsDistinguishableFromEmptyText)
{
    testbank::executa(caminho, QStringLiteral("UPDATE questoes SET imagem=NULL WHERE numero=1;"
                                              "UPDATE questoes SET imagem='' WHERE numero=2"));
    auto banco = Database::OpenDatabase(caminho);
    auto registros = banco->OpenRecordset(naoSorteadas);
    EXPECT_EQ(registros->Field(QStringLiteral("imagem")), std::nullopt);
    registros->MoveNext();
    EXPECT_EQ(registros->Field(QStringLiteral("imagem")), QString());
    EXPECT_TRUE(registros->Field(QStringLiteral("imagem")).has_value());
    EXPECT_EQ(registros->Field(QStringLiteral("numero")), QStringLiteral("2")); // numbers read as text
}

TEST_F(DatabaseTest, EmptySetIsAtEofAtOnce)
{
    auto banco = Database::OpenDatabase(caminho);
    auto registros = banco->OpenRecordset(QStringLiteral("SELECT * FROM questoes WHERE ja_foi='S'"));
    EXPECT_TRUE(registros->Eof());
    EXPECT_EQ(registros->RecordCount(), 0);
    EXPECT_EQ(falha([&] { registros->Field(QStringLiteral("pergunta")); }).kind(), Kind::NoCurrentRecord);
    EXPECT_EQ(falha([&] { registros->Edit(); }).kind(), Kind::NoCurrentRecord);
}

// Each misuse fails with its own kind (the application words the message from
// it) and an English detail, and writes nothing.
TEST_F(DatabaseTest, MisuseFailsWithItsKindInsteadOfCorruptingData)
{
    auto banco = Database::OpenDatabase(caminho);
    auto registros = banco->OpenRecordset(naoSorteadas);
    const DatabaseError semCampo = falha([&] { registros->Field(QStringLiteral("inexistente")); });
    EXPECT_EQ(semCampo.kind(), Kind::NoSuchField);
    EXPECT_TRUE(semCampo.detail().contains(QStringLiteral("inexistente")));
    EXPECT_EQ(falha([&] { registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S")); }).kind(), Kind::Misuse);
    EXPECT_EQ(falha([&] { registros->Update(); }).kind(), Kind::Misuse);
    EXPECT_EQ(falha([&] { banco->OpenRecordset(QStringLiteral("DELETE FROM questoes")); }).kind(),
              Kind::UnsupportedQuery);
    const DatabaseError semColuna =
        falha([&] { banco->OpenRecordset(QStringLiteral("SELECT * FROM questoes WHERE nada='N'")); });
    EXPECT_EQ(semColuna.kind(), Kind::QueryFailed);
    EXPECT_TRUE(semColuna.detail().contains(QStringLiteral("no such column: nada")))
        << semColuna.detail().toStdString();
    EXPECT_EQ(falha([&] { banco->CommitTrans(); }).kind(), Kind::Misuse);
    banco->BeginTrans();
    EXPECT_EQ(falha([&] { banco->BeginTrans(); }).kind(), Kind::Misuse); // transactions do not nest
    banco->Rollback();
    banco->Rollback(); // nothing open: nothing happens
    EXPECT_EQ(testbank::consulta(caminho, QStringLiteral("SELECT count(*) FROM questoes WHERE ja_foi='N'")),
              QStringLiteral("5"));
}

// A missing file is never created, a folder or a file that is not a database
// is refused and left as it was, and a file that another program holds is
// reported as busy, not damaged, after a short wait.
TEST_F(DatabaseTest, UnusableFilesAreRefusedWithTheirKindAndLeftUntouched)
{
    const QString ausente = pasta.filePath(QStringLiteral("nao-existe.mdb"));
    EXPECT_EQ(falha([&] { Database::OpenDatabase(ausente); }).kind(), Kind::NotFound);
    EXPECT_FALSE(QFile::exists(ausente));
    ASSERT_TRUE(QDir(pasta.path()).mkdir(QStringLiteral("pasta.mdb")));
    EXPECT_EQ(falha([&] { Database::OpenDatabase(pasta.filePath(QStringLiteral("pasta.mdb"))); }).kind(),
              Kind::CannotOpen);

    {
        sqlite3* outro = nullptr;
        ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(caminho).constData(), &outro, SQLITE_OPEN_READWRITE, nullptr),
                  SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(outro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        const DatabaseError ocupado = falha([&] { Database::OpenDatabase(caminho); });
        EXPECT_EQ(ocupado.kind(), Kind::Busy);
        EXPECT_TRUE(ocupado.detail().contains(QStringLiteral("database is locked"))) << ocupado.detail().toStdString();
        sqlite3_close(outro);
    }

    {
        QFile lixo(caminho);
        ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
        lixo.write(QByteArray(4096, 'x'));
    }
    const QByteArray antes = hash();
    const DatabaseError danificado = falha([&] { Database::OpenDatabase(caminho); });
    EXPECT_EQ(danificado.kind(), Kind::NotADatabase);
    EXPECT_TRUE(danificado.detail().contains(QStringLiteral("file is not a database")));
    EXPECT_EQ(hash(), antes);
}

// Updates between BeginTrans and CommitTrans reach the file together; a
// rollback leaves the file, and what the record set reads, as before.
TEST_F(DatabaseTest, TransactionReachesTheFileWholeOrNotAtAll)
{
    const QString marcadas = QStringLiteral("SELECT count(*) FROM questoes WHERE ja_foi='S'");
    auto banco = Database::OpenDatabase(caminho);
    auto marca = [&](const std::unique_ptr<platform::Recordset>& registros) {
        registros->Edit();
        registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S"));
        registros->Update();
    };

    banco->BeginTrans();
    auto registros = banco->OpenRecordset(naoSorteadas);
    marca(registros);
    registros->MoveNext();
    marca(registros);
    EXPECT_EQ(registros->Field(QStringLiteral("ja_foi")), QStringLiteral("S")); // the program sees its own writes
    EXPECT_EQ(testbank::consulta(caminho, marcadas), QStringLiteral("0"));     // another program does not, yet
    banco->Rollback();
    EXPECT_EQ(registros->Field(QStringLiteral("ja_foi")), QStringLiteral("N"));
    EXPECT_EQ(banco->OpenRecordset(naoSorteadas)->RecordCount(), 5);

    banco->BeginTrans();
    registros = banco->OpenRecordset(naoSorteadas);
    marca(registros);
    registros->MoveNext();
    marca(registros);
    banco->CommitTrans();
    EXPECT_EQ(testbank::consulta(caminho, marcadas), QStringLiteral("2"));
}
