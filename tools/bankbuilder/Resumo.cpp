#include "Resumo.h"

#include "Figuras.h"
#include "bank/Materias.h"

#include <QDir>
#include <map>

namespace construtor {

std::vector<RegistroBanco> registrosDoBanco(const std::vector<QuestaoFonte>& questoes)
{
    const auto nomes = nomesNeutros(questoes);
    std::vector<RegistroBanco> registros;
    registros.reserve(questoes.size());
    for (const QuestaoFonte& q : questoes) {
        RegistroBanco r;
        r.pergunta = q.pergunta;
        r.respA = q.respostas[0];
        r.respB = q.respostas[1];
        r.respC = q.respostas[2];
        r.respD = q.respostas[3];
        r.certa = q.certa;
        r.materia = q.materia;
        r.imagem = q.figura.isEmpty() ? QStringLiteral("N") : nomes.at(q.figura);
        registros.push_back(std::move(r));
    }
    return registros;
}

QStringList figurasSemQuestao(const QString& pastaFiguras, const QStringList& figurasUsadas)
{
    QStringList sobras;
    const QStringList svgs = QDir(pastaFiguras).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString& svg : svgs)
        if (!figurasUsadas.contains(svg.chopped(4) + QStringLiteral(".png")))
            sobras << svg;
    return sobras;
}

QString resumo(const std::vector<QuestaoFonte>& questoes)
{
    std::map<int, std::pair<int, int>> porMateria; // subject -> questions, with figure
    std::map<QString, int> letras;
    int comFigura = 0;
    for (const QuestaoFonte& q : questoes) {
        auto& contagem = porMateria[bank::numeroDaMateria(q.materia)];
        ++contagem.first;
        if (!q.figura.isEmpty()) {
            ++contagem.second;
            ++comFigura;
        }
        ++letras[q.certa];
    }
    QStringList linhas;
    for (const auto& [numero, contagem] : porMateria)
        linhas << QStringLiteral("  %1: %2 questões, %3 com figura")
                      .arg(bank::nomesMaterias()[std::size_t(numero - 1)])
                      .arg(contagem.first)
                      .arg(contagem.second);
    QStringList espalhamento;
    const double total = double(questoes.size());
    for (const QString& letra : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")})
        espalhamento << QStringLiteral("%1 %2%").arg(letra).arg(total > 0 ? 100.0 * letras[letra] / total : 0.0, 0, 'f', 1);
    linhas << QStringLiteral("  total: %1 questões, %2 com figura; letras certas: %3")
                  .arg(questoes.size())
                  .arg(comFigura)
                  .arg(espalhamento.join(QStringLiteral(", ")));
    return linhas.join(QLatin1Char('\n'));
}

} // namespace construtor
