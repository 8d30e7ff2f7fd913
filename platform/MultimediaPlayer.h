#pragma once
// The multimedia control: one player with one channel for waveform audio
// (.wav) and MIDI sequences (.mid) alike. Set FileName, then send the
// commands "open", "play" and "close":
//   "close"  stops whatever plays and releases it; harmless when nothing is open.
//   "open"   opens FileName; the engine is chosen from the file itself.
//   "play"   starts the open file once, from the start, and returns at once.
// A missing or damaged file, or a machine without a sound device, gives
// silence: no command ever reports a failure or throws.
//
// Short sounds are decoded once and kept for the life of the player. MIDI
// files all play through one software synthesiser, made with the first tune
// and kept: its soundfont is read once, and only the instruments the tunes
// use are loaded from it, so a later tune costs no more than reading its file.
//
// The engine behind it is a module in the folder handed to the player
// (SoundEngine.h), loaded when the player is made: without it, silence.
#include <QString>

#include <memory>

namespace platform {

class MultimediaPlayer {
public:
    explicit MultimediaPlayer(const QString& engineFolder);
    ~MultimediaPlayer();
    MultimediaPlayer(const MultimediaPlayer&) = delete;
    MultimediaPlayer& operator=(const MultimediaPlayer&) = delete;

    QString FileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }

    // Unknown commands are ignored, like the control does.
    void setCommand(const QString& command);

    // True while a sound is playing; for tests and diagnostics.
    bool isPlaying() const;
    // False when the audio device could not be opened: every command is then silent.
    bool hasDevice() const;

private:
    struct Engine;

    QString fileName_;
    std::unique_ptr<Engine> engine_;
};

} // namespace platform
