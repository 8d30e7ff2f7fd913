#include "BancoQuestoes.h"

#include "modExterno.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace bank {
namespace {

QString mensagemDoBanco(const QString& caminho, const QString& problema)
{
    return QStringLiteral("Não foi possível usar o banco de questões:\n%1\n\n%2\n\n"
                          "Reinstale o programa para restaurar o arquivo.")
        .arg(QDir::toNativeSeparators(caminho), problema);
}

} // namespace

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
        throw BancoInvalido(mensagemDoBanco(caminho, erro.message()));
    }
    return bancoDados;
}

void Zera_Marcas(platform::Database& bancoDados, QString& textoSql, std::unique_ptr<platform::Recordset>& registros)
{
    textoSql = sqlSorteadas;
    registros = bancoDados.OpenRecordset(textoSql);
    while (!registros->Eof()) {
        registros->Edit();
        registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("N"));
        registros->Update();
        registros->MoveNext();
    }
}

QString Le_Campo_Decodificado(platform::Recordset& registros, const QString& campo)
{
    modExterno::Decodifica_Texto(registros.Field(campo).value_or(QString()));
    return modExterno::textoDecodificado;
}

} // namespace bank
