// The substitution that every stored text passes through.
#include "bank/modExterno.h"

#include <gtest/gtest.h>
#include <set>

using namespace modExterno;

namespace {

QString decodificado(const QString& texto)
{
    Decodifica_Texto(texto);
    return textoDecodificado;
}

class Decoding : public ::testing::Test {
protected:
    void SetUp() override { Preenche_Tabelas(); }
};

const QString substituidos = QStringLiteral(
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
    "ÀÁÂÃÇÉÊËÍÓÔÕÖÚÜàáâãçéêëíóôõöúü");
const QString foraDaVarredura = QStringLiteral("ÄÎÏÑÙÛÝŸäîïñùûýÿ");

} // namespace

// Both sides of the scanned pairs hold exactly the 92 characters, each once:
// otherwise some text could not be stored or would decode ambiguously.
TEST_F(Decoding, TablesPairThe92CharactersOneToOne)
{
    std::set<char16_t> entradas, saidas;
    for (int k = 1; k <= paresUsados; ++k) {
        entradas.insert(tabelaEntrada[k].unicode());
        saidas.insert(tabelaSaida[k].unicode());
    }
    std::set<char16_t> esperados;
    for (QChar c : substituidos)
        esperados.insert(c.unicode());
    EXPECT_EQ(esperados.size(), 92u);
    EXPECT_EQ(entradas, esperados);
    EXPECT_EQ(saidas, esperados);
    for (int k = paresUsados + 1; k <= tamanhoTabelas; ++k)
        EXPECT_TRUE(foraDaVarredura.contains(tabelaEntrada[k])) << k;
}

TEST_F(Decoding, EmptyTextAndCharactersOutsideTheSubstitutionPassUnchanged)
{
    EXPECT_EQ(decodificado(QString()), QString());
    const QString pontuacao = QStringLiteral("  ?,.()/-\n:;!\"'%ºª");
    EXPECT_EQ(decodificado(pontuacao), pontuacao);
    // In the tables at positions 93..108, but the scan stops at 92.
    EXPECT_EQ(decodificado(foraDaVarredura), foraDaVarredura);
}

// Case and accents count: each of these letters has its own pair.
TEST_F(Decoding, CaseAndAccentsAreDistinctEntries)
{
    for (const auto& [x, y] : {std::pair{u'a', u'A'}, {u'e', u'é'}, {u'c', u'ç'}, {u'O', u'Ô'}}) {
        const QString dx = decodificado(QString(QChar(x)));
        const QString dy = decodificado(QString(QChar(y)));
        EXPECT_NE(dx, dy);
        EXPECT_NE(dx, QString(QChar(x))); // every scanned character is really replaced
    }
}

TEST_F(Decoding, OutputHasTheInputsLengthAndOnlyTheLastResultStays)
{
    const QString texto = QStringLiteral("Embarcação à vela, às 18h: ÑÃO?");
    EXPECT_EQ(decodificado(texto).size(), texto.size());
    Decodifica_Texto(QStringLiteral("primeiro"));
    Decodifica_Texto(QStringLiteral("xy"));
    EXPECT_EQ(textoDecodificado.size(), 2);
}

// The builder encodes with the inverse tables; decoding must give the text back.
TEST_F(Decoding, EncodingThenDecodingGivesTheTextBack)
{
    QString todos = substituidos + foraDaVarredura + QStringLiteral(" Qual é a luz? «x» — 100%");
    const QString codificado = Codifica_Texto(todos);
    EXPECT_NE(codificado, todos);
    EXPECT_EQ(decodificado(codificado), todos);
}
