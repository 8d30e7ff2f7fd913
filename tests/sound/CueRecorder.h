#pragma once
// Test stand-in for the program's sound: records every cue a screen plays,
// in order, and keeps the one channel's state, so a test can tell which cue
// is sounding and which cue cut off which. Never linked into the program.
#include "sound/CuePlayer.h"

#include <optional>
#include <vector>

namespace sound::testing {

class CueRecorder final : public CuePlayer {
public:
    // One entry per procedure called; std::nullopt stands for Sem_Som.
    std::vector<std::optional<Cue>> calls;

    // The cue still sounding: the last one started, unless Sem_Som followed.
    std::optional<Cue> nowPlaying() const { return current_; }

    // Each cue that was cut off while sounding, paired with the cue that cut it.
    struct CutOff {
        Cue cut;
        Cue by;
        bool operator==(const CutOff&) const = default;
    };
    std::vector<CutOff> cutOffs;

    void stop() override
    {
        calls.push_back(std::nullopt);
        current_.reset();
    }

    void play(Cue cue) override
    {
        calls.push_back(cue);
        if (current_)
            cutOffs.push_back({*current_, cue});
        current_ = cue;
    }

    void clear()
    {
        calls.clear();
        cutOffs.clear();
        current_.reset();
    }

private:
    std::optional<Cue> current_;
};

} // namespace sound::testing
