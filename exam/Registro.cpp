// The exam's memory of the questions it showed, and its summary at the end.
#include "frmTolvane.h"

#include "Regras.h"
#include "bank/BancoQuestoes.h"
#include "bank/Materias.h"

void frmTolvane::registraQuestao()
{
    exam::QuestaoVista vista;
    vista.numero = registros->Field(QStringLiteral("numero")).value_or(QString());
    vista.materia = materiaAtual;
    vista.pergunta = textoPergunta;
    for (int i = 0; i <= 3; ++i)
        vista.respostas[std::size_t(i)] = labResposta(i).Caption().mid(3); // after "a) " and the others
    vista.certa = respostaCerta;
    const QString imagem = registros->Field(QStringLiteral("imagem")).value_or(QString());
    vista.imagem = imagem == QStringLiteral("N") ? QString() : imagem;
    // The rule and the explanation, from the bank's second table when it has
    // one. They serve the review only: failing to read them never stops the exam.
    try {
        bank::Le_Explicacao(*bancoDados, vista.numero, vista.fonte, vista.explicacao);
    } catch (const platform::DatabaseError& erro) {
        bank::mensagemDaFalha(erro); // to the log
        vista.fonte.clear();
        vista.explicacao.clear();
    }
    questoesVistas.push_back(std::move(vista));
}

void frmTolvane::registraDesfecho(exam::Desfecho desfecho, const QString& escolhida)
{
    if (questoesVistas.empty())
        return;
    questoesVistas.back().desfecho = desfecho;
    questoesVistas.back().escolhida = escolhida;
}

void frmTolvane::fechaResumo()
{
    resumo.quando = QDateTime::currentDateTime();
    const QString prefixoNome = QStringLiteral("Jogador : ");
    resumo.jogador = labNome.Caption().startsWith(prefixoNome) ? labNome.Caption().mid(prefixoNome.size())
                                                               : QString();
    resumo.acertos = acertos;
    resumo.erros = erros;
    resumo.esgotadas = 0;
    resumo.puladas = 0;
    for (const exam::QuestaoVista& vista : questoesVistas) {
        resumo.esgotadas += vista.desfecho == exam::Desfecho::tempoEsgotado ? 1 : 0;
        resumo.puladas += vista.desfecho == exam::Desfecho::pulada ? 1 : 0;
    }
    resumo.percentual = exam::regras::percentual(acertos);
    resumo.aprovado = erros < exam::regras::maxErros && resumo.percentual >= exam::regras::notaMinima;
    for (int k = 1; k <= bank::numeroMaterias; ++k) {
        const QString nota = labDesempenho(k).Caption();
        resumo.porMateria[std::size_t(k - 1)] = nota.isEmpty() ? -1 : nota.section(QLatin1Char(' '), 0, 0).toInt();
    }
    resumo.questoes = questoesVistas;
}
