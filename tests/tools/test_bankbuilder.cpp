// The bank builder: what it refuses, what it warns of, and that the bank it
// writes reads back exactly as the sources say.
#include "Avisos.h"
#include "EscritorBanco.h"
#include "Figuras.h"
#include "FonteQuestoes.h"
#include "Renderizacao.h"
#include "Resumo.h"
#include "Semelhanca.h"
#include "bank/BancoQuestoes.h"
#include "bank/Materias.h"
#include "bank/modExterno.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace construtor;

namespace {

const QString questaoValida = QStringLiteral(
    "pergunta: Qual é a cor da luz de bordo de boreste?\n"
    "a) Verde.\n"
    "b) Encarnada.\n"
    "c) Branca.\n"
    "d) Amarela.\n"
    "certa: A\n"
    "fonte: RIPEAM-72, Regra 21(b)\n"
    "explicação: A luz de bordo de boreste é verde.\n");

class Builder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        QDir(pasta.path()).mkdir(QStringLiteral("figuras"));
        figuras = pasta.filePath(QStringLiteral("figuras"));
    }
    QString arquivo(const QString& nome, const QString& conteudo)
    {
        const QString caminho = pasta.filePath(nome);
        QFile f(caminho);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo.toUtf8());
        return caminho;
    }
    // The one error of a single source file, as "file:line: reason".
    QString erroUnico(const QString& conteudo)
    {
        const auto r = leFontes({arquivo(QStringLiteral("1-teste.txt"), conteudo)}, figuras);
        EXPECT_EQ(r.erros.size(), 1u);
        EXPECT_TRUE(r.questoes.empty());
        return r.erros.empty() ? QString() : r.erros.front().texto();
    }
    QTemporaryDir pasta;
    QString figuras;
};

QString comMateria(const QString& corpo)
{
    return QStringLiteral("# comentário\nmatéria: RIPEAM\n\n") + corpo;
}

} // namespace

TEST_F(Builder, RefusesEachBadSourceWithFileLineAndReason)
{
    EXPECT_EQ(erroUnico(QStringLiteral("matéria: Ripeam\n\n") + questaoValida),
              QStringLiteral("1-teste.txt:1: matéria desconhecida: \"Ripeam\""));

    QString q = questaoValida;
    EXPECT_EQ(erroUnico(comMateria(q.replace(QStringLiteral("certa: A"), QStringLiteral("certa: E")))),
              QStringLiteral("1-teste.txt:9: a letra certa deve ser A, B, C ou D, não \"E\""));

    q = questaoValida;
    EXPECT_EQ(erroUnico(comMateria(q.replace(QStringLiteral("c) Branca."), QStringLiteral("c)   ")))),
              QStringLiteral("1-teste.txt:7: \"c)\" está vazio"));

    q = questaoValida;
    EXPECT_EQ(erroUnico(comMateria(q.replace(QStringLiteral("Qual é a cor da luz de bordo de boreste?"),
                                             QString()))),
              QStringLiteral("1-teste.txt:4: \"pergunta:\" está vazio"));

    q = questaoValida;
    EXPECT_EQ(erroUnico(comMateria(q.replace(QStringLiteral("fonte:"), QStringLiteral("figura: luz.png\nfonte:")))),
              QStringLiteral("1-teste.txt:10: figura inexistente: luz.svg não está em %1").arg(figuras));

    q = questaoValida;
    EXPECT_EQ(erroUnico(comMateria(q.remove(QStringLiteral("b) Encarnada.\n")))),
              QStringLiteral("1-teste.txt:6: esperava \"b)\" aqui"));

    q = questaoValida;
    EXPECT_EQ(erroUnico(comMateria(q.remove(QStringLiteral("explicação: A luz de bordo de boreste é verde.\n")))),
              QStringLiteral("1-teste.txt:10: falta \"explicação:\" nesta questão"));
}

// The same question in two files, differing only in case, accents and punctuation.
TEST_F(Builder, RefusesADuplicateQuestionAcrossFiles)
{
    QString outra = questaoValida;
    outra.replace(QStringLiteral("Qual é a cor da luz de bordo de boreste?"),
                  QStringLiteral("QUAL E A COR DA LUZ DE BORDO DE BORESTE ?"));
    const auto r = leFontes({arquivo(QStringLiteral("1-a.txt"), comMateria(questaoValida)),
                             arquivo(QStringLiteral("1-b.txt"), comMateria(outra))},
                            figuras);
    ASSERT_EQ(r.erros.size(), 1u);
    EXPECT_EQ(r.erros.front().texto(), QStringLiteral("1-b.txt:4: questão repetida: a mesma pergunta está em 1-a.txt:4"));
}

// The same question in other words is caught; the same words over another
// figure ask something else and pass.
TEST_F(Builder, NearDuplicatesAreFoundExceptOverDifferentFigures)
{
    const auto questao = [](const char* pergunta, const char* certa, const char* figura) {
        QuestaoFonte q;
        q.arquivo = QStringLiteral("1-x.txt");
        q.pergunta = QString::fromUtf8(pergunta);
        q.respostas = {QString::fromUtf8(certa), QStringLiteral("Azul"), QStringLiteral("Roxa"), QStringLiteral("Preta")};
        q.certa = QStringLiteral("A");
        q.figura = QString::fromUtf8(figura);
        return q;
    };
    std::vector<QuestaoFonte> questoes = {
        questao("Qual é a cor da luz de boreste de uma lancha?", "Verde.", ""),
        questao("Qual a cor da luz de boreste de uma lancha?", "Verde", ""),
        questao("Observe a figura. Que embarcação exibe estas luzes?", "Um rebocador.", "a.png"),
        questao("Observe a figura. Que embarcação exibe estas luzes?", "Um rebocador.", "b.png"),
        questao("Qual é a cor da luz de mastro de uma lancha?", "Branca.", ""),
    };
    questoes[1].linha = 20;
    const auto erros = questoesParecidas(questoes);
    ASSERT_EQ(erros.size(), 1u);
    EXPECT_EQ(erros.front().linha, 20);
    EXPECT_GE(semelhanca(questoes[0].pergunta, questoes[4].pergunta), 0.8); // alike, but another answer
}

// A figure that exists is accepted; one that no question uses is reported.
TEST_F(Builder, FiguresMustExistAndBeUsed)
{
    arquivo(QStringLiteral("figuras/luz.svg"), QStringLiteral("<svg/>"));
    arquivo(QStringLiteral("figuras/sobra.svg"), QStringLiteral("<svg/>"));
    QString q = questaoValida;
    q.replace(QStringLiteral("fonte:"), QStringLiteral("figura: luz.png\nfonte:"));
    const auto r = leFontes({arquivo(QStringLiteral("1-teste.txt"), comMateria(q))}, figuras);
    EXPECT_TRUE(r.erros.empty());
    ASSERT_EQ(r.questoes.size(), 1u);
    EXPECT_EQ(r.questoes.front().figura, QStringLiteral("luz.png"));
    EXPECT_EQ(figurasSemQuestao(figuras, r.figurasUsadas), QStringList{QStringLiteral("sobra.svg")});
}

// Long values continue on indented lines; what is written reads back decoded.
TEST_F(Builder, WrittenBankDecodesBackToTheSource)
{
    QString q = questaoValida;
    q.replace(QStringLiteral("Qual é a cor da luz de bordo de boreste?"),
              QStringLiteral("Numa embarcação à noite,\n   qual é a cor da luz de boreste?"));
    const auto r = leFontes({arquivo(QStringLiteral("1-teste.txt"), comMateria(q))}, figuras);
    ASSERT_TRUE(r.erros.empty());
    EXPECT_EQ(r.questoes.front().pergunta, QStringLiteral("Numa embarcação à noite, qual é a cor da luz de boreste?"));

    ASSERT_TRUE(escreveBanco(pasta.filePath(QStringLiteral("tolvane.mdb")), registrosDoBanco(r.questoes)).isEmpty());
    auto banco = bank::Abre_Banco(pasta.path());
    auto registros = banco->OpenRecordset(bank::sqlNaoSorteadas);
    ASSERT_EQ(registros->RecordCount(), 1);
    EXPECT_NE(registros->Field(QStringLiteral("pergunta")), r.questoes.front().pergunta); // stored encoded
    EXPECT_EQ(bank::Le_Campo_Decodificado(*registros, QStringLiteral("pergunta")), r.questoes.front().pergunta);
    EXPECT_EQ(bank::Le_Campo_Decodificado(*registros, QStringLiteral("respB")), QStringLiteral("Encarnada."));
    EXPECT_EQ(registros->Field(QStringLiteral("imagem")), QStringLiteral("N"));
}

// The review shows each question's rule and explanation exactly as the source
// wrote them, accents and continued lines included; they are stored encoded,
// in a table of their own, and the table questoes keeps its fields.
TEST_F(Builder, ExplanationsTravelEncodedFromTheSourcesToTheReview)
{
    QString segunda = questaoValida;
    segunda.replace(QStringLiteral("boreste?"), QStringLiteral("bombordo?"))
        .replace(QStringLiteral("certa: A"), QStringLiteral("certa: B"))
        .replace(QStringLiteral("fonte: RIPEAM-72, Regra 21(b)"),
                 QStringLiteral("fonte: RIPEAM-72, Regras 21(b) e 22(b), versão em português"))
        .replace(QStringLiteral("explicação: A luz de bordo de boreste é verde."),
                 QStringLiteral("explicação: Bombordo é à esquerda de quem olha para a proa;\n"
                                "   sua luz de bordo é encarnada, não verde."));
    const auto r = leFontes({arquivo(QStringLiteral("1-teste.txt"), comMateria(questaoValida + QLatin1Char('\n') + segunda))},
                            figuras);
    ASSERT_TRUE(r.erros.empty()) << r.erros.front().texto().toStdString();
    ASSERT_EQ(r.questoes.size(), 2u);
    const QString caminho = pasta.filePath(QStringLiteral("tolvane.mdb"));
    ASSERT_TRUE(escreveBanco(caminho, registrosDoBanco(r.questoes)).isEmpty());

    modExterno::Preenche_Tabelas();
    auto banco = bank::Abre_Banco(pasta.path());
    EXPECT_EQ(banco->columnsOf(QStringLiteral("questoes")), bank::camposObrigatorios());
    auto registros = banco->OpenRecordset(bank::sqlNaoSorteadas);
    ASSERT_EQ(registros->RecordCount(), 2);
    QStringList lidas;
    for (; !registros->Eof(); registros->MoveNext()) {
        const QString pergunta = bank::Le_Campo_Decodificado(*registros, QStringLiteral("pergunta"));
        const auto q = std::find_if(r.questoes.begin(), r.questoes.end(),
                                    [&](const QuestaoFonte& f) { return f.pergunta == pergunta; });
        ASSERT_NE(q, r.questoes.end()) << pergunta.toStdString();
        QString fonte = QStringLiteral("de outra questão");
        QString explicacao = fonte;
        ASSERT_TRUE(bank::Le_Explicacao(*banco, *registros->Field(QStringLiteral("numero")), fonte, explicacao));
        EXPECT_EQ(fonte, q->fonte);
        EXPECT_EQ(explicacao, q->explicacao);
        lidas << explicacao;
    }
    EXPECT_TRUE(lidas.contains(QStringLiteral(
        "Bombordo é à esquerda de quem olha para a proa; sua luz de bordo é encarnada, não verde.")));

    QFile arquivoBanco(caminho);
    ASSERT_TRUE(arquivoBanco.open(QIODevice::ReadOnly));
    const QByteArray bytes = arquivoBanco.readAll();
    for (const QuestaoFonte& q : r.questoes) {
        EXPECT_FALSE(bytes.contains(q.fonte.toUtf8())) << q.fonte.toStdString();
        EXPECT_FALSE(bytes.contains(q.explicacao.toUtf8())) << q.explicacao.toStdString();
        EXPECT_TRUE(bytes.contains(modExterno::Codifica_Texto(q.explicacao).toUtf8()));
    }
}

// A question whose options are given as "a|b|c|d", the right one first.
QString questaoCom(const QString& pergunta, const QString& opcoes)
{
    const QStringList o = opcoes.split(QLatin1Char('|'));
    return QStringLiteral("pergunta: %1\na) %2\nb) %3\nc) %4\nd) %5\ncerta: A\nfonte: F\nexplicação: E.\n\n")
        .arg(pergunta, o[0], o[1], o[2], o[3]);
}

// Each cue is reported on its question's line; a tie for the longest, an
// absolute word inside another word, or one distractor without an absolute
// word is no cue.
TEST_F(Builder, WarnsOfTheRightAnswerThatStandsOutWithFileAndLine)
{
    const QString fonte = comMateria(
        questaoCom(QStringLiteral("Q1?"), QStringLiteral("Verde e branca.|Verde.|Azul.|Roxa.")) +        // line 4
        questaoCom(QStringLiteral("Q2?"), QStringLiteral("Verde e branca.|Verde e marrom.|Azul.|Roxa.")) + // 13
        questaoCom(QStringLiteral("Q3?"), QStringLiteral("Ao pôr do sol.|SOMENTE de dia.|Só à noite.|Nenhuma vez."))
        + questaoCom(QStringLiteral("Q4?"), QStringLiteral("De dia.|Todavia à tarde.|Sempre.|Jamais.")) + // 31
        questaoCom(QStringLiteral("Q5?"), QStringLiteral("De dia.|À noite.|Sempre.|Jamais.")));          // 40
    const auto r = leFontes({arquivo(QStringLiteral("1-teste.txt"), fonte)}, figuras);
    ASSERT_TRUE(r.erros.empty()) << r.erros.front().texto().toStdString();
    QStringList textos;
    for (const auto& aviso : avisos(r.questoes))
        textos << aviso.texto();
    EXPECT_EQ(textos.join(QLatin1Char('\n')).toStdString(),
              "1-teste.txt:4: aviso: a resposta certa é a única mais longa\n"
              "1-teste.txt:22: aviso: a resposta certa é a única sem palavra absoluta (somente, sempre, nunca, todos...)");
}

// Three wrong answers that begin with one word give away a right one that
// begins with another, whatever their case, accents and punctuation; an
// article of the same kind ("A proa" against "O leme") is the same form, and
// one wrong answer of another form is no cue.
TEST_F(Builder, WarnsOfTheRightAnswerThatAloneBreaksTheOthersForm)
{
    const QString fonte = comMateria(
        questaoCom(QStringLiteral("Q1?"), QStringLiteral("Todas as pessoas a bordo.|Só os tripulantes contratados."
                                                         "|SO os passageiros.|\"só\" os amadores.")) + // line 4
        questaoCom(QStringLiteral("Q2?"), QStringLiteral("Não dar nada pela boca.|Dar água.|Dar café."
                                                         "|Servir chá quente com açúcar.")) +
        questaoCom(QStringLiteral("Q3?"), QStringLiteral("A proa não se move.|O barco gira no mesmo lugar."
                                                         "|O leme vibra.|O hélice cavita.")) +
        questaoCom(QStringLiteral("Q4?"), QStringLiteral("Pelos Avisos aos Navegantes.|Pela marina.|Pela Capitania."
                                                         "|Pelas prefeituras ribeirinhas do trecho.")) +
        questaoCom(QStringLiteral("Q5?"), QStringLiteral("Os restos de um naufrágio.|Uma boia que saiu de posição."
                                                         "|Um casco em obra.|Uma pedra."))); // line 40
    const auto r = leFontes({arquivo(QStringLiteral("1-teste.txt"), fonte)}, figuras);
    ASSERT_TRUE(r.erros.empty()) << r.erros.front().texto().toStdString();
    QStringList textos;
    for (const auto& aviso : avisos(r.questoes))
        textos << aviso.texto();
    EXPECT_EQ(textos.join(QLatin1Char('\n')).toStdString(),
              "1-teste.txt:4: aviso: a resposta certa é a única que não começa como as outras (\"Só ...\")\n"
              "1-teste.txt:40: aviso: a resposta certa é a única que não começa como as outras (\"Uma ...\")");
}

// The summary flags a subject where the longest option is right far more, or
// far less, often than chance gives.
TEST(Summary, FlagsASubjectWhoseLongestAnswerShareIsOutsideChance)
{
    const auto questao = [](const char* materia, bool certaMaisLonga) {
        QuestaoFonte q;
        q.materia = QString::fromUtf8(materia);
        q.respostas = {QStringLiteral("Uma resposta"), QStringLiteral("Outra"), QStringLiteral("Mais uma"),
                       QStringLiteral("Ainda outra")};
        q.certa = certaMaisLonga ? QStringLiteral("A") : QStringLiteral("B");
        return q;
    };
    std::vector<QuestaoFonte> questoes;
    for (int i = 0; i < 4; ++i) {
        questoes.push_back(questao("RIPEAM", i == 0));  // 25 %
        questoes.push_back(questao("MANOBRA", i < 2)); // 50 %
        questoes.push_back(questao("BALIZAMENTO", false));
    }
    const QStringList linhas = resumo(questoes).split(QLatin1Char('\n'));
    ASSERT_GE(linhas.size(), 3);
    EXPECT_TRUE(linhas[0].startsWith(QStringLiteral("  RIPEAM: 4 questões"))) << linhas[0].toStdString();
    EXPECT_TRUE(linhas[0].contains(QStringLiteral("1 certa a única mais longa (25.0%),"))) << linhas[0].toStdString();
    EXPECT_TRUE(linhas[1].contains(QStringLiteral("(0.0%) FORA DE 15 A 35%"))) << linhas[1].toStdString();
    EXPECT_TRUE(linhas[2].contains(QStringLiteral("2 certa a única mais longa (50.0%) FORA DE 15 A 35%")))
        << linhas[2].toStdString();
}

// The shipped bank: every stored field, each question's rule and explanation
// included, decodes back to its source text, every row is unasked, and every
// figure it names is in the program folder under a number, drawn from the
// question's own SVG.
TEST(ShippedBank, EveryStoredFieldDecodesBackToItsSource)
{
    const QDir fontes(QStringLiteral(TOLVANE_SOURCE_DIR "/questions"));
    QStringList arquivos;
    for (const QString& nome : fontes.entryList({QStringLiteral("[1-9]-*.txt")}, QDir::Files, QDir::Name))
        arquivos << fontes.filePath(nome);
    const auto leitura = leFontes(arquivos, fontes.filePath(QStringLiteral("figuras")));
    ASSERT_TRUE(leitura.erros.empty()) << leitura.erros.front().texto().toStdString();
    ASSERT_FALSE(leitura.questoes.empty());
    const auto nomes = nomesNeutros(leitura.questoes);
    const QRegularExpression neutro(QStringLiteral("^figura-[0-9]{3}\\.png$"));

    modExterno::Preenche_Tabelas();
    auto banco = platform::Database::OpenDatabase(QStringLiteral(TOLVANE_PROGRAM_DIR "/tolvane.mdb"));
    auto registros = banco->OpenRecordset(QStringLiteral("SELECT * FROM questoes"));
    ASSERT_EQ(registros->RecordCount(), int(leitura.questoes.size()));
    for (const QuestaoFonte& q : leitura.questoes) {
        ASSERT_FALSE(registros->Eof());
        const auto campo = [&](const char* nome) { return bank::Le_Campo_Decodificado(*registros, QString::fromLatin1(nome)); };
        const std::string onde = QStringLiteral("%1:%2").arg(q.arquivo).arg(q.linha).toStdString();
        EXPECT_EQ(campo("pergunta"), q.pergunta) << onde;
        EXPECT_EQ(campo("respA"), q.respostas[0]) << onde;
        EXPECT_EQ(campo("respB"), q.respostas[1]) << onde;
        EXPECT_EQ(campo("respC"), q.respostas[2]) << onde;
        EXPECT_EQ(campo("respD"), q.respostas[3]) << onde;
        EXPECT_EQ(campo("certa"), q.certa) << onde;
        EXPECT_NE(bank::numeroDaMateria(campo("materia")), 0) << onde;
        EXPECT_EQ(campo("materia"), q.materia) << onde;
        EXPECT_EQ(registros->Field(QStringLiteral("ja_foi")), QStringLiteral("N")) << onde;
        QString fonte, explicacao;
        EXPECT_TRUE(bank::Le_Explicacao(*banco, *registros->Field(QStringLiteral("numero")), fonte, explicacao)) << onde;
        EXPECT_EQ(fonte, q.fonte) << onde;
        EXPECT_EQ(explicacao, q.explicacao) << onde;
        const QString imagem = registros->Field(QStringLiteral("imagem")).value_or(QString());
        if (q.figura.isEmpty()) {
            EXPECT_EQ(imagem, QStringLiteral("N")) << onde;
        } else {
            EXPECT_EQ(imagem, nomes.at(q.figura)) << onde;
            EXPECT_TRUE(neutro.match(imagem).hasMatch()) << onde << " " << imagem.toStdString();
            const QImage png(QStringLiteral(TOLVANE_PROGRAM_DIR "/") + imagem);
            const QImage svg = renderizaSvg(fontes.filePath(QStringLiteral("figuras/") + q.figura.chopped(4) + QStringLiteral(".svg")));
            EXPECT_FALSE(png.isNull()) << onde;
            EXPECT_TRUE(png.convertToFormat(QImage::Format_ARGB32) == svg) << onde << ": " << imagem.toStdString()
                                                                           << " is not " << q.figura.toStdString();
        }
        registros->MoveNext();
    }
}
