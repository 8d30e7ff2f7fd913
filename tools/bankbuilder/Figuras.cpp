#include "Figuras.h"

namespace construtor {

std::map<QString, QString> nomesNeutros(const std::vector<QuestaoFonte>& questoes)
{
    std::map<QString, QString> nomes;
    for (const QuestaoFonte& q : questoes)
        if (!q.figura.isEmpty() && !nomes.count(q.figura)) {
            const QString numero = QStringLiteral("%1").arg(nomes.size() + 1, 3, 10, QLatin1Char('0'));
            nomes.emplace(q.figura, QStringLiteral("figura-%1.png").arg(numero));
        }
    return nomes;
}

} // namespace construtor
