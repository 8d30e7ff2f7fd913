#include "frmSom.h"

#include "platform/ProgramFolder.h"

namespace sound {

frmSom::frmSom(const QString& folder) : folder_(folder) {}

frmSom& frmSom::instance()
{
    static frmSom form(platform::programFolder());
    return form;
}

void frmSom::stop()
{
    mmcSom.setCommand(QStringLiteral("close"));
}

void frmSom::play(Cue cue)
{
    // Nothing is checked between the steps: a file that cannot be played
    // simply leaves the player silent.
    mmcSom.setCommand(QStringLiteral("close"));
    mmcSom.setFileName(platform::fileInFolder(folder_, QString::fromLatin1(cueFileName(cue))));
    mmcSom.setCommand(QStringLiteral("open"));
    mmcSom.setCommand(QStringLiteral("play"));
}

void SomDoPrograma::stop()
{
    frmSom::instance().stop();
}

void SomDoPrograma::play(Cue cue)
{
    frmSom::instance().play(cue);
}

} // namespace sound
