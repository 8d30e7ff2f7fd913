// The review renderer: draws the quiz screen offscreen to PNG files in three
// states (as created, a question with a figure, the results panel) for a
// person to look at, and checks what can be checked by machine: no text
// outside its label, and no label over another control's place.
//
// The pictures go to <build>/revisao, or to $TOLVANE_REVISAO when it is set.
#include "QuizFixture.h"

#include <QDir>
#include <QImage>
#include <QScreen>

using namespace platform::forms;
using quiztest::QuizTest;

namespace {

QString pastaRevisao()
{
    const QString pasta = qEnvironmentVariable("TOLVANE_REVISAO", QStringLiteral(TOLVANE_REVISAO_PADRAO));
    QDir().mkpath(pasta);
    return pasta;
}

// The window as it opens, filling the screen over which Form_Load centred the panels.
QImage desenha(frmTolvane& tela)
{
    QWidget* janela = tela.Me.widget();
    if (const QScreen* monitor = janela->screen())
        janela->resize(monitor->size());
    return janela->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The box that holds every pixel that differs between two pictures.
QRect diferenca(const QImage& a, const QImage& b)
{
    QRect caixa;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                caixa |= QRect(x, y, 1, 1);
    return caixa;
}

QRect noFormulario(const Control& c)
{
    return QRect(c.widget()->mapTo(c.widget()->window(), QPoint(0, 0)), c.widget()->size());
}

QString longa()
{
    return QStringLiteral("Uma embarcação de esporte e recreio navega à noite e avista, pela proa, uma luz branca "
                          "acima de uma luz encarnada e, mais abaixo, uma luz verde; além disso ouve um apito curto "
                          "seguido de dois longos. Considerando as regras de governo e navegação, as luzes de "
                          "navegação exigidas e os sinais sonoros previstos, qual é a manobra correta a ser feita "
                          "e qual é o significado exato de cada um destes sinais ouvidos?");
}

} // namespace

TEST_F(QuizTest, ReviewPicturesShowEveryStateWithTextInsideItsLabels)
{
    auto questoes = testbank::exemplos(1);
    questoes[0].pergunta = longa();
    questoes[0].respA = QStringLiteral("Manter o rumo e a velocidade, pois a outra embarcação deve manobrar "
                                       "para dar passagem, mesmo sendo uma draga em operação");
    questoes[0].imagem = QStringLiteral("ripeam-luzes-draga.png");
    abre(questoes);
    frmTolvane& t = *tela;
    const QString saida = pastaRevisao();

    // 1. As created.
    const QImage criada = desenha(t);
    ASSERT_TRUE(criada.save(saida + QStringLiteral("/quiz-1-criada.png")));

    // 2. A question with a figure, with the balloon and mascot the pacing
    // puts beside it.
    t.imgBalao.setPicture(t.picBalaoON.Picture());
    t.imgEstrela.setPicture(t.picPreparese.Picture());
    const QImage semTexto = desenha(t);
    t.Proxima_Questao();
    ASSERT_TRUE(t.comImagem.Visible());
    const QImage soPergunta = [&] {
        for (int i = 0; i <= 3; ++i)
            t.labResposta(i).setCaption(QString());
        t.comImagem.setVisible(false);
        const QImage imagem = desenha(t);
        t.comImagem.setVisible(true);
        return imagem;
    }();
    const QRect pergunta = diferenca(semTexto, soPergunta);
    EXPECT_TRUE(noFormulario(t.labPergunta).contains(pergunta)) << "the question spills out of its label";
    // It wraps: text on the label's last line, not one long line.
    EXPECT_GT(pergunta.bottom(), noFormulario(t.labPergunta).center().y());

    t.Proxima_Questao(); // nothing left: the captions stay as they are
    t.labPergunta.setCaption(QStringLiteral("Questão) ") + longa());
    t.labResposta(0).setCaption(QStringLiteral("a) ") + questoes[0].respA);
    t.labResposta(1).setCaption(QStringLiteral("b) Reduzir a velocidade e guinar para boreste"));
    t.labResposta(2).setCaption(QStringLiteral("c) Parar as máquinas e dar atrás"));
    t.labResposta(3).setCaption(QStringLiteral("d) Guinar para bombordo e aumentar a velocidade"));
    for (int i = 0; i <= 3; ++i)
        t.labResposta(i).setEnabled(true);
    const QImage antesDoBalao = desenha(t);
    t.labTexto.setCaption(QStringLiteral("Pense bastante antes de responder, mas cuidado com o tempo."));
    const QImage comQuestao = desenha(t);
    EXPECT_TRUE(noFormulario(t.labTexto).contains(diferenca(antesDoBalao, comQuestao)))
        << "the balloon text spills out of its label";
    ASSERT_TRUE(comQuestao.save(saida + QStringLiteral("/quiz-2-questao.png")));

    // 3. The results panel, centred as the end of the exam shows it.
    t.picDesempenho.Move((t.picBase.Width() - t.picDesempenho.Width()) / 2,
                         (t.picBase.Height() - t.picDesempenho.Height()) / 2);
    const char* notas[] = {"75 %", "100 %", "0 %", "", "50 %", "33 %", "66 %", "", "25 %"};
    for (int k = 1; k <= 9; ++k)
        t.labDesempenho(k).setCaption(QString::fromUtf8(notas[k - 1]));
    t.picDesempenho.setVisible(true);
    ASSERT_TRUE(desenha(t).save(saida + QStringLiteral("/quiz-3-desempenho.png")));

    // Every subject name fits its cell, on at most two lines.
    for (int k = 3; k <= 11; ++k) {
        const Label& nome = t.labEtiqueta(k);
        const QRect precisa = QFontMetrics(nome.widget()->font())
                                  .boundingRect(nome.widget()->rect().adjusted(1, 1, -1, -1),
                                                Qt::AlignHCenter | Qt::TextWordWrap, nome.Caption());
        EXPECT_LE(precisa.height(), nome.widget()->height() - 2) << nome.Caption().toStdString();
    }
    // The panel's controls lie inside it.
    const QRect painel = t.picDesempenho.innerArea()->rect();
    for (const auto& [k, nota] : t.labDesempenho)
        EXPECT_TRUE(painel.contains(nota->widget()->geometry())) << k;
    EXPECT_TRUE(painel.contains(t.picFechar.widget()->geometry()));

    // The short labels at the foot of the screen keep clear of each other and
    // of the click spots, even at their longest texts.
    t.labTempo.setCaption(QStringLiteral("60 seg."));
    const std::vector<const Control*> rodape = {&t.labPular, &t.labAjuda, &t.labEtiqueta(0), &t.labEtiqueta(1),
                                                &t.labEtiqueta(2), &t.labTempo, &t.imgBotao(2), &t.imgBotao(3),
                                                &t.imgBotao(4)};
    for (std::size_t i = 0; i < rodape.size(); ++i)
        for (std::size_t j = i + 1; j < rodape.size(); ++j)
            EXPECT_FALSE(rodape[i]->widget()->geometry().intersects(rodape[j]->widget()->geometry()))
                << i << " overlaps " << j;
}
