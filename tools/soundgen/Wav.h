#pragma once
// Writes a mono 16-bit PCM RIFF/WAVE file.
#include "Synth.h"

#include <string>

namespace soundgen {

// Throws std::runtime_error with the file name when it cannot be written.
void writeWav(const std::string& path, const Samples& samples);

} // namespace soundgen
