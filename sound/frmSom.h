#pragma once
// The never-shown form that owns the program's one multimedia player
// (mmcSom) and plays every cue through it: close, set the file, open, play.
#include "CuePlayer.h"
#include "platform/MultimediaPlayer.h"

#include <QString>
#include <memory>

namespace sound {

class frmSom final : public CuePlayer {
public:
    // Plays the files found in `folder`, each loaded once, here.
    explicit frmSom(const QString& folder);

    void stop() override;
    void play(Cue cue) override;

    platform::MultimediaPlayer mmcSom;

private:
    QString fileOf(Cue cue) const;

    QString folder_;
};

// The player that main() owns and hands to the screens: the form frmSom
// comes to life with the first cue played, from the program folder, and
// lives until main() lets the player go, before the application ends.
class SomDoPrograma final : public CuePlayer {
public:
    explicit SomDoPrograma(QString pastaPrograma);
    ~SomDoPrograma() override;

    void stop() override;
    void play(Cue cue) override;

private:
    frmSom& form();

    QString pastaPrograma_;
    std::unique_ptr<frmSom> form_;
};

} // namespace sound
