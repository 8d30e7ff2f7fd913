#pragma once
// Helpers for tests that read the generated sound files and the raw output
// of SDL's disk audio driver (signed 16-bit little-endian samples).
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace sound::testing {

QString programFile(const char* name);
QByteArray readAll(const QString& path);

// Samples of a 16-bit PCM stream, one value per channel sample.
std::vector<std::int16_t> samplesOf(const QByteArray& bytes, qsizetype from = 0);

// Largest absolute sample in [first, last) (clamped to the data).
int peakBetween(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t last);

} // namespace sound::testing
