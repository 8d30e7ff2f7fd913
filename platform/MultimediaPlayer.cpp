#include "MultimediaPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QFileInfo>

#include <map>
#include <mutex>
#include <thread>

namespace platform {

namespace {

// The General MIDI soundfont of the system package; named here so that MIDI
// playback never depends on a setting of the machine.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 1024;   // about 23 ms of latency

// SDL2_mixer chooses the decoder from the extension, and so does the player.
bool isMidi(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("mid") || suffix == QLatin1String("midi");
}

} // namespace

// Short sounds are decoded on the calling thread and kept. A MIDI file gets a
// synthesiser of its own, with the whole soundfont, and takes tens of
// milliseconds to load: only one is kept, and it is loaded on a thread of
// its own, so a cue never holds up the caller. Everything the loader and the
// caller share is guarded by `lock`.
struct MultimediaPlayer::Engine {
    bool sdlStarted = false;
    bool deviceOpen = false;
    std::map<QString, Mix_Music*> sounds;   // every short sound decoded so far

    std::mutex lock;
    QString midiPath;              // the one MIDI file loaded, or being loaded
    Mix_Music* midi = nullptr;
    bool midiLoading = false;
    std::thread loader;

    QString openPath;              // the file "open" selected
    Mix_Music* open = nullptr;     // its decoded form, once ready
    bool playWhenLoaded = false;   // "play" came while the file was loading

    Engine()
    {
        // SDL would otherwise take over SIGINT and SIGTERM, and the program
        // could no longer be stopped from outside.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdlStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!sdlStarted)
            return;
        Mix_Init(MIX_INIT_MID);
        Mix_SetSoundFonts(kSoundFont);
        // Without a device SDL starts but the open fails; every later load
        // would fail too, so the player stays silent from here on.
        deviceOpen = Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkSamples) == 0;
    }

    ~Engine()
    {
        if (loader.joinable())
            loader.join();
        if (deviceOpen) {
            Mix_HaltMusic();
            for (auto& [path, music] : sounds)
                Mix_FreeMusic(music);
            if (midi)
                Mix_FreeMusic(midi);
            Mix_CloseAudio();
        }
        if (sdlStarted)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    Mix_Music* sound(const QString& path)
    {
        if (auto found = sounds.find(path); found != sounds.end())
            return found->second;
        Mix_Music* fresh = Mix_LoadMUS(path.toLocal8Bit().constData());
        if (fresh)
            sounds.emplace(path, fresh);
        return fresh;
    }

    // Called with `lock` held, and with no music playing.
    void startMidiLoad(std::unique_lock<std::mutex>& held, const QString& path)
    {
        if (loader.joinable()) {
            // Another file is still loading: it is finished first (rare: two
            // different tunes asked for within a few milliseconds).
            held.unlock();
            loader.join();
            held.lock();
            if (midiPath == path && !midiLoading) {
                open = midi;
                return;
            }
        }
        Mix_Music* previous = midi;
        midi = nullptr;
        midiPath = path;
        midiLoading = true;
        loader = std::thread([this, path, previous] {
            // The tune before is not playing: the caller stopped it before
            // opening another file, and nothing can start it any more.
            if (previous)
                Mix_FreeMusic(previous);
            Mix_Music* fresh = Mix_LoadMUS(path.toLocal8Bit().constData());
            const std::lock_guard<std::mutex> guard(lock);
            midi = fresh;
            midiLoading = false;
            if (openPath == path) {
                open = fresh;
                if (open && playWhenLoaded)
                    Mix_PlayMusic(open, 0);
                playWhenLoaded = false;
            }
        });
    }
};

MultimediaPlayer::MultimediaPlayer() : engine_(std::make_unique<Engine>()) {}

MultimediaPlayer::~MultimediaPlayer() = default;

void MultimediaPlayer::setCommand(const QString& command)
{
    const QString verb = command.trimmed().toLower();
    if (verb == QLatin1String("close"))
        close();
    else if (verb == QLatin1String("open"))
        open();
    else if (verb == QLatin1String("play"))
        play();
}

void MultimediaPlayer::close()
{
    if (!engine_->deviceOpen)
        return;
    const std::lock_guard<std::mutex> guard(engine_->lock);
    Mix_HaltMusic();
    engine_->open = nullptr;
    engine_->openPath.clear();
    engine_->playWhenLoaded = false;
}

void MultimediaPlayer::open()
{
    // One channel: opening another file releases the one held before.
    close();
    Engine& e = *engine_;
    if (!e.deviceOpen || fileName_.isEmpty())
        return;
    if (!isMidi(fileName_)) {
        Mix_Music* music = e.sound(fileName_);
        const std::lock_guard<std::mutex> guard(e.lock);
        e.openPath = fileName_;
        e.open = music;
        return;
    }
    std::unique_lock<std::mutex> held(e.lock);
    e.openPath = fileName_;
    if (e.midiPath == fileName_) {
        if (!e.midiLoading)
            e.open = e.midi;   // loaded before; still loading: the loader opens it
        return;
    }
    e.startMidiLoad(held, fileName_);
}

void MultimediaPlayer::play()
{
    Engine& e = *engine_;
    if (!e.deviceOpen)
        return;
    const std::lock_guard<std::mutex> guard(e.lock);
    if (e.open)
        Mix_PlayMusic(e.open, 0);   // 0: once, no repeat
    else if (e.midiLoading && e.openPath == e.midiPath)
        e.playWhenLoaded = true;
}

bool MultimediaPlayer::isPlaying() const
{
    return engine_->deviceOpen && Mix_PlayingMusic() != 0;
}

bool MultimediaPlayer::hasDevice() const
{
    return engine_->deviceOpen;
}

bool MultimediaPlayer::isLoading() const
{
    const std::lock_guard<std::mutex> guard(engine_->lock);
    return engine_->midiLoading;
}

} // namespace platform
