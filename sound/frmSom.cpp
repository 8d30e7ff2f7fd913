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

SomDoPrograma::SomDoPrograma(QString pastaPrograma) : pastaPrograma_(std::move(pastaPrograma)) {}

SomDoPrograma::~SomDoPrograma() = default;

frmSom& SomDoPrograma::form()
{
    if (!form_)
        form_ = std::make_unique<frmSom>(pastaPrograma_);
    return *form_;
}

void SomDoPrograma::stop()
{
    form().stop();
}

void SomDoPrograma::play(Cue cue)
{
    form().play(cue);
}

} // namespace sound
