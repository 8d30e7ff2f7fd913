// The draw of the next question: a random position among the questions not
// yet drawn in this run, its texts decoded onto the screen, and its mark
// written to the bank at once, so it never comes up again in the run.
#include "frmTolvane.h"

#include "bank/BancoQuestoes.h"

#include <algorithm>
#include <cmath>

bool frmTolvane::Proxima_Questao()
{
    if (!bancoDados)
        return false; // the bank could not be opened and the program is ending

    try {
        textoSql = bank::sqlNaoSorteadas;
        registros = bancoDados->OpenRecordset(textoSql);
        // Walking to the end is what makes RecordCount the number of unasked questions.
        while (!registros->Eof())
            registros->MoveNext();
        const int total = registros->RecordCount();
        if (total == 0)
            return false;

        aleatorio_.Randomize();
        // Every position 1..total with the same chance. The position is a
        // plain int, so a bank of any size can be drawn from.
        const int n = std::clamp(int(std::floor(double(aleatorio_.Rnd()) * total + 1)), 1, total);

        registros->MoveFirst();
        int i = 0;
        while (!registros->Eof()) {
            ++i;
            if (i == n)
                break;
            registros->MoveNext();
        }

        const auto campo = [this](const char* nome) {
            return bank::Le_Campo_Decodificado(*registros, QString::fromLatin1(nome));
        };
        textoPergunta = campo("pergunta");
        labPergunta.setCaption(QStringLiteral("Questão) ") + textoPergunta);
        labResposta(0).setCaption(QStringLiteral("a) ") + campo("respA"));
        labResposta(1).setCaption(QStringLiteral("b) ") + campo("respB"));
        labResposta(2).setCaption(QStringLiteral("c) ") + campo("respC"));
        labResposta(3).setCaption(QStringLiteral("d) ") + campo("respD"));
        respostaCerta = campo("certa");
        materiaAtual = campo("materia");

        // "N" or Null: the question has no figure.
        const std::optional<QString> imagem = registros->Field(QStringLiteral("imagem"));
        comImagem.setVisible(imagem.has_value() && *imagem != QStringLiteral("N"));

        registros->Edit();
        registros->SetField(QStringLiteral("ja_foi"), QStringLiteral("S"));
        registros->Update();
        registraQuestao();
        return true;
    } catch (const platform::DatabaseError& erro) {
        falhaDoBanco(QStringLiteral("Não foi possível ler a próxima questão do banco de questões.\n\n%1")
                         .arg(bank::mensagemDaFalha(erro)));
        return false;
    }
}
