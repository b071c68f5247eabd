// The loop's sleep between ticks, on a scripted clock whose ticks come exactly when the loop set
// its timer for: it wakes when the next step falls due, never sooner than the frame pace after
// the last tick and never later than the longest sleep; sleeping is no hold-up and keeps the
// rates. (That a change wakes it is the window's binding: SleepingLoopWindowTest.)
#include "SimulationLoop.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

struct ScriptedClock : Clock {
    double secondsSinceMidnight() const override { return now; }
    double now = 10.0 * 3600.0;
};

struct Slept {
    int ticks = 0;
    long steps = 0;
};

/// Lets seconds of scripted time pass with a tick whenever the loop's timer would fire.
Slept sleepFor(SimulationLoop& loop, ScriptedClock& clock, double seconds) {
    const double end = clock.now + seconds;
    const long stepsBefore = loop.stepsMade();
    Slept slept;
    while (loop.nextTickMs() >= 0 && clock.now + loop.nextTickMs() / 1000.0 <= end) {
        clock.now += loop.nextTickMs() / 1000.0;
        loop.runTick();
        ++slept.ticks;
    }
    slept.steps = loop.stepsMade() - stepsBefore;
    return slept;
}

TEST(LoopSleep, TicksComeWithTheStepsBetweenTheFramePaceAndTheLongestSleep) {
    struct Case {
        double speed;
        double fewestTicks, mostTicks; // per second, with a tick of room for rounding
    };
    const double pace = 1000.0 / SimulationLoop::kFramePaceMs;
    const double longest = 1.0 / SimulationLoop::kLongestSleep;
    for (const Case c : {Case{2.0, 19.0, 21.0},      // one tick per step
                         Case{30.0, pace - 1, pace}, // several steps per tick
                         Case{0.0, longest - 0.5, longest + 0.5}}) {
        SCOPED_TRACE(::testing::Message() << "speed " << c.speed);
        ScriptedClock clock;
        const double speed = c.speed;
        std::int32_t stepSize = 1;
        SimulationLoop::Hooks hooks;
        hooks.speed = [&speed] { return speed; };
        hooks.stepSize = [&stepSize] { return stepSize; };
        hooks.raiseStepSize = [&stepSize] { ++stepSize; };
        SimulationLoop loop(clock, hooks);
        loop.start();
        sleepFor(loop, clock, 1.0);
        const Slept slept = sleepFor(loop, clock, 30.0);
        EXPECT_GE(slept.ticks, c.fewestTicks * 30.0 - 1.0);
        EXPECT_LE(slept.ticks, c.mostTicks * 30.0 + 1.0);
        EXPECT_NEAR(slept.steps / 30.0, 10.0 * speed, 0.01 * 10.0 * speed);
        EXPECT_EQ(stepSize, 1);
        EXPECT_EQ(loop.holdUps(), 0);
    }
}

} // namespace
} // namespace vozavero
