// Real playback through SDL2_mixer. SDL's disk driver writes what the mixer
// produces to a file, so the tests can see whether sound came out and when
// it stopped. The driver is paced at about ten times real speed, and every
// wait is for the output to grow, bounded so that a fault fails instead of hanging.
#include "SoundFiles.h"
#include "platform/MultimediaPlayer.h"
#include "sound/frmSom.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace sound::testing;

namespace {

constexpr int kRate = 44100;
constexpr qsizetype kBytesPerSecond = kRate * 2 * 2;   // 16-bit stereo
constexpr int kQuiet = 2;                              // at most rounding noise

class RealPlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        output = dir.filePath(QStringLiteral("saida.raw"));
        useDiskDriver(output);
    }

    static void useDiskDriver(const QString& file)
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file.toLocal8Bit().constData(), 1);
        setenv("SDL_DISKAUDIODELAY", "2", 1);   // ms per 23 ms buffer
    }

    qsizetype written() const { return QFileInfo(output).size(); }

    // Lets the mixer produce `seconds` more of output; false if it stalls.
    bool letPlay(double seconds) const
    {
        const qsizetype target = written() + static_cast<qsizetype>(seconds * kBytesPerSecond);
        QElapsedTimer limit;
        limit.start();
        while (written() < target) {
            if (limit.elapsed() > 30000)
                return false;
            QThread::msleep(2);
        }
        return true;
    }

    std::vector<std::int16_t> outputSamples() const { return samplesOf(readAll(output)); }

    static std::size_t sampleIndex(qsizetype bytePosition) { return static_cast<std::size_t>(bytePosition / 2); }
    static std::size_t seconds(double s) { return static_cast<std::size_t>(s * kRate * 2); }

    QTemporaryDir dir;
    QString output;
};

} // namespace

// A .wav and a .mid both come out of the speakers, and each new cue stops
// the sound before it: after the short click cut the music off, silence.
TEST_F(RealPlayback, WavAndMidiAreAudibleAndTheNextCueCutsTheMusicOff)
{
    sound::frmSom som(QStringLiteral(TOLVANE_PROGRAM_DIR));
    ASSERT_TRUE(som.mmcSom.hasDevice());

    som.Certo_Iniciar();
    ASSERT_TRUE(letPlay(0.4));
    const qsizetype musicStart = written();
    som.Jogo_Iniciar();
    ASSERT_TRUE(letPlay(3.0));
    const qsizetype clickStart = written();
    som.Click_Iniciar();
    ASSERT_TRUE(letPlay(1.5));

    const auto samples = outputSamples();
    const std::size_t music = sampleIndex(musicStart);
    const std::size_t click = sampleIndex(clickStart);
    EXPECT_GT(peakBetween(samples, 0, music), 3000) << "the right-answer chime was silent";
    EXPECT_GT(peakBetween(samples, music + seconds(0.5), click), 1000) << "the quiz music was silent";
    EXPECT_LE(peakBetween(samples, click + seconds(0.6), samples.size()), kQuiet)
        << "the music went on after the click cue";
}

// A tune cut off at its very first notes (the player answers at once) falls
// silent with the effect that cut it: no release tail of its notes follows.
TEST_F(RealPlayback, ATuneCutOffAtItsFirstNotesLeavesNoTail)
{
    sound::frmSom som(QStringLiteral(TOLVANE_PROGRAM_DIR));
    som.Jogo_Iniciar();
    som.Click_Iniciar();
    const qsizetype clickStart = written();
    ASSERT_TRUE(letPlay(2.0));

    const auto samples = outputSamples();
    const std::size_t click = sampleIndex(clickStart);
    EXPECT_GT(peakBetween(samples, click, click + seconds(0.5)), 1000) << "the click was silent";
    EXPECT_LE(peakBetween(samples, click + seconds(0.6), samples.size()), kQuiet)
        << "the tune went on sounding after the click had cut it off";
}

// The music plays once and does not repeat; started again, it plays from the
// start again. Switching from one tune to the other and back works on the
// player's one synthesiser.
TEST_F(RealPlayback, MusicPlaysAgainWhenRestarted)
{
    sound::frmSom som(QStringLiteral(TOLVANE_PROGRAM_DIR));
    som.Jogo_Iniciar();
    ASSERT_TRUE(letPlay(1.0));
    som.Abertura_Iniciar();
    const qsizetype switched = written();
    ASSERT_TRUE(letPlay(1.0));
    som.Sem_Som();
    ASSERT_TRUE(letPlay(0.5));
    som.Abertura_Iniciar();
    const qsizetype restart = written();
    ASSERT_TRUE(letPlay(2.0));
    som.Sem_Som();
    ASSERT_TRUE(letPlay(0.5));
    const qsizetype stopped = written();
    ASSERT_TRUE(letPlay(0.5));

    const auto samples = outputSamples();
    EXPECT_GT(peakBetween(samples, sampleIndex(switched), sampleIndex(switched) + seconds(1.0)), 1000)
        << "the opening tune was silent after the quiz tune";
    EXPECT_GT(peakBetween(samples, sampleIndex(restart), sampleIndex(restart) + seconds(2.0)), 1000);
    EXPECT_LE(peakBetween(samples, sampleIndex(stopped), samples.size()), kQuiet) << "Sem_Som did not stop";
}

// Missing, empty and damaged files: no crash, no exception, just silence,
// and a cue whose file is missing still stops the sound before it.
TEST_F(RealPlayback, UnplayableFilesGiveSilence)
{
    QFile empty(dir.filePath(QStringLiteral("vazio.wav")));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile damagedWav(dir.filePath(QStringLiteral("estragado.wav")));
    ASSERT_TRUE(damagedWav.open(QIODevice::WriteOnly));
    damagedWav.write("RIFF\x10\x00\x00\x00WAVEfmt garbage", 24);
    damagedWav.close();
    QFile damagedMid(dir.filePath(QStringLiteral("estragado.mid")));
    ASSERT_TRUE(damagedMid.open(QIODevice::WriteOnly));
    damagedMid.write("MThd nothing that a sequencer could read");
    damagedMid.close();

    platform::MultimediaPlayer player(QStringLiteral(TOLVANE_PROGRAM_DIR));
    const auto cue = [&](const QString& path) {
        player.setCommand(QStringLiteral("close"));
        player.setFileName(path);
        player.setCommand(QStringLiteral("open"));
        player.setCommand(QStringLiteral("play"));
    };
    cue(programFile("jogo.mid"));
    ASSERT_TRUE(letPlay(1.0));
    const qsizetype cut = written();
    cue(dir.filePath(QStringLiteral("nao-existe.wav")));
    cue(empty.fileName());
    cue(damagedWav.fileName());
    cue(damagedMid.fileName());
    player.setCommand(QStringLiteral("rewind"));   // unknown: ignored
    ASSERT_TRUE(letPlay(1.0));

    const auto samples = outputSamples();
    EXPECT_GT(peakBetween(samples, 0, sampleIndex(cut)), 1000);
    EXPECT_LE(peakBetween(samples, sampleIndex(cut) + seconds(0.3), samples.size()), kQuiet);
}

// A machine without a sound device: SDL starts but the device cannot be
// opened. Every command must then be harmless, and the player silent.
TEST_F(RealPlayback, NoSoundDeviceLeavesEveryCueSilentAndHarmless)
{
    useDiskDriver(dir.filePath(QStringLiteral("pasta-que-nao-existe/saida.raw")));
    sound::frmSom som(QStringLiteral(TOLVANE_PROGRAM_DIR));
    EXPECT_FALSE(som.mmcSom.hasDevice());
    som.Sem_Som();
    som.Abertura_Iniciar();
    som.Click_Iniciar();
    som.Jogo_Iniciar();
    som.Sem_Som();
    EXPECT_FALSE(som.mmcSom.isPlaying());
}

// The sound engine is a module beside the program: a folder without it (or
// with a damaged one) leaves the program silent, and nothing is written.
TEST_F(RealPlayback, AMissingOrDamagedSoundEngineGivesSilence)
{
    const QString saida = dir.filePath(QStringLiteral("saida.raw"));
    useDiskDriver(saida);
    const QString semMotor = dir.filePath(QStringLiteral("sem-motor"));
    const QString motorEstragado = dir.filePath(QStringLiteral("motor-estragado"));
    ASSERT_TRUE(QDir().mkpath(semMotor) && QDir().mkpath(motorEstragado));
    QFile estragado(motorEstragado + QStringLiteral("/libsoundengine.so"));
    ASSERT_TRUE(estragado.open(QIODevice::WriteOnly));
    estragado.write("\x7f" "ELF but nothing a loader could use");
    estragado.close();

    for (const QString& pasta : {semMotor, motorEstragado}) {
        platform::MultimediaPlayer player(pasta);
        EXPECT_FALSE(player.hasDevice()) << qPrintable(pasta);
        player.setFileName(programFile("jogo.mid"));
        player.setCommand(QStringLiteral("open"));
        player.setCommand(QStringLiteral("play"));
        EXPECT_FALSE(player.isPlaying());
        player.setCommand(QStringLiteral("close"));
    }
    EXPECT_FALSE(QFileInfo::exists(saida));
}
