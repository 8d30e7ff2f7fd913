// Builds tolvane.mdb from the readable sources in questions/.
//   bankbuilder --saida tolvane.mdb --figuras questions/figuras fonte.txt...
// Refuses every bad source with file, line and reason, and writes nothing then.
#include "EscritorBanco.h"
#include "FonteQuestoes.h"
#include "Resumo.h"
#include "Semelhanca.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

void escreve(std::FILE* saida, const QString& texto)
{
    std::fputs(texto.toUtf8().constData(), saida);
    std::fputc('\n', saida);
}

int uso()
{
    escreve(stderr, QStringLiteral("uso: bankbuilder --saida ARQUIVO.mdb --figuras PASTA FONTE.txt..."));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString saida;
    QString figuras;
    QStringList fontes;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QStringLiteral("--saida") && !args.isEmpty())
            saida = args.takeFirst();
        else if (arg == QStringLiteral("--figuras") && !args.isEmpty())
            figuras = args.takeFirst();
        else if (arg.startsWith(QStringLiteral("--")))
            return uso();
        else
            fontes << arg;
    }
    if (saida.isEmpty() || figuras.isEmpty() || fontes.isEmpty())
        return uso();

    const construtor::ResultadoLeitura leitura = construtor::leFontes(fontes, figuras);
    std::vector<construtor::ErroFonte> erros = leitura.erros;
    for (const auto& parecida : construtor::questoesParecidas(leitura.questoes))
        erros.push_back(parecida);
    for (const QString& sobra : construtor::figurasSemQuestao(figuras, leitura.figurasUsadas))
        erros.push_back({sobra, 0, QStringLiteral("figura que nenhuma questão usa")});
    if (!erros.empty()) {
        for (const auto& erro : erros)
            escreve(stderr, erro.texto());
        escreve(stderr, QStringLiteral("%1 erro(s); o banco não foi gravado.").arg(erros.size()));
        return 1;
    }

    const QString falha = construtor::escreveBanco(saida, construtor::registrosDoBanco(leitura.questoes));
    if (!falha.isEmpty()) {
        escreve(stderr, falha);
        return 1;
    }
    escreve(stdout, construtor::resumo(leitura.questoes));
    return 0;
}
