// Tests of the timer-driven loop with a scripted clock: step and frame rates, quitting, pausing,
// starving frames, the per-tick step bound, missing hooks, and that the real timer drives it.
#include "SimulationLoop.h"
#include "NumericError.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

class ScriptedClock : public Clock {
public:
    double secondsSinceMidnight() const override { return now; }
    double now = 10.0 * 3600.0;
};

struct Counts {
    int steps = 0;
    int countedFrames = 0;
    int uncountedFrames = 0;
    int raised = 0;
    int quits = 0;
    int speedReads = 0;
    int callsAfterQuit = 0;
};

class SimulationLoopTest : public ::testing::Test {
protected:
    SimulationLoop::Hooks countingHooks() {
        SimulationLoop::Hooks hooks;
        hooks.speed = [this] {
            noteCall();
            ++counts.speedReads;
            return speed;
        };
        hooks.step = [this] {
            noteCall();
            ++counts.steps;
            clock.now += secondsPerStep;
            if (throwOnStep) {
                throw NumericError("overflow");
            }
        };
        hooks.frame = [this](bool counted) {
            noteCall();
            ++(counted ? counts.countedFrames : counts.uncountedFrames);
        };
        hooks.stepSizeRaised = [this] {
            noteCall();
            ++counts.raised;
            stepSizeSeenWhenRaised = stepSize;
        };
        hooks.quitRequested = [this] {
            return quitAfterSteps >= 0 && counts.steps >= quitAfterSteps;
        };
        hooks.quit = [this] { ++counts.quits; };
        hooks.paused = [this] { return paused; };
        return hooks;
    }

    void noteCall() {
        if (counts.quits > 0) {
            ++counts.callsAfterQuit;
        }
    }

    /// Runs one tick per kTickMs of scripted time for the given number of seconds.
    void runFor(SimulationLoop& loop, double seconds) {
        const int ticks = static_cast<int>(seconds * 1000.0 / SimulationLoop::kTickMs + 0.5);
        for (int i = 0; i < ticks; ++i) {
            clock.now += SimulationLoop::kTickMs / 1000.0;
            loop.runTick();
        }
    }

    ScriptedClock clock;
    std::int32_t stepSize = 1;
    double speed = 2.0;
    double secondsPerStep = 0.0;
    int quitAfterSteps = -1;
    bool paused = false;
    bool throwOnStep = false;
    int stepSizeSeenWhenRaised = 0;
    Counts counts;
};

TEST_F(SimulationLoopTest, SpeedTwoMakesTwentyStepsPerSecondAndOneFramePerTick) {
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    runFor(loop, 1.0);
    for (int second = 0; second < 3; ++second) {
        const int stepsBefore = counts.steps;
        const int framesBefore = counts.countedFrames;
        runFor(loop, 1.0);
        EXPECT_NEAR(counts.steps - stepsBefore, 20, 1) << "second " << second;
        EXPECT_EQ(counts.countedFrames - framesBefore, 1000 / SimulationLoop::kTickMs + 1);
    }
    EXPECT_EQ(stepSize, 1);
    EXPECT_EQ(counts.raised, 0);
}

TEST_F(SimulationLoopTest, SpeedZeroNeverStepsButKeepsDrawing) {
    speed = 0.0;
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    runFor(loop, 2.0);
    EXPECT_EQ(counts.steps, 0);
    EXPECT_GT(counts.countedFrames, 100);
}

TEST_F(SimulationLoopTest, TickWithoutElapsedTimeDrawsOneUncountedFrame) {
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    loop.runTick();
    EXPECT_EQ(counts.uncountedFrames, 1);
    EXPECT_EQ(counts.countedFrames, 0);
    EXPECT_EQ(counts.steps, 0);
}

TEST_F(SimulationLoopTest, TicksKeepTheTargetRateOverAMinute) {
    // Steps are replayed at the moments they fall due, so halving the pacing window at a tick
    // loses none of them: the long-run rate stays on target however coarse the ticks are. (Rates
    // whose step period does not divide the window evenly, such as speed 1 or 3, run a few
    // percent fast under the window rules even in a loop that never pauses.)
    for (const double s : {2.0, 10.0, 20.0, 30.0}) {
        speed = s;
        counts = {};
        SimulationLoop loop(clock, stepSize, countingHooks());
        loop.start();
        runFor(loop, 60.0);
        EXPECT_NEAR(counts.steps / 60.0, 10.0 * s, 0.01 * 10.0 * s) << "speed " << s;
    }
}

TEST_F(SimulationLoopTest, QuitRequestEndsTheLoopAfterTheCurrentPass) {
    quitAfterSteps = 3;
    speed = 50.0; // far behind schedule: several steps per tick
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    runFor(loop, 0.5);
    EXPECT_EQ(counts.quits, 1);
    EXPECT_EQ(counts.steps, 3);
    EXPECT_EQ(counts.callsAfterQuit, 0);
    EXPECT_FALSE(loop.running());
    loop.start();
    runFor(loop, 0.5);
    EXPECT_EQ(counts.quits, 1);
    EXPECT_EQ(counts.callsAfterQuit, 0);
}

TEST_F(SimulationLoopTest, QuitRequestAfterAFrameIsSeenInThatPass) {
    speed = 0.0;
    quitAfterSteps = 0;
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    runFor(loop, 0.1);
    EXPECT_EQ(counts.quits, 1);
    EXPECT_EQ(counts.countedFrames + counts.uncountedFrames, 1);
}

TEST_F(SimulationLoopTest, PausedLoopDoesNothingAndResumesAfterwards) {
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    paused = true;
    runFor(loop, 1.0);
    EXPECT_EQ(counts.speedReads, 0);
    EXPECT_EQ(counts.steps, 0);
    EXPECT_EQ(counts.countedFrames + counts.uncountedFrames, 0);
    paused = false;
    runFor(loop, 0.5);
    EXPECT_GT(counts.steps, 0);
    EXPECT_GT(counts.countedFrames, 0);
}

TEST_F(SimulationLoopTest, StarvingFramesRaiseTheStepSizeUpToTen) {
    speed = 10.0;          // 100 steps per second wanted
    secondsPerStep = 0.05; // but each step takes 50 ms: no time is left for frames
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    runFor(loop, 0.1);
    EXPECT_GT(counts.raised, 0);
    EXPECT_EQ(stepSize, 1 + counts.raised);
    EXPECT_EQ(stepSizeSeenWhenRaised, stepSize);
    EXPECT_LE(stepSize, 10);
    runFor(loop, 2.0);
    EXPECT_LE(stepSize, 10);
    EXPECT_EQ(stepSize, 1 + counts.raised);
}

TEST_F(SimulationLoopTest, OneTickMakesAtMostTheBoundOfSteps) {
    speed = 1.0e9;
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    clock.now += 1.0;
    loop.runTick();
    EXPECT_EQ(counts.steps, SimulationLoop::kMaxStepsPerTick);
    EXPECT_EQ(counts.countedFrames + counts.uncountedFrames, 0);
}

TEST_F(SimulationLoopTest, NumericErrorInAHookStopsTheLoopButDoesNotQuit) {
    throwOnStep = true;
    SimulationLoop loop(clock, stepSize, countingHooks());
    loop.start();
    runFor(loop, 0.5);
    EXPECT_EQ(counts.steps, 1);
    EXPECT_EQ(counts.quits, 0);
    EXPECT_FALSE(loop.running());
}

TEST_F(SimulationLoopTest, MissingHooksAreHarmless) {
    SimulationLoop loop(clock, stepSize, SimulationLoop::Hooks{});
    loop.start();
    runFor(loop, 1.0);
    EXPECT_TRUE(loop.running());
    EXPECT_EQ(stepSize, 1);
}

TEST_F(SimulationLoopTest, TheTimerDrivesTheLoopWithoutSpinning) {
    SystemClock realClock;
    speed = 0.0;
    SimulationLoop loop(realClock, stepSize, countingHooks());
    QElapsedTimer elapsed;
    elapsed.start();
    loop.start();
    EXPECT_TRUE(loop.running());
    QTest::qWait(300);
    const int frames = counts.countedFrames + counts.uncountedFrames;
    EXPECT_GE(frames, 3);
    // One frame per tick and an extra first one: a busy loop would draw thousands.
    EXPECT_LE(frames, elapsed.elapsed() / 10 + 3);
}

} // namespace
} // namespace vozavero
