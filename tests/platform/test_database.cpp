// The record-set semantics the draw and the reset rely on, on real SQLite files.
#include "platform/Database.h"
#include "TestBank.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::Database;
using platform::DatabaseError;

namespace {

const QString naoSorteadas = QStringLiteral("SELECT * FROM questoes WHERE ja_foi='N'");

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
    EXPECT_THROW(registros->Field(QStringLiteral("pergunta")), DatabaseError);
    EXPECT_THROW(registros->Edit(), DatabaseError);
}

TEST_F(DatabaseTest, MisuseFailsWithAMessageInsteadOfCorruptingData)
{
    auto banco = Database::OpenDatabase(caminho);
    auto registros = banco->OpenRecordset(naoSorteadas);
    EXPECT_THROW(registros->Field(QStringLiteral("inexistente")), DatabaseError);
    EXPECT_THROW(registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S")), DatabaseError); // no Edit
    EXPECT_THROW(registros->Update(), DatabaseError);
    EXPECT_THROW(banco->OpenRecordset(QStringLiteral("DELETE FROM questoes")), DatabaseError);
    EXPECT_EQ(testbank::consulta(caminho, QStringLiteral("SELECT count(*) FROM questoes WHERE ja_foi='N'")),
              QStringLiteral("5"));
}

// A missing file is never created, and a file that is not a database is left as it was.
TEST_F(DatabaseTest, MissingOrDamagedFilesAreRefusedUntouched)
{
    const QString ausente = pasta.filePath(QStringLiteral("nao-existe.mdb"));
    EXPECT_THROW(Database::OpenDatabase(ausente), DatabaseError);
    EXPECT_FALSE(QFile::exists(ausente));

    {
        QFile lixo(caminho);
        ASSERT_TRUE(lixo.open(QIODevice::WriteOnly));
        lixo.write(QByteArray(4096, 'x'));
    }
    const QByteArray antes = hash();
    EXPECT_THROW(Database::OpenDatabase(caminho), DatabaseError);
    EXPECT_EQ(hash(), antes);
}
