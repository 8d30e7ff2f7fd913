#include "Avisos.h"

#include <QHash>
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

// The first word of an answer as textoNormalizado gives it, with the articles
// and their contractions folded to one word per kind: "a", "o", "as" and "os"
// are all "o"; "uma", "uns", "umas" are "um"; and so on for "do", "no" and
// "pelo". "Os perigos" and "A velocidade" then begin alike.
QString primeiraPalavra(const QString& texto)
{
    static const QHash<QString, QString> artigos = [] {
        QHash<QString, QString> tabela;
        const QStringList grupos = {QStringLiteral("o a os as"), QStringLiteral("um uma uns umas"),
                                    QStringLiteral("do da dos das"), QStringLiteral("no na nos nas"),
                                    QStringLiteral("pelo pela pelos pelas")};
        for (const QString& grupo : grupos) {
            const QStringList formas = grupo.split(QLatin1Char(' '));
            for (const QString& forma : formas)
                tabela.insert(forma, formas.front());
        }
        return tabela;
    }();
    const QString palavra = textoNormalizado(texto).section(QLatin1Char(' '), 0, 0);
    return artigos.value(palavra, palavra);
}

// The answer's first word as written, for the warning: "Só", "Dar".
QString primeiraPalavraEscrita(const QString& texto)
{
    QString palavra = texto.trimmed().section(QLatin1Char(' '), 0, 0);
    while (!palavra.isEmpty() && !palavra.back().isLetterOrNumber())
        palavra.chop(1);
    return palavra;
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

bool certaUnicaForaDaForma(const QuestaoFonte& questao)
{
    const int certa = indiceCerta(questao);
    const QString forma = primeiraPalavra(questao.respostas[certa == 0 ? 1 : 0]);
    for (int i = 0; i < 4; ++i)
        if (i != certa && primeiraPalavra(questao.respostas[i]) != forma)
            return false;
    return primeiraPalavra(questao.respostas[certa]) != forma;
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
        if (certaUnicaForaDaForma(q)) {
            const QString errada = q.respostas[indiceCerta(q) == 0 ? 1 : 0];
            lista.push_back({q.arquivo, q.linha,
                             QStringLiteral("aviso: a resposta certa é a única que não começa como as outras "
                                            "(\"%1 ...\")")
                                 .arg(primeiraPalavraEscrita(errada))});
        }
    }
    return lista;
}

} // namespace construtor
