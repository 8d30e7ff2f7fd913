#pragma once
// A review window over a made-up exam, held as the quiz screen holds it,
// with the figures it was asked to open recorded.
#include "assets/Assets.h"
#include "platform/MessageBox.h"
#include "platform/forms/FormHolder.h"
#include "review/frmRevisao.h"

#include <QCoreApplication>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace revisaotest {

inline exam::QuestaoVista questao(exam::Desfecho desfecho, const QString& escolhida = QString(),
                                  const QString& certa = QStringLiteral("C"))
{
    exam::QuestaoVista q;
    q.numero = QStringLiteral("7");
    q.materia = QStringLiteral("RIPEAM");
    q.pergunta = QStringLiteral("Qual embarcação tem preferência?");
    q.respostas = {QStringLiteral("A lancha."), QStringLiteral("O veleiro."), QStringLiteral("A draga."),
                   QStringLiteral("O caiaque.")};
    q.certa = certa;
    q.fonte = QStringLiteral("RIPEAM-72, Regra 18");
    q.explicacao = QStringLiteral("A draga tem a manobra restrita.");
    q.desfecho = desfecho;
    q.escolhida = escolhida;
    return q;
}

inline exam::ResumoExame exame(std::vector<exam::QuestaoVista> questoes, int percentual = 40)
{
    exam::ResumoExame e;
    e.quando = QDateTime(QDate(2026, 12, 9), QTime(18, 30, 12));
    e.jogador = QStringLiteral("Marina");
    e.percentual = percentual;
    e.aprovado = percentual >= 50;
    e.veredito = QStringLiteral("Não é mais possível atingir o valor mínimo de 50%. Tente novamente.");
    e.porMateria.fill(-1);
    for (const auto& q : questoes) {
        e.acertos += q.desfecho == exam::Desfecho::certa;
        e.erros += q.desfecho == exam::Desfecho::errada;
        e.esgotadas += q.desfecho == exam::Desfecho::tempoEsgotado;
        e.puladas += q.desfecho == exam::Desfecho::pulada;
    }
    e.questoes = std::move(questoes);
    return e;
}

class RevisaoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        assets::inicializa();
        platform::setMessageBoxHandler([](const QString&) {});
    }
    void TearDown() override
    {
        platform::setMessageBoxHandler({});
        QCoreApplication::sendPostedEvents();
    }
    // Creates the window over the exam and shows it, as the quiz screen does.
    frmRevisao& abre(exam::ResumoExame e, std::vector<exam::ResumoExame> historico = {},
                     QString aviso = QString())
    {
        exame_ = std::move(e);
        historico_ = std::move(historico);
        aviso_ = std::move(aviso);
        frmRevisao& r = revisao();
        r.Me.Show();
        return r;
    }

    QStringList figuras;
    exam::ResumoExame exame_;
    std::vector<exam::ResumoExame> historico_;
    QString aviso_;
    platform::forms::FormHolder<frmRevisao> revisao{[this] {
        return std::make_unique<frmRevisao>(exame_, historico_, aviso_,
                                            [this](const QString& imagem) { figuras << imagem; });
    }};
};

} // namespace revisaotest
