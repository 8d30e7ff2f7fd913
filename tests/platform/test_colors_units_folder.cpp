#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ScreenScale.h"
#include "platform/Units.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <memory>
#include <gtest/gtest.h>

using namespace platform;

// Colour values are 0x00BBGGRR, and system colours come from the classic
// scheme whatever the desktop theme, so answer texts stay black on white.
TEST(Colors, ValuesAreBgrAndSystemColoursFollowTheClassicScheme)
{
    EXPECT_EQ(toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(RGB(96, 103, 207)), QColor(96, 103, 207));
    EXPECT_EQ(toQColor(systemButtonText), QColor(Qt::black));
    EXPECT_EQ(toQColor(systemWindowBackground), QColor(Qt::white));
    EXPECT_EQ(toQColor(systemMenuText), QColor(Qt::black));
    EXPECT_EQ(toQColor(systemHighlightText), QColor(Qt::white));
    EXPECT_EQ(toQColor(0x800000FF), QColor(Qt::black)); // unknown index: readable fallback
}

TEST(Units, FifteenTwipsMakeOnePixel)
{
    EXPECT_EQ(twipsToPixels(12000), 800);
    EXPECT_EQ(twipsToPixels(7800), 520);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-8), -1);
    EXPECT_EQ(pixelsToTwips(137), 2055);
}

TEST(ProgramFolder, IsTheRunningExecutablesFolder)
{
    EXPECT_EQ(QDir(programFolder()).canonicalPath(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    EXPECT_EQ(fileInFolder(QStringLiteral("/opt/x"), QStringLiteral("tolvane.mdb")), QStringLiteral("/opt/x/tolvane.mdb"));
}

TEST(MessageBox, TestHandlerReceivesTheTextInsteadOfABox)
{
    QStringList shown;
    setMessageBoxHandler([&](const QString& text) { shown << text; });
    MsgBox(QStringLiteral("Você foi aprovado!"));
    setMessageBoxHandler({});
    EXPECT_EQ(shown, QStringList{QStringLiteral("Você foi aprovado!")});
}

// The 800 x 600 design grows to the screen's height on wide screens, to its
// width on tall ones, and never shrinks.
TEST(ScreenScale, TheDesignFillsTheScreenWithoutShrinking)
{
    EXPECT_DOUBLE_EQ(designScale(1366, 768, 800, 600), 1.28);
    EXPECT_DOUBLE_EQ(designScale(1920, 1080, 800, 600), 1.8);
    EXPECT_DOUBLE_EQ(designScale(1024, 1280, 800, 600), 1.28);
    EXPECT_DOUBLE_EQ(designScale(800, 600, 800, 600), 1.0);
    EXPECT_DOUBLE_EQ(designScale(640, 480, 800, 600), 1.0);
}
