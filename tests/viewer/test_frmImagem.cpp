// The picture viewer: the figure at the top left on white, dragged with the
// left button, closed with Esc or a right click, its message at every
// activation, and a clear notice for a figure it cannot show.
#include "platform/MessageBox.h"
#include "platform/forms/FormHolder.h"
#include "viewer/frmImagem.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Visualizador : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        platform::setMessageBoxHandler([this](const QString& texto) { mensagens << texto; });
        QImage figura(900, 700, QImage::Format_RGB32);
        figura.fill(Qt::darkGreen);
        ASSERT_TRUE(figura.save(pasta.filePath(QStringLiteral("figura-001.png"))));
    }
    void TearDown() override
    {
        platform::setMessageBoxHandler({});
        QCoreApplication::sendPostedEvents();
    }
    // What comImagem does: the figure into the (new or open) viewer, then show it.
    frmImagem& abre(const QString& nome)
    {
        frmImagem& v = viewer();
        v.Me.Load();
        v.Mostra_Figura(pasta.path(), nome);
        v.Me.Show();
        return v;
    }
    QWidget* caixa() { return viewer().picImagem.widget(); }

    QTemporaryDir pasta;
    QStringList mensagens;
    platform::forms::FormHolder<frmImagem> viewer{[] { return std::make_unique<frmImagem>(); }};
};

} // namespace

// Dragging with the left button alone moves the figure by the pointer's
// offset, so the grabbed point stays under the pointer; with both buttons
// held nothing moves.
TEST_F(Visualizador, TheLeftButtonDragsTheFigureUnderThePointer)
{
    frmImagem& v = abre(QStringLiteral("figura-001.png"));
    EXPECT_EQ(v.picImagem.Left(), 0);
    EXPECT_EQ(v.picImagem.Top(), 0);
    EXPECT_EQ(v.picImagem.Width(), (900 + 4) * 15);

    const QPoint agarrado(100, 80);
    QTest::mousePress(caixa(), Qt::LeftButton, {}, agarrado);
    QMouseEvent move(QEvent::MouseMove, QPointF(agarrado + QPoint(-30, 25)), QPointF(), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v.picImagem.innerArea(), &move);
    EXPECT_EQ(v.picImagem.Left(), -30 * 15);
    EXPECT_EQ(v.picImagem.Top(), 25 * 15);
    // The pointer, in the window, where it went; the grabbed point of the
    // figure (inside the box's 2-pixel border) lies under it again.
    const QPoint ponteiro = QPoint(2, 2) + agarrado + QPoint(-30, 25);
    EXPECT_EQ(v.picImagem.innerArea()->mapFrom(v.Me.widget(), ponteiro), agarrado);
    QTest::mouseRelease(caixa(), Qt::LeftButton, {}, agarrado);

    QMouseEvent ambos(QEvent::MouseMove, QPointF(10, 10), QPointF(), Qt::NoButton,
                      Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(v.picImagem.innerArea(), &ambos);
    EXPECT_EQ(v.picImagem.Left(), -30 * 15);
    EXPECT_TRUE(viewer.Loaded());
}

// Esc closes the viewer; a right click closes it on the release, not the press.
TEST_F(Visualizador, EscOrTheRightButtonsReleaseCloseTheViewer)
{
    abre(QStringLiteral("figura-001.png"));
    QTest::keyClick(caixa(), Qt::Key_A);
    EXPECT_TRUE(viewer.Loaded());
    QTest::keyClick(caixa(), Qt::Key_Escape);
    EXPECT_FALSE(viewer.Loaded());
    QCoreApplication::sendPostedEvents();

    abre(QStringLiteral("figura-001.png"));
    QTest::mousePress(caixa(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(viewer.Loaded());
    QTest::mouseRelease(caixa(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(viewer.Loaded());
}

// The message comes when the viewer is shown and each time the player comes
// back to it from the quiz screen, not when its own box closes; a second
// press of the picture button replaces the figure where it is.
TEST_F(Visualizador, TheMessageComesAtEveryActivationOfTheViewer)
{
    platform::forms::Form quiz;
    quiz.Show();
    frmImagem& v = abre(QStringLiteral("figura-001.png"));
    ASSERT_EQ(mensagens.size(), 1);
    EXPECT_EQ(mensagens.front(), QStringLiteral("Para retornar à tela anterior, pressione a tecla 'ESC' ou click "
                                                "com o botão direito do mouse"));
    QWidget caixaDeMensagem;
    caixaDeMensagem.show();
    QApplication::setActiveWindow(&caixaDeMensagem);
    QApplication::setActiveWindow(v.Me.widget());
    EXPECT_EQ(mensagens.size(), 1);
    QApplication::setActiveWindow(quiz.widget());
    QApplication::setActiveWindow(v.Me.widget());
    EXPECT_EQ(mensagens.size(), 2);

    v.picImagem.Move(-600, -450);
    QImage outra(200, 100, QImage::Format_RGB32);
    outra.fill(Qt::red);
    ASSERT_TRUE(outra.save(pasta.filePath(QStringLiteral("figura-002.png"))));
    QApplication::setActiveWindow(quiz.widget());
    frmImagem& mesma = abre(QStringLiteral("figura-002.png"));
    EXPECT_EQ(&mesma, &v);
    EXPECT_EQ(v.picImagem.Left(), -600);
    EXPECT_EQ(v.picImagem.Width(), (200 + 4) * 15);
    EXPECT_EQ(mensagens.size(), 3);
}

// PNG, JPEG, BMP and GIF figures load; a missing, damaged or foreign file, a
// folder, or no figure at all gives a notice in the window instead.
TEST_F(Visualizador, FiguresLoadInTheCommonFormatsAndAFaultyOneIsNamed)
{
    QImage quadrado(64, 48, QImage::Format_RGB32);
    quadrado.fill(Qt::blue);
    ASSERT_TRUE(quadrado.save(pasta.filePath(QStringLiteral("a.jpg"))));
    ASSERT_TRUE(quadrado.save(pasta.filePath(QStringLiteral("a.bmp"))));
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000"
                                               "010001000002024401003b");
    {
        QFile arquivo(pasta.filePath(QStringLiteral("a.gif")));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(gif);
    }
    QFile png(pasta.filePath(QStringLiteral("figura-001.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QByteArray metade = png.readAll().left(300);
    {
        QFile truncado(pasta.filePath(QStringLiteral("truncada.png")));
        ASSERT_TRUE(truncado.open(QIODevice::WriteOnly));
        truncado.write(metade);
        QFile texto(pasta.filePath(QStringLiteral("notas.png")));
        ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
        texto.write("isto não é uma figura");
    }
    QDir(pasta.path()).mkdir(QStringLiteral("pasta.png"));

    for (const char* nome : {"figura-001.png", "a.jpg", "a.bmp", "a.gif"}) {
        frmImagem& v = abre(QString::fromLatin1(nome));
        EXPECT_TRUE(v.picImagem.Visible()) << nome;
        EXPECT_FALSE(v.picImagem.Picture().isNull()) << nome;
        EXPECT_FALSE(v.labAviso.Visible()) << nome;
    }
    struct Caso { QString nome, aviso; };
    const Caso casos[] = {
        {QStringLiteral("sumiu.png"), QStringLiteral("Figura não encontrada: sumiu.png")},
        {QStringLiteral("truncada.png"), QStringLiteral("Não foi possível abrir a figura truncada.png")},
        {QStringLiteral("notas.png"), QStringLiteral("Não foi possível abrir a figura notas.png")},
        {QStringLiteral("pasta.png"), QStringLiteral("Figura não encontrada: pasta.png")},
        {QString(), QStringLiteral("Esta questão não tem figura para mostrar.")},
    };
    for (const Caso& c : casos) {
        frmImagem& v = abre(c.nome);
        EXPECT_FALSE(v.picImagem.Visible()) << c.nome.toStdString();
        EXPECT_TRUE(v.labAviso.Visible()) << c.nome.toStdString();
        EXPECT_TRUE(v.labAviso.Caption().startsWith(c.aviso)) << v.labAviso.Caption().toStdString();
    }
    EXPECT_TRUE(viewer.Loaded());
}
