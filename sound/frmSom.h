#pragma once
// The never-shown form that owns the program's one multimedia player
// (mmcSom) and plays every cue through it: close, set the file, open, play.
#include "CuePlayer.h"
#include "platform/MultimediaPlayer.h"

#include <QString>

namespace sound {

class frmSom final : public CuePlayer {
public:
    // Plays the files found in `folder`, each loaded once, here.
    explicit frmSom(const QString& folder);

    // The program's single instance, created by the first cue that needs it
    // and kept until the program ends; it plays from the program folder.
    static frmSom& instance();

    void stop() override;
    void play(Cue cue) override;

    platform::MultimediaPlayer mmcSom;

private:
    QString fileOf(Cue cue) const;

    QString folder_;
};

// The player that the program hands to its screens: each cue goes to
// frmSom::instance(), so the form comes to life with the first cue played.
class SomDoPrograma final : public CuePlayer {
public:
    void stop() override;
    void play(Cue cue) override;
};

} // namespace sound
