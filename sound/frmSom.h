#pragma once
// The never-shown form that owns the program's one multimedia player
// (mmcSom) and plays every cue through it: close, set the file, open, play.
#include "CuePlayer.h"
#include "platform/MultimediaPlayer.h"

#include <QString>
#include <memory>
#include <optional>

class QObject;

namespace sound {

class frmSom final : public CuePlayer {
public:
    // Plays the files found in `folder`, through the sound engine module that
    // sits there with them (the program folder). The short effects are decoded here,
    // once; the synthesiser for the tunes is set up with the first tune.
    explicit frmSom(const QString& folder);

    void stop() override;
    void play(Cue cue) override;

    platform::MultimediaPlayer mmcSom;

private:
    QString fileOf(Cue cue) const;

    QString folder_;
};

// The player that main() owns and hands to the screens. The form frmSom
// comes to life once the program's first window has been painted (or after
// two seconds, should no paint ever come), so that opening the sound device
// and decoding the effects never delay the first screen. A cue played before
// then is kept, the last one only, and starts as the form comes to life.
// Lives until main() lets the player go, before the application ends.
class SomDoPrograma final : public CuePlayer {
public:
    explicit SomDoPrograma(QString pastaPrograma);
    ~SomDoPrograma() override;

    void stop() override;
    void play(Cue cue) override;

private:
    void acorda();
    frmSom& form();

    QString pastaPrograma_;
    std::unique_ptr<QObject> vigia_;   // watches for the first paint
    bool acordado_ = false;
    std::optional<Cue> pendente_;
    std::unique_ptr<frmSom> form_;
};

} // namespace sound
