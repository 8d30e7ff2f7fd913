// The review window drawn offscreen to PNG files for a person to look at,
// over the real bank's longest questions, and the check a machine can make:
// every question of the real bank fits its card.
//
// The pictures go to <build>/revisao, or to $TOLVANE_REVISAO when it is set.
#include "RevisaoFixture.h"
#include "bank/Materias.h"
#include "review/GeometriaRevisao.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QScreen>
#include <QTextStream>
#include <iostream>

using namespace revisaotest;
using exam::Desfecho;

namespace {

QString pastaRevisao()
{
    const QString pasta = qEnvironmentVariable("TOLVANE_REVISAO", QStringLiteral(TOLVANE_REVISAO_PADRAO));
    QDir().mkpath(pasta);
    return pasta;
}

// The window as it opens, filling the screen over which Form_Load centred the panel.
QImage desenha(frmRevisao& r)
{
    QWidget* janela = r.Me.widget();
    if (const QScreen* monitor = janela->screen())
        janela->resize(monitor->size());
    return janela->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The questions of the bank's readable sources: "chave: valor" blocks, long
// values continued on indented lines.
std::vector<exam::QuestaoVista> questoesDoBanco()
{
    std::vector<exam::QuestaoVista> questoes;
    const QDir pasta(QStringLiteral(TOLVANE_SOURCE_DIR "/questions"));
    for (const QString& nome : pasta.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile arquivo(pasta.filePath(nome));
        if (!arquivo.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream leitura(&arquivo);
        QString materia;
        QString* campo = nullptr;
        static const QRegularExpression chave(QStringLiteral("^(matéria|pergunta|a\\)|b\\)|c\\)|d\\)|certa|figura|"
                                                             "fonte|explicação):?\\s*(.*)$"));
        while (!leitura.atEnd()) {
            const QString linha = leitura.readLine();
            if (linha.startsWith(QLatin1Char('#')))
                continue;
            if (linha.trimmed().isEmpty()) {
                campo = nullptr;
                continue;
            }
            if (linha.startsWith(QLatin1Char(' ')) && campo) {
                *campo += QLatin1Char(' ') + linha.trimmed();
                continue;
            }
            const auto m = chave.match(linha);
            if (!m.hasMatch())
                continue;
            const QString k = m.captured(1);
            if (k == QStringLiteral("matéria")) {
                materia = m.captured(2);
                continue;
            }
            if (k == QStringLiteral("pergunta")) {
                questoes.emplace_back();
                questoes.back().materia = materia;
            }
            if (questoes.empty())
                continue;
            exam::QuestaoVista& q = questoes.back();
            campo = k == QStringLiteral("pergunta")      ? &q.pergunta
                    : k == QStringLiteral("a)")          ? &q.respostas[0]
                    : k == QStringLiteral("b)")          ? &q.respostas[1]
                    : k == QStringLiteral("c)")          ? &q.respostas[2]
                    : k == QStringLiteral("d)")          ? &q.respostas[3]
                    : k == QStringLiteral("certa")       ? &q.certa
                    : k == QStringLiteral("figura")      ? &q.imagem
                    : k == QStringLiteral("fonte")       ? &q.fonte
                                                         : &q.explicacao;
            *campo = m.captured(2);
        }
    }
    return questoes;
}

int tamanho(const exam::QuestaoVista& q)
{
    int n = int(q.pergunta.size() + q.fonte.size() + q.explicacao.size());
    for (const QString& r : q.respostas)
        n += int(r.size());
    return n;
}

// A history of seven exams, newest first, getting better over time.
std::vector<exam::ResumoExame> historicoInventado(const exam::ResumoExame& atual)
{
    std::vector<exam::ResumoExame> historico{atual};
    const int pcts[] = {45, 52, 38, 30, 57, 25};
    for (int i = 0; i < 6; ++i) {
        exam::ResumoExame e = exame({}, pcts[i]);
        e.quando = atual.quando.addDays(-2 * (i + 1)).addSecs(-3600 * i);
        for (int k = 0; k < 9; ++k)
            e.porMateria[std::size_t(k)] = k == 2 && i % 2 ? -1 : (pcts[i] + 13 * k + 7 * i) % 101;
        historico.push_back(e);
    }
    return historico;
}

} // namespace

// Every question of the real bank, with its source and explanation, fits the
// card: its last line ends above the card's bottom.
TEST_F(RevisaoTest, EveryQuestionOfTheRealBankFitsItsCard)
{
    std::vector<exam::QuestaoVista> todas = questoesDoBanco();
    ASSERT_GT(todas.size(), 500u);
    for (auto& q : todas)
        q.desfecho = Desfecho::errada, q.escolhida = q.certa == QStringLiteral("A") ? QStringLiteral("B")
                                                                                       : QStringLiteral("A");
    revisao().Me.Load(); // laid out but not shown: quicker over hundreds of questions
    frmRevisao& r = revisao();
    r.exame = exame(todas);
    r.comErros_Click();
    r.comErros_Click();
    const int fundo = review::geometria::dentroDoCartao.bottom();
    int maior = 0;
    for (std::size_t i = 0; i < todas.size(); ++i) {
        if (i > 0)
            r.comProxima_Click();
        ASSERT_EQ(r.labPergunta.Caption(), todas[i].pergunta);
        const int fim = r.labExplicacao.Top() + r.labExplicacao.Height();
        maior = std::max(maior, fim);
        EXPECT_LE(fim, fundo) << todas[i].pergunta.toStdString();
    }
    std::cout << "lowest text bottom over the bank: " << maior << " of " << fundo << " twips\n";
}

TEST_F(RevisaoTest, ReviewPicturesOfTheLongestQuestions)
{
    std::vector<exam::QuestaoVista> todas = questoesDoBanco();
    ASSERT_GT(todas.size(), 500u);
    std::stable_sort(todas.begin(), todas.end(), [](const auto& a, const auto& b) { return tamanho(a) > tamanho(b); });
    // The longest question first, then the one with the longest source, the
    // longest question text, and one with a figure; mixed outcomes.
    auto longest = [&](auto campo) {
        return *std::max_element(todas.begin(), todas.end(),
                                 [&](const auto& a, const auto& b) { return campo(a).size() < campo(b).size(); });
    };
    std::vector<exam::QuestaoVista> questoes{
        todas[0], longest([](const auto& q) { return q.fonte; }), longest([](const auto& q) { return q.pergunta; }),
        *std::find_if(todas.begin(), todas.end(), [](const auto& q) { return !q.imagem.isEmpty(); })};
    for (std::size_t i = 1; i < 23; ++i)
        questoes.push_back(todas[i]);
    const Desfecho desfechos[] = {Desfecho::errada, Desfecho::tempoEsgotado, Desfecho::certa, Desfecho::errada,
                                  Desfecho::pulada};
    for (std::size_t i = 0; i < questoes.size(); ++i) {
        auto& q = questoes[i];
        q.desfecho = i + 1 == questoes.size() ? Desfecho::naTela : desfechos[i % 5];
        if (q.desfecho == Desfecho::certa)
            q.escolhida = q.certa;
        else if (q.desfecho == Desfecho::errada)
            q.escolhida = q.certa == QStringLiteral("D") ? QStringLiteral("A") : QStringLiteral("D");
    }
    auto e = exame(questoes, 42);
    e.veredito = QStringLiteral("Você não atingiu o número de 40 questões respondidas, e estas serão consideradas "
                                "como respostas erradas. Seu desempenho foi de 42%. Não atingiu o mínimo necessário.");
    e.porMateria = {50, 25, -1, 40, 75, 100, 33, 60, 20};
    const QString saida = pastaRevisao();

    frmRevisao& r = abre(e, historicoInventado(e));
    ASSERT_TRUE(desenha(r).save(saida + QStringLiteral("/revisao-1-resumo.png")));
    EXPECT_LE(r.labFracas.Top() + r.labFracas.Height(), review::geometria::dentroDaPlaca.bottom());
    EXPECT_TRUE(r.picGrafico.Visible());

    r.comErros_Click();
    r.comProxima_Click();
    ASSERT_TRUE(desenha(r).save(saida + QStringLiteral("/revisao-2-erros.png")));
    r.comErros_Click();
    r.comProxima_Click();
    ASSERT_TRUE(desenha(r).save(saida + QStringLiteral("/revisao-3-figura.png")));
    r.comFechar_Click();
    QCoreApplication::sendPostedEvents();

    // Passed, without a history this run, filter on with no error to show.
    std::vector<exam::QuestaoVista> certas{todas[5], todas[6]};
    for (auto& q : certas)
        q.desfecho = Desfecho::certa, q.escolhida = q.certa;
    certas[1].explicacao.clear();
    auto aprovado = exame(certas, 85);
    aprovado.veredito = QStringLiteral("O número máximo de questões já foi atingido. Seu desempenho foi de 85%. "
                                       "Parabéns.");
    aprovado.porMateria = {100, 75, 80, -1, 100, 67, 100, 75, 90};
    frmRevisao& s = abre(aprovado, {},
                         QStringLiteral("Não foi possível gravar o histórico: a pasta de dados não aceita escrita. "
                                        "Este simulado não ficará registrado."));
    s.comProxima_Click();
    ASSERT_TRUE(desenha(s).save(saida + QStringLiteral("/revisao-4-sem-historico.png")));
    s.comErros_Click();
    ASSERT_TRUE(desenha(s).save(saida + QStringLiteral("/revisao-5-sem-erros.png")));
}
