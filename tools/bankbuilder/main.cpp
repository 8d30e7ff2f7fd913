// Builds tolvane.mdb from the readable sources in questions/.
//   bankbuilder --saida tolvane.mdb --figuras questions/figuras [--imagens PASTA] fonte.txt...
// Refuses every bad source with file, line and reason, and writes nothing then.
// Warns, with file and line, of cues a test-wise player could answer by.
// With --imagens, also renders the figures the bank names into PASTA (the
// program folder) under their neutral names.
#include "Avisos.h"
#include "EscritorBanco.h"
#include "Figuras.h"
#include "FonteQuestoes.h"
#include "Renderizacao.h"
#include "Resumo.h"
#include "Semelhanca.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void escreve(std::FILE* saida, const QString& texto)
{
    std::fputs(texto.toUtf8().constData(), saida);
    std::fputc('\n', saida);
}

int recusa(const std::vector<construtor::ErroFonte>& erros, const QString& conclusao)
{
    for (const auto& erro : erros)
        escreve(stderr, erro.texto());
    escreve(stderr, conclusao.arg(erros.size()));
    return 1;
}

int uso()
{
    escreve(stderr, QStringLiteral("uso: bankbuilder --saida ARQUIVO.mdb --figuras PASTA [--imagens PASTA] FONTE.txt..."));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // Rendering the figures' text needs a QGuiApplication; checking the
    // sources alone does not, and then needs no display either.
    const bool renderiza = std::any_of(argv + 1, argv + argc, [](const char* a) { return !std::strcmp(a, "--imagens"); });
    if (renderiza && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        renderiza ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = app->arguments().mid(1);
    QString saida;
    QString figuras;
    QString imagens;
    QStringList fontes;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QStringLiteral("--saida") && !args.isEmpty())
            saida = args.takeFirst();
        else if (arg == QStringLiteral("--figuras") && !args.isEmpty())
            figuras = args.takeFirst();
        else if (arg == QStringLiteral("--imagens") && !args.isEmpty())
            imagens = args.takeFirst();
        else if (arg.startsWith(QStringLiteral("--")))
            return uso();
        else
            fontes << arg;
    }
    if (saida.isEmpty() || figuras.isEmpty() || fontes.isEmpty())
        return uso();

    const construtor::ResultadoLeitura leitura = construtor::leFontes(fontes, figuras);
    for (const auto& aviso : construtor::avisos(leitura.questoes))
        escreve(stderr, aviso.texto());
    std::vector<construtor::ErroFonte> erros = leitura.erros;
    for (const auto& parecida : construtor::questoesParecidas(leitura.questoes))
        erros.push_back(parecida);
    for (const QString& sobra : construtor::figurasSemQuestao(figuras, leitura.figurasUsadas))
        erros.push_back({sobra, 0, QStringLiteral("figura que nenhuma questão usa")});
    if (!erros.empty())
        return recusa(erros, QStringLiteral("%1 erro(s); o banco não foi gravado."));

    if (!imagens.isEmpty()) {
        erros = construtor::gravaFiguras(figuras, imagens, construtor::nomesNeutros(leitura.questoes));
        if (!erros.empty())
            return recusa(erros, QStringLiteral("%1 figura(s) com erro; o banco não foi gravado."));
    }

    const QString falha = construtor::escreveBanco(saida, construtor::registrosDoBanco(leitura.questoes));
    if (!falha.isEmpty()) {
        escreve(stderr, falha);
        return 1;
    }
    escreve(stdout, construtor::resumo(leitura.questoes));
    return 0;
}
