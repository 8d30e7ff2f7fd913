#include "SoundFiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace sound::testing {

QString programFile(const char* name)
{
    return QDir(QStringLiteral(TOLVANE_PROGRAM_DIR)).filePath(QString::fromLatin1(name));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<std::int16_t> samplesOf(const QByteArray& bytes, qsizetype from)
{
    std::vector<std::int16_t> samples;
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2) {
        const auto low = static_cast<std::uint8_t>(bytes[i]);
        const auto high = static_cast<std::uint8_t>(bytes[i + 1]);
        samples.push_back(static_cast<std::int16_t>(low | (high << 8)));
    }
    return samples;
}

int peakBetween(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t last)
{
    last = std::min(last, samples.size());
    int peak = 0;
    for (std::size_t i = first; i < last; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    return peak;
}

} // namespace sound::testing
