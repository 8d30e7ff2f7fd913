// What the shipped question bank must hold: every subject well covered, the
// figures the licence exam relies on, and no letter favoured as the answer.
#include "FonteQuestoes.h"
#include "bank/Materias.h"
#include "platform/Database.h"

#include <QDir>
#include <QImageReader>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

using namespace construtor;

namespace {

std::vector<QuestaoFonte> questoesDoBanco()
{
    const QDir fontes(QStringLiteral(TOLVANE_SOURCE_DIR "/questions"));
    QStringList arquivos;
    for (const QString& nome : fontes.entryList({QStringLiteral("[1-9]-*.txt")}, QDir::Files, QDir::Name))
        arquivos << fontes.filePath(nome);
    const auto leitura = leFontes(arquivos, fontes.filePath(QStringLiteral("figuras")));
    EXPECT_TRUE(leitura.erros.empty());
    return leitura.questoes;
}

} // namespace

TEST(BankContents, EverySubjectIsCoveredAndTheBankIsLargeEnough)
{
    const auto questoes = questoesDoBanco();
    std::map<int, int> porMateria;
    for (const auto& q : questoes)
        ++porMateria[bank::numeroDaMateria(q.materia)];
    for (int materia = 1; materia <= bank::numeroMaterias; ++materia)
        EXPECT_GE(porMateria[materia], 40) << bank::nomesMaterias()[std::size_t(materia - 1)].toStdString();
    EXPECT_GE(questoes.size(), 460u);
}

// Lights and day shapes, buoyage and chart symbols are asked on pictures.
TEST(BankContents, FigureQuestionsCoverLightsBuoyageAndCharts)
{
    std::map<QString, int> porTema;
    int total = 0;
    for (const auto& q : questoesDoBanco())
        if (!q.figura.isEmpty()) {
            ++total;
            ++porTema[q.figura.section(QLatin1Char('-'), 0, 0)];
        }
    EXPECT_GE(total, 60);
    EXPECT_GE(porTema[QStringLiteral("ripeam")], 25);
    EXPECT_GE(porTema[QStringLiteral("baliza")], 20);
    EXPECT_GE(porTema[QStringLiteral("carta")], 8);
}

// A player must not learn that "C" is usually right.
TEST(BankContents, RightLettersAreSpreadEvenly)
{
    const auto questoes = questoesDoBanco();
    std::map<QString, int> letras;
    for (const auto& q : questoes)
        ++letras[q.certa];
    for (const QString& letra : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}) {
        const double parte = 100.0 * letras[letra] / double(questoes.size());
        EXPECT_GE(parte, 22.0) << letra.toStdString();
        EXPECT_LE(parte, 28.0) << letra.toStdString();
    }
}

// Every figure the bank names is in the program folder under a number, large
// enough to read; no file there is named after what a figure shows.
TEST(BankContents, FiguresBesideTheProgramAreNumberedAndReadable)
{
    const QDir programa(QStringLiteral(TOLVANE_PROGRAM_DIR));
    auto banco = platform::Database::OpenDatabase(programa.filePath(QStringLiteral("tolvane.mdb")));
    auto registros = banco->OpenRecordset(QStringLiteral("SELECT imagem FROM questoes WHERE imagem <> 'N'"));
    const QRegularExpression neutro(QStringLiteral("^figura-[0-9]{3}\\.png$"));
    QStringList nomeadas;
    for (; !registros->Eof(); registros->MoveNext()) {
        const QString imagem = registros->Field(QStringLiteral("imagem")).value_or(QString());
        EXPECT_TRUE(neutro.match(imagem).hasMatch()) << imagem.toStdString();
        const QSize tamanho = QImageReader(programa.filePath(imagem)).size();
        ASSERT_TRUE(tamanho.isValid()) << imagem.toStdString();
        EXPECT_GE(std::max(tamanho.width(), tamanho.height()), 640) << imagem.toStdString();
        nomeadas << imagem;
    }
    int comFigura = 0;
    for (const auto& q : questoesDoBanco())
        comFigura += !q.figura.isEmpty();
    EXPECT_EQ(nomeadas.size(), comFigura);

    for (const QString& png : programa.entryList({QStringLiteral("figura-*.png")}, QDir::Files))
        EXPECT_TRUE(nomeadas.contains(png)) << png.toStdString() << " is named by no question";
    const QDir figuras(QStringLiteral(TOLVANE_SOURCE_DIR "/questions/figuras"));
    for (const QString& svg : figuras.entryList({QStringLiteral("*.svg")}, QDir::Files))
        EXPECT_FALSE(programa.exists(svg.chopped(4) + QStringLiteral(".png"))) << svg.toStdString();
}
