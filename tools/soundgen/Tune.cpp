#include "Tune.h"

#include <cctype>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace soundgen {

namespace {

struct LineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int toInt(const std::string& word, int low, int high, const std::string& what)
{
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size() || value < low || value > high)
        throw LineError(what + " deve ser um número de " + std::to_string(low) + " a "
                        + std::to_string(high) + ", não \"" + word + "\"");
    return value;
}

// "C4" is 60; sharps (#) and flats (b) follow the letter.
int pitchOf(const std::string& name)
{
    static const int kSteps[] = {9, 11, 0, 2, 4, 5, 7};   // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G')
        throw LineError("nota desconhecida \"" + name + "\"");
    int pitch = kSteps[name[0] - 'A'];
    std::size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i)
        pitch += name[i] == '#' ? 1 : -1;
    const int octave = toInt(name.substr(i), 0, 8, "a oitava de \"" + name + "\"");
    return 12 * (octave + 1) + pitch;
}

long ticksOf(const std::string& length)
{
    std::size_t used = 0;
    double eighths = 0.0;
    try {
        eighths = std::stod(length, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    const double ticks = eighths * kTicksPerEighth;
    if (used != length.size() || ticks < 1.0 || std::fabs(ticks - std::round(ticks)) > 1e-6)
        throw LineError("duração inválida \":" + length + "\" (em colcheias, por exemplo :2 ou :0.5)");
    return std::lround(ticks);
}

void readVoiceHeader(std::istringstream& words, Voice& voice)
{
    if (!(words >> voice.name))
        throw LineError("falta o nome da voz");
    std::string key;
    std::string value;
    while (words >> key) {
        if (!(words >> value))
            throw LineError("falta o valor de \"" + key + "\"");
        if (key == "program") voice.program = toInt(value, 1, 128, "program");
        else if (key == "channel") voice.channel = toInt(value, 1, 16, "channel");
        else if (key == "volume") voice.volume = toInt(value, 0, 127, "volume");
        else if (key == "pan") voice.pan = toInt(value, 0, 127, "pan");
        else if (key == "reverb") voice.reverb = toInt(value, 0, 127, "reverb");
        else if (key == "gate") voice.gate = toInt(value, 10, 100, "gate");
        else throw LineError("opção de voz desconhecida \"" + key + "\"");
    }
}

// One line of notes, repeated when it starts with "xN"; bars ("|") must
// each hold the tune's meter.
void readNotes(const std::string& line, const Tune& tune, Voice& voice, int& velocity)
{
    std::istringstream words(line);
    std::vector<std::string> tokens;
    for (std::string word; words >> word;)
        tokens.push_back(word);
    int repeats = 1;
    if (!tokens.empty() && tokens[0].size() > 1 && tokens[0][0] == 'x') {
        repeats = toInt(tokens[0].substr(1), 1, 64, "a repetição");
        tokens.erase(tokens.begin());
    }
    const bool checkBars = tune.meter > 0 && line.find('|') != std::string::npos;
    const long bar = static_cast<long>(tune.meter) * kTicksPerEighth;

    for (int round = 0; round < repeats; ++round) {
        long inBar = 0;
        int barNumber = 1;
        auto closeBar = [&] {
            if (checkBars && inBar != 0 && inBar != bar)
                throw LineError("o compasso " + std::to_string(barNumber) + " tem "
                                + std::to_string(static_cast<double>(inBar) / kTicksPerEighth)
                                + " colcheias, e não " + std::to_string(tune.meter));
            if (inBar != 0)
                ++barNumber;
            inBar = 0;
        };
        for (const std::string& token : tokens) {
            if (token == "|") {
                closeBar();
                continue;
            }
            if (token[0] == 'v' && token.find(':') == std::string::npos) {
                velocity = toInt(token.substr(1), 1, 127, "a intensidade");
                continue;
            }
            const std::size_t colon = token.find(':');
            if (colon == std::string::npos)
                throw LineError("falta a duração em \"" + token + "\" (por exemplo D4:2)");
            const long ticks = ticksOf(token.substr(colon + 1));
            const std::string what = token.substr(0, colon);
            if (what != "r") {
                TuneNote note;
                note.start = voice.length;
                note.length = std::max(1L, ticks * voice.gate / 100);
                note.velocity = velocity;
                std::size_t from = 0;
                for (std::size_t plus; (plus = what.find('+', from)) != std::string::npos; from = plus + 1)
                    note.pitches.push_back(pitchOf(what.substr(from, plus - from)));
                note.pitches.push_back(pitchOf(what.substr(from)));
                voice.notes.push_back(note);
            }
            voice.length += ticks;
            inBar += ticks;
        }
        closeBar();
    }
}

// A comment begins with a "#" that starts a word; the "#" of a sharp
// inside a note name (F#4) is not one.
std::size_t commentStart(const std::string& line)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
            return i;
    }
    return line.size();
}

} // namespace

Tune parseTune(const std::string& text, const std::string& sourceName)
{
    Tune tune;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    int velocity = 80;
    try {
        while (std::getline(lines, line)) {
            ++lineNumber;
            line.erase(commentStart(line));
            std::istringstream words(line);
            std::string first;
            if (!(words >> first))
                continue;
            std::string value;
            if (first == "tempo" && words >> value) {
                tune.tempo = toInt(value, 20, 400, "tempo");
            } else if (first == "meter" && words >> value) {
                tune.meter = toInt(value, 1, 32, "meter");
            } else if (first == "voice") {
                tune.voices.emplace_back();
                readVoiceHeader(words, tune.voices.back());
                velocity = 80;
            } else if (tune.voices.empty()) {
                throw LineError("notas antes da primeira linha \"voice\"");
            } else {
                readNotes(line, tune, tune.voices.back(), velocity);
            }
        }
        if (tune.voices.empty())
            throw LineError("a música não tem nenhuma voz");
    } catch (const LineError& error) {
        throw std::runtime_error(sourceName + ":" + std::to_string(lineNumber) + ": " + error.what());
    }
    for (const Voice& voice : tune.voices) {
        if (voice.length != tune.voices.front().length)
            throw std::runtime_error(sourceName + ": a voz \"" + voice.name
                                     + "\" não tem a mesma duração da voz \""
                                     + tune.voices.front().name + "\"");
    }
    tune.length = tune.voices.front().length;
    return tune;
}

Tune readTune(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error(path + ": não foi possível abrir o arquivo");
    std::ostringstream text;
    text << file.rdbuf();
    return parseTune(text.str(), path);
}

double tuneSeconds(const Tune& tune)
{
    return static_cast<double>(tune.length) / kTicksPerQuarter * 60.0 / tune.tempo;
}

} // namespace soundgen
