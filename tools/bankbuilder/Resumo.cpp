#include "Resumo.h"

#include "Avisos.h"
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
        r.fonte = q.fonte;
        r.explicacao = q.explicacao;
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
    struct Contagem {
        int questoes = 0, comFigura = 0, maisLonga = 0, semAbsoluta = 0, foraDaForma = 0;
    };
    std::map<int, Contagem> porMateria;
    Contagem total;
    std::map<QString, int> letras;
    for (const QuestaoFonte& q : questoes) {
        for (Contagem* c : {&porMateria[bank::numeroDaMateria(q.materia)], &total}) {
            ++c->questoes;
            c->comFigura += !q.figura.isEmpty();
            c->maisLonga += certaUnicaMaisLonga(q);
            c->semAbsoluta += certaUnicaSemPalavraAbsoluta(q);
            c->foraDaForma += certaUnicaForaDaForma(q);
        }
        ++letras[q.certa];
    }
    // By chance the right answer is the unique longest in about one question
    // in four; far more teaches "pick the longest", far fewer "never pick it".
    const auto avisos = [](const Contagem& c) {
        const double parte = c.questoes > 0 ? 100.0 * c.maisLonga / c.questoes : 0.0;
        return QStringLiteral("avisos: %1 certa a única mais longa (%2%)%3, %4 certa a única sem palavra absoluta, "
                              "%5 certa a única que não começa como as outras")
            .arg(c.maisLonga)
            .arg(parte, 0, 'f', 1)
            .arg(parte < 15.0 || parte > 35.0 ? QStringLiteral(" FORA DE 15 A 35%") : QString())
            .arg(c.semAbsoluta)
            .arg(c.foraDaForma);
    };
    QStringList linhas;
    for (const auto& [numero, c] : porMateria)
        linhas << QStringLiteral("  %1: %2 questões, %3 com figura; %4")
                      .arg(bank::nomesMaterias()[std::size_t(numero - 1)])
                      .arg(c.questoes)
                      .arg(c.comFigura)
                      .arg(avisos(c));
    QStringList espalhamento;
    for (const QString& letra : {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")})
        espalhamento << QStringLiteral("%1 %2%").arg(letra).arg(total.questoes > 0 ? 100.0 * letras[letra] / total.questoes : 0.0, 0, 'f', 1);
    linhas << QStringLiteral("  total: %1 questões, %2 com figura; letras certas: %3")
                  .arg(total.questoes)
                  .arg(total.comFigura)
                  .arg(espalhamento.join(QStringLiteral(", ")));
    linhas << QStringLiteral("  total de %1").arg(avisos(total));
    return linhas.join(QLatin1Char('\n'));
}

} // namespace construtor
