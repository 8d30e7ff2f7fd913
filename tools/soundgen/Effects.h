#pragma once
// The six short sound effects of the game, each built from a few notes.
#include "Synth.h"

#include <string>
#include <vector>

namespace soundgen {

struct Effect {
    std::string fileName;
    Samples samples;
};

// Every effect, finished: normalised to one common loudness, never above
// the peak ceiling, with smooth edges.
std::vector<Effect> allEffects();

} // namespace soundgen
