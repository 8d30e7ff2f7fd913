#include "MultimediaPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>

namespace platform {

namespace {

// The General MIDI soundfont of the system package; named here so that MIDI
// playback never depends on a setting of the machine.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 1024;   // about 23 ms of latency

} // namespace

struct MultimediaPlayer::Engine {
    bool sdlStarted = false;
    bool deviceOpen = false;
    std::map<QString, Mix_Music*> loaded;   // every file decoded so far
    Mix_Music* open = nullptr;              // the file "open" selected

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
        if (deviceOpen) {
            Mix_HaltMusic();
            for (auto& [path, music] : loaded)
                Mix_FreeMusic(music);
            Mix_CloseAudio();
        }
        if (sdlStarted)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // The decoded file, loaded on first use; null when it cannot be played.
    Mix_Music* music(const QString& path)
    {
        if (!deviceOpen || path.isEmpty())
            return nullptr;
        if (auto found = loaded.find(path); found != loaded.end())
            return found->second;
        Mix_Music* fresh = Mix_LoadMUS(path.toLocal8Bit().constData());
        if (fresh)
            loaded.emplace(path, fresh);
        return fresh;
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
    if (engine_->deviceOpen)
        Mix_HaltMusic();
    engine_->open = nullptr;
}

void MultimediaPlayer::open()
{
    // One channel: opening another file releases the one held before.
    close();
    engine_->open = engine_->music(fileName_);
}

void MultimediaPlayer::play()
{
    if (engine_->open)
        Mix_PlayMusic(engine_->open, 0);   // 0: once, no repeat
}

bool MultimediaPlayer::isPlaying() const
{
    return engine_->deviceOpen && Mix_PlayingMusic() != 0;
}

bool MultimediaPlayer::hasDevice() const
{
    return engine_->deviceOpen;
}

} // namespace platform
