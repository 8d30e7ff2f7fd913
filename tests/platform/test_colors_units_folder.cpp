#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/SingleInstance.h"
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

// A second copy on the same program folder must not start; another folder
// (another installation) may; the lock frees when the first copy ends.
TEST(SingleInstance, OneCopyPerProgramFolder)
{
    QTemporaryDir pastaA, pastaB;
    auto primeira = std::make_unique<SingleInstance>(pastaA.path());
    EXPECT_TRUE(primeira->acquired());
    EXPECT_FALSE(SingleInstance(pastaA.path()).acquired());
    EXPECT_FALSE(SingleInstance(pastaA.path() + QStringLiteral("/.")).acquired()); // the same folder, spelled otherwise
    EXPECT_TRUE(SingleInstance(pastaB.path()).acquired());
    primeira.reset();
    EXPECT_TRUE(SingleInstance(pastaA.path()).acquired());
}
