#include "Semelhanca.h"

#include <QSet>
#include <algorithm>

namespace construtor {
namespace {

QSet<QString> palavras(const QString& texto)
{
    QSet<QString> conjunto;
    for (const QString& palavra : textoNormalizado(texto).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        conjunto.insert(palavra);
    return conjunto;
}

double jaccard(const QSet<QString>& a, const QSet<QString>& b)
{
    if (a.isEmpty() && b.isEmpty())
        return 1.0;
    const qsizetype comuns = QSet<QString>(a).intersect(b).size();
    return double(comuns) / double(a.size() + b.size() - comuns);
}

} // namespace

double semelhanca(const QString& a, const QString& b)
{
    return jaccard(palavras(a), palavras(b));
}

std::vector<ErroFonte> questoesParecidas(const std::vector<QuestaoFonte>& questoes, double limite)
{
    std::vector<QSet<QString>> perguntas, certas;
    perguntas.reserve(questoes.size());
    certas.reserve(questoes.size());
    for (const QuestaoFonte& q : questoes) {
        perguntas.push_back(palavras(q.pergunta));
        const int letra = q.certa.isEmpty() ? 0 : q.certa.at(0).unicode() - u'A';
        certas.push_back(palavras(q.respostas[std::size_t(std::clamp(letra, 0, 3))]));
    }

    std::vector<ErroFonte> erros;
    for (std::size_t j = 1; j < questoes.size(); ++j)
        for (std::size_t i = 0; i < j; ++i) {
            if (questoes[i].figura != questoes[j].figura)
                continue; // the same words over different figures ask different things
            // Short questions may differ in one decisive word; a different
            // right answer shows they ask different things.
            if (jaccard(perguntas[i], perguntas[j]) >= limite && jaccard(certas[i], certas[j]) >= 0.6) {
                erros.push_back({questoes[j].arquivo, questoes[j].linha,
                                 QStringLiteral("questão quase igual à de %1:%2")
                                     .arg(questoes[i].arquivo)
                                     .arg(questoes[i].linha)});
                break;
            }
        }
    return erros;
}

} // namespace construtor
