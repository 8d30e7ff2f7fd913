#include "Avisos.h"

#include <QSet>

namespace construtor {
namespace {

int indiceCerta(const QuestaoFonte& questao)
{
    return questao.certa.isEmpty() ? 0 : questao.certa.front().unicode() - u'A';
}

// Written without accents: they are compared with textoNormalizado's words.
bool temPalavraAbsoluta(const QString& texto)
{
    static const QSet<QString> absolutas = {
        QStringLiteral("somente"),       QStringLiteral("apenas"),          QStringLiteral("so"),
        QStringLiteral("sempre"),        QStringLiteral("nunca"),           QStringLiteral("jamais"),
        QStringLiteral("qualquer"),      QStringLiteral("quaisquer"),       QStringLiteral("todo"),
        QStringLiteral("toda"),          QStringLiteral("todos"),           QStringLiteral("todas"),
        QStringLiteral("nenhum"),        QStringLiteral("nenhuma"),         QStringLiteral("exclusivamente"),
        QStringLiteral("unicamente"),    QStringLiteral("obrigatoriamente"), QStringLiteral("necessariamente"),
        QStringLiteral("independentemente"),
    };
    const QStringList palavras = textoNormalizado(texto).split(QLatin1Char(' '));
    for (const QString& palavra : palavras)
        if (absolutas.contains(palavra))
            return true;
    return false;
}

} // namespace

bool certaUnicaMaisLonga(const QuestaoFonte& questao)
{
    const int certa = indiceCerta(questao);
    for (int i = 0; i < 4; ++i)
        if (i != certa && questao.respostas[i].size() >= questao.respostas[certa].size())
            return false;
    return true;
}

bool certaUnicaSemPalavraAbsoluta(const QuestaoFonte& questao)
{
    const int certa = indiceCerta(questao);
    for (int i = 0; i < 4; ++i)
        if (temPalavraAbsoluta(questao.respostas[i]) == (i == certa))
            return false;
    return true;
}

std::vector<ErroFonte> avisos(const std::vector<QuestaoFonte>& questoes)
{
    std::vector<ErroFonte> lista;
    for (const QuestaoFonte& q : questoes) {
        if (certaUnicaMaisLonga(q))
            lista.push_back({q.arquivo, q.linha, QStringLiteral("aviso: a resposta certa é a única mais longa")});
        if (certaUnicaSemPalavraAbsoluta(q))
            lista.push_back({q.arquivo, q.linha,
                             QStringLiteral("aviso: a resposta certa é a única sem palavra absoluta "
                                            "(somente, sempre, nunca, todos...)")});
    }
    return lista;
}

} // namespace construtor
