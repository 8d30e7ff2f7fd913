// Timers on the manual clock: every screen's pacing rests on these rules.
#include "platform/Timer.h"
#include "platform/testing/ManualClock.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::Timer;
using platform::testing::ManualClock;

namespace {

struct Registro {
    std::vector<std::string> eventos;
    ManualClock* relogio;
    void marca(const std::string& nome) { eventos.push_back(nome + "@" + std::to_string(relogio->now())); }
};

} // namespace

// A tick never comes before its full interval has passed.
TEST(ManualClock, NeverFiresEarly)
{
    ManualClock clock;
    Registro r{{}, &clock};
    Timer timer(clock);
    timer.setInterval(1000);
    timer.onTimer = [&] { r.marca("t"); };
    timer.setEnabled(true);
    clock.advance(999);
    EXPECT_TRUE(r.eventos.empty());
    clock.advance(1);
    clock.advance(2500);
    EXPECT_EQ(r.eventos, (std::vector<std::string>{"t@1000", "t@2000", "t@3000"}));
    EXPECT_EQ(clock.now(), 3500);
}

// Ticks of several timers come in time order, ties in the order the timers started.
TEST(ManualClock, FiresInTimeOrderAcrossTimers)
{
    ManualClock clock;
    Registro r{{}, &clock};
    Timer lento(clock), rapido(clock), empate(clock);
    lento.setInterval(1000);
    rapido.setInterval(300);
    empate.setInterval(600);
    lento.onTimer = [&] { r.marca("lento"); };
    rapido.onTimer = [&] { r.marca("rapido"); };
    empate.onTimer = [&] { r.marca("empate"); };
    lento.setEnabled(true);
    rapido.setEnabled(true);
    empate.setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(r.eventos, (std::vector<std::string>{"rapido@300", "rapido@600", "empate@600", "rapido@900",
                                                   "lento@1000"}));
}

// A handler that starts another timer gives it a full interval from that moment,
// and one that stops its own timer gets no further tick.
TEST(ManualClock, HandlersChainTimersLikeTheExamLoop)
{
    ManualClock clock;
    Registro r{{}, &clock};
    Timer primeiro(clock), segundo(clock);
    primeiro.setInterval(1000);
    segundo.setInterval(1000);
    int ticks = 0;
    primeiro.onTimer = [&] {
        r.marca("primeiro");
        if (++ticks == 2) {
            primeiro.setEnabled(false);
            segundo.setEnabled(true);
        }
    };
    segundo.onTimer = [&] {
        r.marca("segundo");
        segundo.setEnabled(false);
        primeiro.setEnabled(true);
        ticks = 0;
    };
    primeiro.setEnabled(true);
    clock.advance(5000);
    EXPECT_EQ(r.eventos, (std::vector<std::string>{"primeiro@1000", "primeiro@2000", "segundo@3000",
                                                   "primeiro@4000", "primeiro@5000"}));
}

// Enabling a running timer changes nothing; re-enabling a stopped one starts a
// full interval; an interval of 0 never ticks.
TEST(Timer, EnabledAndIntervalFollowTheClassicRules)
{
    ManualClock clock;
    int ticks = 0;
    Timer timer(clock);
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true); // interval 0: enabled but silent
    clock.advance(10000);
    EXPECT_EQ(ticks, 0);

    timer.setInterval(1000);
    clock.advance(600);
    timer.setEnabled(true); // already running: the count goes on
    clock.advance(400);
    EXPECT_EQ(ticks, 1);

    clock.advance(500);
    timer.setEnabled(false);
    timer.setEnabled(true); // a fresh full interval from 1500
    clock.advance(999);
    EXPECT_EQ(ticks, 1);
    clock.advance(1);
    EXPECT_EQ(ticks, 2);
}

// A timer destroyed by a handler (its screen unloaded) is simply forgotten.
TEST(ManualClock, SurvivesATimerDestroyedInsideAHandler)
{
    ManualClock clock;
    auto alvo = std::make_unique<Timer>(clock);
    Timer assassino(clock);
    int ticksAlvo = 0;
    alvo->setInterval(100);
    alvo->onTimer = [&] { ++ticksAlvo; };
    assassino.setInterval(250);
    assassino.onTimer = [&] { alvo.reset(); };
    alvo->setEnabled(true);
    assassino.setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(ticksAlvo, 2);
}
