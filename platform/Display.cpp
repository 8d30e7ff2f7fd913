#include "Display.h"

#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

QByteArray missingDisplayMessage;
QtMessageHandler previousHandler = nullptr;
QStringList heldBack; // the toolkit's start-up warnings, until we know how it went

void duringStartUp(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        heldBack << text;
        return;
    }
    // Our own words first; the toolkit's follow, for whoever looks into the log.
    std::fprintf(stderr, "%s\n", missingDisplayMessage.constData());
    for (const QString& line : heldBack)
        std::fprintf(stderr, "  %s\n", line.toLocal8Bit().constData());
    std::fprintf(stderr, "  %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

void explainMissingDisplay(const QString& message)
{
    missingDisplayMessage = message.toLocal8Bit();
    previousHandler = qInstallMessageHandler(duringStartUp);
}

void displayFound()
{
    qInstallMessageHandler(previousHandler);
    for (const QString& line : heldBack)
        qWarning("%s", qPrintable(line));
    heldBack.clear();
}

} // namespace platform
