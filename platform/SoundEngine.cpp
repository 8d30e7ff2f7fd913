// The sound engine module: one channel for short sounds (.wav) and MIDI
// tunes (.mid) alike, behind the plain table of SoundEngine.h.
#include "SoundEngine.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>

#include <algorithm>
#include <cctype>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace platform::soundengine {

namespace {

// The General MIDI soundfont of the system package; named here so that MIDI
// playback never depends on a setting of the machine.
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSamples = 1024;   // about 23 ms of latency
constexpr int kChannel = 0;           // the mixer channel of the short sounds

// SDL2_mixer chooses the decoder from the extension, and so does the engine.
bool isMidi(const std::string& path)
{
    const auto dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.')
        return false;
    std::string suffix = path.substr(dot + 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return suffix == "mid" || suffix == "midi";
}

} // namespace

// Short sounds are decoded by the mixer once and kept. MIDI goes to one
// software synthesiser, made with the first tune and kept for the life of the
// player: it holds the soundfont, loading from it only the instruments the
// tunes use. The mixer pulls the synthesiser's output from its own thread, so
// everything that thread reads is guarded by `midiLock`.
struct Engine {
    bool sdlStarted = false;
    bool deviceOpen = false;
    int outputRate = kSampleRate;
    int outputChannels = kChannels;
    std::map<std::string, Mix_Chunk*> sounds;   // every short sound decoded so far
    Mix_Chunk* openSound = nullptr;

    mutable std::mutex midiLock;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    bool synthFailed = false;
    fluid_player_t* tune = nullptr;          // the tune "open" selected
    int synthRate = kSampleRate;             // the output's rate, or half of it
    std::vector<std::int16_t> synthesised;   // one stretch at the synthesiser's rate, left and right
    std::int16_t previous[2] = {0, 0};       // the last frame of the stretch before

    Engine()
    {
        // SDL would otherwise take over SIGINT and SIGTERM, and the program
        // could no longer be stopped from outside.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        sdlStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (!sdlStarted)
            return;
        // Without a device SDL starts but the open fails; every later load
        // would fail too, so the player stays silent from here on.
        deviceOpen = Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkSamples) == 0;
        if (!deviceOpen)
            return;
        Uint16 format = 0;
        Mix_QuerySpec(&outputRate, &format, &outputChannels);
        Mix_HookMusic(&Engine::render, this);
    }

    ~Engine()
    {
        if (deviceOpen) {
            Mix_HaltChannel(-1);
            Mix_HookMusic(nullptr, nullptr);   // waits for the mixer to leave render()
            for (auto& [path, chunk] : sounds)
                Mix_FreeChunk(chunk);
            Mix_CloseAudio();
        }
        if (tune)
            delete_fluid_player(tune);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
        if (sdlStarted)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    Mix_Chunk* sound(const std::string& path)
    {
        if (auto found = sounds.find(path); found != sounds.end())
            return found->second;
        Mix_Chunk* fresh = Mix_LoadWAV(path.c_str());
        if (fresh)
            sounds.emplace(path, fresh);
        return fresh;
    }

    // Made once, with the first tune. Called with `midiLock` held.
    bool makeSynth()
    {
        if (synth || synthFailed)
            return synth != nullptr;
        // Tunes are synthesised at half the output's rate and doubled on the
        // way out: the tunes' instruments have little above 11 kHz, and the
        // synthesiser, which sounds whenever the player thinks, costs half.
        synthRate = outputRate >= 2 * 22050 && outputRate % 2 == 0 ? outputRate / 2 : outputRate;
        settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.sample-rate", synthRate);
        // The samples of an instrument are read when a tune first selects it.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        // No reverberation or chorus: their tails would outlive a cue that
        // cuts the tune off, and they cost most of the synthesiser's time.
        fluid_settings_setint(settings, "synth.reverb.active", 0);
        fluid_settings_setint(settings, "synth.chorus.active", 0);
        // The program's tunes sound a dozen notes at most; each voice costs memory.
        fluid_settings_setint(settings, "synth.polyphony", 64);
        synth = settings ? new_fluid_synth(settings) : nullptr;
        if (!synth || fluid_synth_sfload(synth, kSoundFont, 1) == FLUID_FAILED) {
            if (synth)
                delete_fluid_synth(synth);
            synth = nullptr;
            synthFailed = true;
            return false;
        }
        fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_LINEAR);
#ifdef __GLIBC__
        // Reading the soundfont leaves megabytes of freed scratch memory in
        // the heap; they go back to the system instead of staying resident.
        malloc_trim(0);
#endif
        return true;
    }

    // Called with `midiLock` held: the synthesiser falls silent at once.
    void stopTune()
    {
        if (tune) {
            fluid_player_stop(tune);
            delete_fluid_player(tune);
            tune = nullptr;
        }
        if (synth) {
            // Off at once, without release; the next tune resets the
            // controllers itself when it starts.
            const int channels = fluid_synth_count_midi_channels(synth);
            for (int channel = 0; channel < channels; ++channel)
                fluid_synth_all_sounds_off(synth, channel);
        }
        previous[0] = previous[1] = 0;
    }

    // The mixer's thread asks for the next stretch of the tune.
    static void render(void* self, Uint8* stream, int bytes)
    {
        auto& e = *static_cast<Engine*>(self);
        std::memset(stream, 0, std::size_t(bytes));
        const std::lock_guard<std::mutex> guard(e.midiLock);
        // Only an open tune sounds: "close" silences the synthesiser at
        // once, release tails included. A tune that ended is rendered until
        // its last notes have died away, then no processor time is spent.
        if (!e.synth || !e.tune || e.outputChannels < 1)
            return;
        if (fluid_player_get_status(e.tune) != FLUID_PLAYER_PLAYING &&
            fluid_synth_get_active_voice_count(e.synth) == 0)
            return;
        auto* samples = reinterpret_cast<std::int16_t*>(stream);
        const int frames = bytes / int(sizeof(std::int16_t)) / e.outputChannels;
        const int factor = e.outputRate / e.synthRate;   // 1 or 2
        const int made = (frames + factor - 1) / factor;
        e.synthesised.resize(std::size_t(made) * 2);
        std::int16_t* in = e.synthesised.data();
        fluid_synth_write_s16(e.synth, made, in, 0, 2, in, 1, 2);
        const int kept = std::min(e.outputChannels, 2);
        for (int frame = 0; frame < frames; ++frame) {
            const std::int16_t* now = in + 2 * (frame / factor);
            for (int side = 0; side < kept; ++side) {
                // At twice the rate, every other frame lies halfway between two.
                const bool between = factor == 2 && frame % 2 == 0;
                const std::int16_t before = frame >= 2 ? now[side - 2] : e.previous[side];
                samples[frame * e.outputChannels + side] =
                    between ? std::int16_t((int(before) + int(now[side])) / 2) : now[side];
            }
        }
        e.previous[0] = in[2 * made - 2];
        e.previous[1] = in[2 * made - 1];
    }
};

namespace {

void close(Engine* e)
{
    if (!e->deviceOpen)
        return;
    Mix_HaltChannel(-1);
    e->openSound = nullptr;
    const std::lock_guard<std::mutex> guard(e->midiLock);
    e->stopTune();
}

void open(Engine* e, const char* fileName)
{
    // One channel: opening another file releases the one held before.
    close(e);
    if (!e->deviceOpen || !fileName || !*fileName)
        return;
    const std::string path(fileName);
    if (!isMidi(path)) {
        e->openSound = e->sound(path);
        return;
    }
    // The file is read here, so the mixer's thread never waits on the disk.
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return;
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::lock_guard<std::mutex> guard(e->midiLock);
    if (bytes.empty() || !e->makeSynth())
        return;
    e->tune = new_fluid_player(e->synth);
    if (e->tune && fluid_player_add_mem(e->tune, bytes.data(), bytes.size()) != FLUID_OK) {
        delete_fluid_player(e->tune);
        e->tune = nullptr;
    }
}

void play(Engine* e)
{
    if (!e->deviceOpen)
        return;
    if (e->openSound) {
        Mix_PlayChannel(kChannel, e->openSound, 0);   // 0: once, no repeat
        return;
    }
    const std::lock_guard<std::mutex> guard(e->midiLock);
    if (e->tune)
        fluid_player_play(e->tune);
}

bool isPlaying(const Engine* e)
{
    if (!e->deviceOpen)
        return false;
    if (Mix_Playing(-1) != 0)
        return true;
    const std::lock_guard<std::mutex> guard(e->midiLock);
    return e->tune && fluid_player_get_status(e->tune) == FLUID_PLAYER_PLAYING;
}

bool hasDevice(const Engine* e)
{
    return e->deviceOpen;
}

Engine* create()
{
    return new Engine;
}

void destroy(Engine* e)
{
    delete e;
}

constexpr Api kApi{kVersion, create, destroy, close, open, play, isPlaying, hasDevice};

} // namespace

} // namespace platform::soundengine

extern "C" __attribute__((visibility("default"))) const platform::soundengine::Api* platform_sound_engine()
{
    return &platform::soundengine::kApi;
}
