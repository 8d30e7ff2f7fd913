#pragma once
// The boundary between the multimedia player and the sound engine, a module
// of its own (libsoundengine.so beside the executable) that holds SDL2_mixer
// and FluidSynth. The player loads it when it is made, so a program starts
// without the sound libraries and their dozens of dependencies, and a
// missing module simply means silence. Plain C types only: the module and
// the program share no C++ objects.
#include <cstdint>

namespace platform::soundengine {

// Bumped whenever the table below changes; a module of another version is not used.
constexpr std::uint32_t kVersion = 1;

// The file name of the module and of the one function it exports.
constexpr const char* kModuleFile = "libsoundengine.so";
constexpr const char* kEntryPoint = "platform_sound_engine";

struct Engine;

struct Api {
    std::uint32_t version;
    Engine* (*create)();                 // starts the audio device; never null
    void (*destroy)(Engine*);
    void (*close)(Engine*);              // stops and releases what is open
    void (*open)(Engine*, const char*);  // a file name in the local 8-bit encoding
    void (*play)(Engine*);
    bool (*isPlaying)(const Engine*);
    bool (*hasDevice)(const Engine*);
};

using EntryPoint = const Api* (*)();

} // namespace platform::soundengine
