#include "frmSom.h"

#include "platform/ProgramFolder.h"

namespace sound {

frmSom::frmSom(const QString& folder) : folder_(folder)
{
    // Opening each file once loads it into the player, so that no later cue
    // pays for decoding (a MIDI file costs tens of milliseconds).
    for (Cue cue : kAllCues) {
        mmcSom.setFileName(fileOf(cue));
        mmcSom.setCommand(QStringLiteral("open"));
    }
    mmcSom.setCommand(QStringLiteral("close"));
}

QString frmSom::fileOf(Cue cue) const
{
    return platform::fileInFolder(folder_, QString::fromLatin1(cueFileName(cue)));
}

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
    mmcSom.setFileName(fileOf(cue));
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
