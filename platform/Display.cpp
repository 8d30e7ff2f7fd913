#include "Display.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

QByteArray missingDisplayMessage;
QtMessageHandler previousHandler = nullptr;

void duringStartUp(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        if (previousHandler)
            previousHandler(type, context, text);
        return;
    }
    // The toolkit's own text goes to the log too, for whoever looks into it.
    std::fprintf(stderr, "%s\n(%s)\n", missingDisplayMessage.constData(), text.toLocal8Bit().constData());
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
}

} // namespace platform
