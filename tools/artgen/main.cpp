// Paints every picture of the two screens, the hand pointer and the icon, and
// a review sheet that shows them all. Run by the build:
//   artgen <picture-folder> <review-sheet.png> <regular-font> <bold-font>
#include "Escala.h"
#include "Icons.h"
#include "Lettering.h"
#include "OpeningArt.h"
#include "QuizArt.h"
#include "ReviewSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "%s: não foi possível gravar\n", qPrintable(path));
    return false;
}

QList<artgen::NamedPicture> allPictures(const artgen::QuizPictures& quiz)
{
    using artgen::NamedPicture;
    QList<NamedPicture> pictures = {
        {"fundo", quiz.background},
        {"estrela-preparese", quiz.getReady},
        {"estrela-parabens", quiz.rightAnswer},
        {"estrela-errou", quiz.wrongAnswer},
        {"balao", quiz.balloon},
        {"som-on", quiz.soundOn},
        {"som-off", quiz.soundOff},
        {"botao-aceso", quiz.litKnob},
        {"fechar", quiz.closeMark},
        {"mao", artgen::paintHandPointer()},
        {"icone", artgen::paintSixteenColourIcon()},
        {"painel-desempenho", quiz.resultsPanel},
    };
    const QList<QImage> frames = artgen::paintOpeningFrames();
    for (int i = 0; i < frames.size(); ++i)
        pictures.append({QStringLiteral("abertura-%1").arg(i + 1, 2, 10, QLatin1Char('0')), frames[i]});
    // The icon at each size desktops ask for, each painted at its own size
    // rather than scaled from another, so the small ones stay sharp.
    pictures.append({QStringLiteral("icone-16"), artgen::paintSmallIcon()});
    for (const int size : {24, 32, 48, 64, 128, 256})
        pictures.append({QStringLiteral("icone-%1").arg(size), artgen::paintIcon(size)});
    return pictures;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "uso: artgen pasta-das-imagens folha-de-revisao.png fonte-regular fonte-negrito\n");
        return 2;
    }
    if (!artgen::loadLettering(args[3], args[4]))
        return 1;
    const QDir folder(args[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: não foi possível criar a pasta\n", qPrintable(args[1]));
        return 1;
    }

    const artgen::QuizPictures quiz = artgen::paintQuizPictures();
    const QList<artgen::NamedPicture> pictures = allPictures(quiz);
    for (const artgen::NamedPicture& picture : pictures) {
        if (!save(picture.image, folder.filePath(picture.name + QStringLiteral(".png"))))
            return 1;
    }
    if (!save(artgen::paintReviewSheet(pictures, quiz), args[2]))
        return 1;

    // The screens' pictures again at twice the size, "<name>@2x.png", for a
    // program scaled up on a large screen; the pointer and the icons have
    // sizes of their own.
    artgen::setEscala(2);
    const artgen::QuizPictures quizDouble = artgen::paintQuizPictures();
    for (const artgen::NamedPicture& picture : allPictures(quizDouble)) {
        if (picture.name == QLatin1String("mao") || picture.name.startsWith(QLatin1String("icone")))
            continue;
        if (!save(picture.image, folder.filePath(picture.name + QStringLiteral("@2x.png"))))
            return 1;
    }
    return 0;
}
