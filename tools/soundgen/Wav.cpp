#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace soundgen {

namespace {

void put16(std::ofstream& file, std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    file.write(bytes, 2);
}

void put32(std::ofstream& file, std::uint32_t value)
{
    put16(file, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(file, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

void writeWav(const std::string& path, const Samples& samples)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw std::runtime_error(path + ": não foi possível criar o arquivo");

    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlock = kBits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBlock);

    file.write("RIFF", 4);
    put32(file, 36 + dataBytes);
    file.write("WAVE", 4);
    file.write("fmt ", 4);
    put32(file, 16);
    put16(file, 1);   // PCM
    put16(file, 1);   // mono
    put32(file, kRate);
    put32(file, kRate * kBlock);
    put16(file, kBlock);
    put16(file, kBits);
    file.write("data", 4);
    put32(file, dataBytes);
    for (float s : samples) {
        const long value = std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0);
        put16(file, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    if (!file)
        throw std::runtime_error(path + ": falha ao gravar o arquivo");
}

} // namespace soundgen
