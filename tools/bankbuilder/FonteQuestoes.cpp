#include "FonteQuestoes.h"

#include "bank/Materias.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace construtor {
namespace {

struct Linha {
    int numero;
    QString texto;
};

// The keys of a question, in the order they must appear. Figure is optional.
enum class Chave { Pergunta, A, B, C, D, Certa, Figura, Fonte, Explicacao };

struct DefinicaoChave {
    Chave chave;
    QStringList grafias;
    bool opcional;
};

const std::vector<DefinicaoChave>& chaves()
{
    static const std::vector<DefinicaoChave> todas = {
        {Chave::Pergunta, {QStringLiteral("pergunta:")}, false},
        {Chave::A, {QStringLiteral("a)")}, false},
        {Chave::B, {QStringLiteral("b)")}, false},
        {Chave::C, {QStringLiteral("c)")}, false},
        {Chave::D, {QStringLiteral("d)")}, false},
        {Chave::Certa, {QStringLiteral("certa:")}, false},
        {Chave::Figura, {QStringLiteral("figura:")}, true},
        {Chave::Fonte, {QStringLiteral("fonte:")}, false},
        {Chave::Explicacao, {QStringLiteral("explicação:"), QStringLiteral("explicacao:")}, false},
    };
    return todas;
}

// Splits "chave valor" when the line starts with a known key.
std::optional<std::pair<std::size_t, QString>> separaChave(const QString& linha)
{
    const auto& todas = chaves();
    for (std::size_t i = 0; i < todas.size(); ++i)
        for (const QString& grafia : todas[i].grafias)
            if (linha.startsWith(grafia, Qt::CaseInsensitive))
                return std::make_pair(i, linha.mid(grafia.size()).trimmed());
    return std::nullopt;
}

class Leitor {
public:
    Leitor(QString pastaFiguras, ResultadoLeitura& resultado)
        : pastaFiguras_(std::move(pastaFiguras)), resultado_(resultado)
    {
    }

    void leArquivo(const QString& caminho)
    {
        arquivo_ = QFileInfo(caminho).fileName();
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::ReadOnly)) {
            erro(0, QStringLiteral("não foi possível ler o arquivo"));
            return;
        }
        const QByteArray bytes = arquivo.readAll();
        QString texto = QString::fromUtf8(bytes);
        if (texto.toUtf8() != bytes) {
            erro(0, QStringLiteral("o arquivo não está em UTF-8"));
            return;
        }
        if (texto.startsWith(QChar(0xFEFF)))
            texto.remove(0, 1);
        texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

        materia_.clear();
        std::vector<Linha> bloco;
        int numero = 0;
        const QStringList linhas = texto.split(QLatin1Char('\n'));
        for (const QString& linha : linhas) {
            ++numero;
            if (linha.startsWith(QLatin1Char('#')))
                continue;
            if (linha.trimmed().isEmpty()) {
                fechaBloco(bloco);
                continue;
            }
            bloco.push_back({numero, linha});
        }
        fechaBloco(bloco);
        if (materia_.isEmpty() && !materiaLida_)
            erro(1, QStringLiteral("falta a linha \"matéria:\" no início do arquivo"));
        materiaLida_ = false;
    }

private:
    void erro(int linha, const QString& motivo) { resultado_.erros.push_back({arquivo_, linha, motivo}); }

    void fechaBloco(std::vector<Linha>& bloco)
    {
        if (bloco.empty())
            return;
        if (!materiaLida_)
            leCabecalho(bloco);
        else
            leQuestao(bloco);
        bloco.clear();
    }

    void leCabecalho(const std::vector<Linha>& bloco)
    {
        materiaLida_ = true;
        const Linha& primeira = bloco.front();
        std::optional<QString> valor;
        for (const QString& grafia : {QStringLiteral("matéria:"), QStringLiteral("materia:")})
            if (primeira.texto.startsWith(grafia, Qt::CaseInsensitive))
                valor = primeira.texto.mid(grafia.size()).simplified();
        if (!valor) {
            erro(primeira.numero, QStringLiteral("o arquivo deve começar com \"matéria:\""));
            return;
        }
        if (bank::numeroDaMateria(*valor) == 0) {
            erro(primeira.numero, QStringLiteral("matéria desconhecida: \"%1\"").arg(*valor));
            return;
        }
        materia_ = *valor;
        if (bloco.size() > 1)
            erro(bloco[1].numero, QStringLiteral("deixe uma linha em branco depois de \"matéria:\""));
    }

    void leQuestao(const std::vector<Linha>& bloco)
    {
        if (materia_.isEmpty())
            return; // the header was refused; its error already names the file

        // Gather "key value" entries, joining continuation lines.
        struct Entrada {
            std::size_t chave;
            int linha;
            QString valor;
        };
        std::vector<Entrada> entradas;
        for (const Linha& linha : bloco) {
            if (linha.texto.front().isSpace()) {
                if (entradas.empty()) {
                    erro(linha.numero, QStringLiteral("linha de continuação sem chave antes dela"));
                    return;
                }
                entradas.back().valor += QLatin1Char(' ') + linha.texto.trimmed();
                continue;
            }
            const auto separada = separaChave(linha.texto);
            if (!separada) {
                erro(linha.numero, QStringLiteral("chave desconhecida: \"%1\"").arg(linha.texto.left(30)));
                return;
            }
            entradas.push_back({separada->first, linha.numero, separada->second});
        }

        QuestaoFonte questao;
        questao.arquivo = arquivo_;
        questao.linha = entradas.front().linha;
        questao.materia = materia_;

        const auto& todas = chaves();
        std::size_t esperada = 0;
        for (const Entrada& entrada : entradas) {
            while (esperada < todas.size() && esperada != entrada.chave && todas[esperada].opcional)
                ++esperada;
            if (esperada >= todas.size() || esperada != entrada.chave) {
                const QString falta = esperada < todas.size() ? todas[esperada].grafias.front()
                                                              : QStringLiteral("fim da questão");
                erro(entrada.linha, QStringLiteral("esperava \"%1\" aqui").arg(falta));
                return;
            }
            const QString valor = entrada.valor.simplified();
            if (valor.isEmpty()) {
                erro(entrada.linha, QStringLiteral("\"%1\" está vazio").arg(todas[esperada].grafias.front()));
                return;
            }
            if (!guarda(questao, todas[esperada].chave, valor, entrada.linha))
                return;
            ++esperada;
        }
        while (esperada < todas.size() && todas[esperada].opcional)
            ++esperada;
        if (esperada < todas.size()) {
            erro(entradas.back().linha,
                 QStringLiteral("falta \"%1\" nesta questão").arg(todas[esperada].grafias.front()));
            return;
        }
        if (!respostasDistintas(questao) || !unica(questao))
            return;
        if (!questao.figura.isEmpty())
            resultado_.figurasUsadas << questao.figura;
        resultado_.questoes.push_back(std::move(questao));
    }

    bool guarda(QuestaoFonte& questao, Chave chave, const QString& valor, int linha)
    {
        switch (chave) {
        case Chave::Pergunta: questao.pergunta = valor; return true;
        case Chave::A: questao.respostas[0] = valor; return true;
        case Chave::B: questao.respostas[1] = valor; return true;
        case Chave::C: questao.respostas[2] = valor; return true;
        case Chave::D: questao.respostas[3] = valor; return true;
        case Chave::Fonte: questao.fonte = valor; return true;
        case Chave::Explicacao: questao.explicacao = valor; return true;
        case Chave::Certa: {
            const QString letra = valor.toUpper();
            if (letra.size() != 1 || letra < QStringLiteral("A") || letra > QStringLiteral("D")) {
                erro(linha, QStringLiteral("a letra certa deve ser A, B, C ou D, não \"%1\"").arg(valor));
                return false;
            }
            questao.certa = letra;
            return true;
        }
        case Chave::Figura: {
            if (valor.contains(QLatin1Char('/')) || valor.contains(QLatin1Char('\\'))
                || !valor.endsWith(QStringLiteral(".png")) || valor == QStringLiteral("N")) {
                erro(linha, QStringLiteral("figura deve ser um nome de arquivo .png, sem pastas: \"%1\"").arg(valor));
                return false;
            }
            const QString svg = valor.chopped(4) + QStringLiteral(".svg");
            if (!QFileInfo(QDir(pastaFiguras_).filePath(svg)).isFile()) {
                erro(linha, QStringLiteral("figura inexistente: %1 não está em %2").arg(svg, pastaFiguras_));
                return false;
            }
            questao.figura = valor;
            return true;
        }
        }
        return false;
    }

    bool respostasDistintas(const QuestaoFonte& questao)
    {
        for (std::size_t i = 0; i < questao.respostas.size(); ++i)
            for (std::size_t j = i + 1; j < questao.respostas.size(); ++j)
                if (textoNormalizado(questao.respostas[i]) == textoNormalizado(questao.respostas[j])) {
                    erro(questao.linha, QStringLiteral("as respostas %1) e %2) são iguais")
                                            .arg(QChar(u'a' + char16_t(i)))
                                            .arg(QChar(u'a' + char16_t(j))));
                    return false;
                }
        return true;
    }

    bool unica(const QuestaoFonte& questao)
    {
        const QString chave = textoNormalizado(questao.pergunta);
        const auto anterior = vistas_.constFind(chave);
        if (anterior != vistas_.constEnd()) {
            erro(questao.linha, QStringLiteral("questão repetida: a mesma pergunta está em %1").arg(*anterior));
            return false;
        }
        vistas_.insert(chave, QStringLiteral("%1:%2").arg(arquivo_).arg(questao.linha));
        return true;
    }

    QString pastaFiguras_;
    ResultadoLeitura& resultado_;
    QString arquivo_;
    QString materia_;
    bool materiaLida_ = false;
    QHash<QString, QString> vistas_;
};

} // namespace

QString ErroFonte::texto() const
{
    return QStringLiteral("%1:%2: %3").arg(arquivo).arg(linha).arg(motivo);
}

QString textoNormalizado(const QString& texto)
{
    const QString decomposto = texto.normalized(QString::NormalizationForm_D).toLower();
    QString resultado;
    bool espaco = false;
    for (const QChar c : decomposto) {
        if (c.isLetterOrNumber()) {
            if (espaco && !resultado.isEmpty())
                resultado += QLatin1Char(' ');
            resultado += c;
            espaco = false;
        } else if (c.category() != QChar::Mark_NonSpacing) {
            espaco = true;
        }
    }
    return resultado;
}

ResultadoLeitura leFontes(const QStringList& arquivos, const QString& pastaFiguras)
{
    ResultadoLeitura resultado;
    Leitor leitor(pastaFiguras, resultado);
    for (const QString& arquivo : arquivos)
        leitor.leArquivo(arquivo);
    return resultado;
}

} // namespace construtor
