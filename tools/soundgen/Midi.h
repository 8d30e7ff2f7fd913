#pragma once
// Writes a tune as a Standard MIDI File (format 1): a tempo track, then one
// track per voice with its General MIDI instrument, volume, pan and reverb.
#include "Tune.h"

#include <string>

namespace soundgen {

// Throws std::runtime_error with the file name when it cannot be written.
void writeMidi(const std::string& path, const Tune& tune);

} // namespace soundgen
