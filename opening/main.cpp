// The program's entry: for now it opens the question bank and reports what
// it found; the opening screen takes over this file's job.
#include "bank/BancoQuestoes.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    try {
        const auto bancoDados = bank::Abre_Banco(platform::programFolder());
        const auto registros = bancoDados->OpenRecordset(bank::sqlNaoSorteadas);
        platform::MsgBox(QStringLiteral("Banco de questões pronto: %1 questões.").arg(registros->RecordCount()));
    } catch (const bank::BancoInvalido& erro) {
        platform::MsgBox(erro.mensagem());
        return 1;
    }
    return 0;
}
