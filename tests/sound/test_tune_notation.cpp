// The tune notation: what a maintainer writes must turn into the notes
// meant, and a mistake must be refused with the line and a clear reason
// instead of becoming a wrong tune.
#include "Tune.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using soundgen::parseTune;

namespace {

std::string errorOf(const std::string& text)
{
    try {
        parseTune(text, "teste.tune");
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(aceito)";
}

} // namespace

// Sharps, flats, chords, rests, repeats and the gate all land on the right
// MIDI notes and ticks; "#" inside a note name is not a comment.
TEST(TuneNotation, NotesChordsRestsAndRepeatsBecomeTimedNotes)
{
    const auto tune = parseTune("tempo 100\nmeter 4\n"
                                "voice a program 22 gate 50  # comentário\n"
                                "x2 v70 F#4:1 Bb3+D4:2 r:1 |\n",
                                "teste.tune");
    ASSERT_EQ(tune.voices.size(), 1u);
    const auto& voice = tune.voices[0];
    EXPECT_EQ(voice.program, 22);
    ASSERT_EQ(voice.notes.size(), 4u);
    EXPECT_EQ(voice.notes[0].pitches, std::vector<int>{66});
    EXPECT_EQ(voice.notes[0].velocity, 70);
    EXPECT_EQ(voice.notes[0].length, soundgen::kTicksPerEighth / 2);
    EXPECT_EQ(voice.notes[1].pitches, (std::vector<int>{58, 62}));
    EXPECT_EQ(voice.notes[2].start, 4 * soundgen::kTicksPerEighth);
    EXPECT_EQ(tune.length, 8 * soundgen::kTicksPerEighth);
    EXPECT_DOUBLE_EQ(soundgen::tuneSeconds(tune), 2.4);
}

// Each mistake names the file, the line and what is wrong, in Portuguese.
TEST(TuneNotation, MistakesAreRefusedWithLineAndReason)
{
    EXPECT_EQ(errorOf("meter 6\nvoice a\nC4:2 D4:2 |\n"),
              "teste.tune:3: o compasso 1 tem 4.000000 colcheias, e não 6");
    EXPECT_EQ(errorOf("voice a\nH4:1\n"), "teste.tune:2: nota desconhecida \"H4\"");
    EXPECT_EQ(errorOf("voice a\nC4\n"), "teste.tune:2: falta a duração em \"C4\" (por exemplo D4:2)");
    EXPECT_EQ(errorOf("voice a program 200\n"),
              "teste.tune:1: program deve ser um número de 1 a 128, não \"200\"");
    EXPECT_EQ(errorOf("C4:1\n"), "teste.tune:1: notas antes da primeira linha \"voice\"");
    EXPECT_EQ(errorOf("voice a\nC4:2\nvoice b\nC4:1\n"),
              "teste.tune: a voz \"b\" não tem a mesma duração da voz \"a\"");
    EXPECT_EQ(errorOf(""), "teste.tune:0: a música não tem nenhuma voz");
}
