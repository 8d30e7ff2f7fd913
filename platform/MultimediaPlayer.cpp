#include "MultimediaPlayer.h"

#include "ProgramFolder.h"
#include "SoundEngine.h"

#include <QLibrary>

#include <cstdio>

namespace platform {

// The engine module, loaded with its table, and the engine made from it.
// Without a usable module both stay empty and every command is silent.
struct MultimediaPlayer::Engine {
    QLibrary module;
    const soundengine::Api* api = nullptr;
    soundengine::Engine* engine = nullptr;

    explicit Engine(const QString& folder) : module(fileInFolder(folder, QString::fromLatin1(soundengine::kModuleFile)))
    {
        const auto entry = reinterpret_cast<soundengine::EntryPoint>(module.resolve(soundengine::kEntryPoint));
        const soundengine::Api* found = entry ? entry() : nullptr;
        if (!found || found->version != soundengine::kVersion) {
            // For the maintainer only: the program carries on without sound.
            std::fprintf(stderr, "%s: %s\n", soundengine::kModuleFile,
                         found ? "another version of the engine" : qPrintable(module.errorString()));
            return;
        }
        api = found;
        engine = api->create();
    }

    ~Engine()
    {
        if (engine)
            api->destroy(engine);
        // The module stays loaded: the mixer's thread may still be leaving it
        // as the program ends, and it is loaded once per program anyway.
    }
};

MultimediaPlayer::MultimediaPlayer(const QString& engineFolder) : engine_(std::make_unique<Engine>(engineFolder)) {}

MultimediaPlayer::~MultimediaPlayer() = default;

void MultimediaPlayer::setCommand(const QString& command)
{
    Engine& e = *engine_;
    if (!e.engine)
        return;
    const QString verb = command.trimmed().toLower();
    if (verb == QLatin1String("close"))
        e.api->close(e.engine);
    else if (verb == QLatin1String("open"))
        e.api->open(e.engine, fileName_.toLocal8Bit().constData());
    else if (verb == QLatin1String("play"))
        e.api->play(e.engine);
}

bool MultimediaPlayer::isPlaying() const
{
    return engine_->engine && engine_->api->isPlaying(engine_->engine);
}

bool MultimediaPlayer::hasDevice() const
{
    return engine_->engine && engine_->api->hasDevice(engine_->engine);
}

} // namespace platform
