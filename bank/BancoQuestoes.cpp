#include "BancoQuestoes.h"

#include "modExterno.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace bank {
namespace {

const QString reinstale = QStringLiteral("Reinstale o programa para restaurar o arquivo.");

QString mensagemDoBanco(const QString& caminho, const QString& problema, const QString& conselho = reinstale)
{
    return QStringLiteral("Não foi possível usar o banco de questões:\n%1\n\n%2\n\n%3")
        .arg(QDir::toNativeSeparators(caminho), problema, conselho);
}

QString conselhoPara(platform::DatabaseErrorKind tipo)
{
    switch (tipo) {
    case platform::DatabaseErrorKind::Busy:
        return QStringLiteral("Feche o outro programa e tente novamente.");
    case platform::DatabaseErrorKind::WriteFailed:
        return QStringLiteral("Verifique se há espaço livre no disco e tente novamente.");
    default:
        return reinstale;
    }
}

} // namespace

QString mensagemDaFalha(const platform::DatabaseError& erro)
{
    qWarning("tolvane: banco de questões: %s", erro.what());
    using Tipo = platform::DatabaseErrorKind;
    switch (erro.kind()) {
    case Tipo::NotFound:
        return QStringLiteral("O arquivo não foi encontrado.");
    case Tipo::CannotOpen:
        return QStringLiteral("O arquivo não pôde ser aberto.");
    case Tipo::Busy:
        return QStringLiteral("O arquivo está em uso por outro programa.");
    case Tipo::NotADatabase:
        return QStringLiteral("O arquivo está danificado ou não é um banco de questões.");
    case Tipo::ReadFailed:
        return QStringLiteral("Não foi possível ler o arquivo.");
    case Tipo::WriteFailed:
        return QStringLiteral("Não foi possível gravar no arquivo.");
    case Tipo::QueryFailed:
        return QStringLiteral("O arquivo não tem a estrutura de um banco de questões.");
    case Tipo::NoCurrentRecord:
        return QStringLiteral("A questão procurada não está mais no arquivo.");
    case Tipo::NoSuchField:
        return QStringLiteral("Falta um campo na tabela de questões.");
    case Tipo::UnsupportedQuery:
    case Tipo::Misuse:
        break;
    }
    return QStringLiteral("Erro interno ao usar o banco de questões.");
}

BancoInvalido::BancoInvalido(const QString& mensagem) : std::runtime_error(mensagem.toStdString()) {}

const QStringList& camposObrigatorios()
{
    static const QStringList campos = {
        QStringLiteral("numero"), QStringLiteral("pergunta"), QStringLiteral("respA"),
        QStringLiteral("respB"),  QStringLiteral("respC"),    QStringLiteral("respD"),
        QStringLiteral("certa"),  QStringLiteral("materia"),  QStringLiteral("imagem"),
        QStringLiteral("ja_foi"),
    };
    return campos;
}

std::unique_ptr<platform::Database> Abre_Banco(const QString& pastaPrograma)
{
    const QString caminho = platform::fileInFolder(pastaPrograma, arquivoBanco);
    const QFileInfo arquivo(caminho);
    if (!arquivo.exists())
        throw BancoInvalido(mensagemDoBanco(caminho, QStringLiteral("O arquivo não foi encontrado.")));
    if (arquivo.isFile() && arquivo.size() == 0)
        throw BancoInvalido(mensagemDoBanco(caminho, QStringLiteral("O arquivo está vazio.")));

    std::unique_ptr<platform::Database> bancoDados;
    try {
        bancoDados = platform::Database::OpenDatabase(caminho);
        const QStringList colunas = bancoDados->columnsOf(QStringLiteral("questoes"));
        if (colunas.isEmpty())
            throw BancoInvalido(mensagemDoBanco(caminho, QStringLiteral("O arquivo não contém a tabela de questões.")));
        for (const QString& campo : camposObrigatorios())
            if (!colunas.contains(campo, Qt::CaseInsensitive))
                throw BancoInvalido(mensagemDoBanco(
                    caminho, QStringLiteral("A tabela de questões não tem o campo \"%1\".").arg(campo)));

        QString textoSql;
        std::unique_ptr<platform::Recordset> registros;
        Zera_Marcas(*bancoDados, textoSql, registros);
    } catch (const platform::DatabaseError& erro) {
        throw BancoInvalido(mensagemDoBanco(caminho, mensagemDaFalha(erro), conselhoPara(erro.kind())));
    }
    return bancoDados;
}

void Zera_Marcas(platform::Database& bancoDados, QString& textoSql, std::unique_ptr<platform::Recordset>& registros)
{
    textoSql = sqlSorteadas;
    bancoDados.BeginTrans();
    try {
        registros = bancoDados.OpenRecordset(textoSql);
        while (!registros->Eof()) {
            registros->Edit();
            registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("N"));
            registros->Update();
            registros->MoveNext();
        }
        bancoDados.CommitTrans();
    } catch (...) {
        bancoDados.Rollback();
        throw;
    }
}

QString Le_Campo_Decodificado(platform::Recordset& registros, const QString& campo)
{
    modExterno::Decodifica_Texto(registros.Field(campo).value_or(QString()));
    return modExterno::textoDecodificado;
}

bool Le_Explicacao(platform::Database& bancoDados, const QString& numero, QString& fonte, QString& explicacao)
{
    fonte.clear();
    explicacao.clear();
    bool inteiro = false;
    const qlonglong chave = numero.trimmed().toLongLong(&inteiro);
    if (!inteiro)
        return false; // also keeps whatever a foreign bank holds in numero out of the query

    const QStringList colunas = bancoDados.columnsOf(tabelaExplicacoes);
    for (const char* campo : {"numero", "fonte", "explicacao"})
        if (!colunas.contains(QLatin1String(campo), Qt::CaseInsensitive))
            return false;

    std::optional<QString> textoFonte;
    std::optional<QString> textoExplicacao;
    try {
        const auto registros =
            bancoDados.OpenRecordset(QStringLiteral("SELECT * FROM %1 WHERE numero=%2").arg(tabelaExplicacoes).arg(chave));
        if (registros->Eof())
            return false;
        textoFonte = registros->Field(QStringLiteral("fonte"));
        textoExplicacao = registros->Field(QStringLiteral("explicacao"));
    } catch (const platform::DatabaseError& erro) {
        // A table of that name in a shape no record set can read (a view, a
        // table without rowid) is another maker's: no explanation, no fault.
        using Tipo = platform::DatabaseErrorKind;
        if (erro.kind() != Tipo::QueryFailed && erro.kind() != Tipo::NoCurrentRecord)
            throw;
        return false;
    }
    if (!textoFonte || !textoExplicacao)
        return false;

    modExterno::Decodifica_Texto(*textoFonte);
    fonte = modExterno::textoDecodificado;
    modExterno::Decodifica_Texto(*textoExplicacao);
    explicacao = modExterno::textoDecodificado;
    return true;
}

} // namespace bank
