// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The timer-driven loop on a scripted clock: rates, sleeping, quitting, hold-ups, the step size
// under overload, the per-tick bound, errors, the real timer, and the statistics line.
#include "SimulationLoop.h"
#include "LoopStats.h"
#include "NumericError.h"

#include <QDialog>
#include <QTimer>
#include <clocale>
#include <gtest/gtest.h>
#include <tuple>

namespace vozavero {
namespace {

struct ScriptedClock : Clock {
    double secondsSinceMidnight() const override { return now; }
    double now = 10.0 * 3600.0;
};

class SimulationLoopTest : public ::testing::Test {
protected:
    /// Hooks that count their calls; any call after quit() is a fault.
    SimulationLoop::Hooks countingHooks() {
        SimulationLoop::Hooks hooks;
        hooks.speed = [this] { return speed; };
        hooks.stepSize = [this] { return stepSize; };
        hooks.step = [this] {
            count(steps);
            cellsMoved += stepSize;
            clock.now += secondsPerStep;
            if (throwOnStep) {
                throw NumericError("overflow");
            }
        };
        hooks.frame = [this](bool counted) { count(counted ? countedFrames : uncountedFrames); };
        hooks.raiseStepSize = [this] {
            count(raised);
            ++stepSize;
        };
        hooks.quitRequested = [this] { return quitAfterSteps >= 0 && steps >= quitAfterSteps; };
        hooks.quit = [this] { ++quits; };
        return hooks;
    }
    void count(int& counter) {
        callsAfterQuit += quits;
        ++counter;
    }

    /// Runs one tick per kTickMs of scripted time for the given number of seconds.
    void runFor(SimulationLoop& loop, double seconds) {
        const int ticks = static_cast<int>(seconds * 1000.0 / SimulationLoop::kTickMs + 0.5);
        for (int i = 0; i < ticks; ++i) {
            clock.now += SimulationLoop::kTickMs / 1000.0;
            loop.runTick();
        }
    }
    /// Lets seconds pass with a tick whenever the loop's timer would fire; returns the ticks.
    int sleepFor(SimulationLoop& loop, double seconds) {
        const double end = clock.now + seconds;
        int ticks = 0;
        for (; loop.nextTickMs() >= 0 && clock.now + loop.nextTickMs() / 1000.0 <= end; ++ticks) {
            clock.now += loop.nextTickMs() / 1000.0;
            loop.runTick();
        }
        return ticks;
    }

    ScriptedClock clock;
    std::int32_t stepSize = 1;
    double speed = 2.0;
    double secondsPerStep = 0.0;
    int quitAfterSteps = -1;
    bool throwOnStep = false;
    int steps = 0, countedFrames = 0, uncountedFrames = 0, raised = 0, quits = 0;
    int callsAfterQuit = 0;
    long cellsMoved = 0;
};

TEST_F(SimulationLoopTest, TicksKeepTheTargetRateOverAMinuteWithOneFramePerTick) {
    // Steps are replayed at the moments they fall due, so halving the pacing window at a tick
    // loses none of them. (Speeds 1 or 3 run a few percent fast under the window rules.)
    for (const double s : {0.0, 2.0, 10.0, 20.0, 30.0}) {
        speed = s;
        steps = countedFrames = 0;
        SimulationLoop loop(clock, countingHooks());
        loop.start();
        runFor(loop, 60.0);
        EXPECT_NEAR(steps / 60.0, 10.0 * s, 0.01 * 10.0 * s) << "speed " << s;
        EXPECT_NEAR(countedFrames / 60.0, 1000.0 / SimulationLoop::kTickMs, 0.1) << "speed " << s;
    }
    EXPECT_EQ(stepSize, 1); // free steps never starve the frames
    EXPECT_EQ(raised, 0);
}

TEST_F(SimulationLoopTest, SleepingTicksComeWithTheStepsBetweenTheFramePaceAndTheLongestSleep) {
    // The timer is set for the next step due, never sooner than the frame pace after the last
    // tick and never later than the longest sleep; sleeping is no hold-up and keeps the rates.
    const double pace = 1000.0 / SimulationLoop::kFramePaceMs;
    const double longest = 1.0 / SimulationLoop::kLongestSleep;
    for (const auto& [s, fewest, most] :
         {std::tuple{2.0, 19.0, 21.0}, // one tick per step
          std::tuple{30.0, pace - 1, pace}, std::tuple{0.0, longest - 0.5, longest + 0.5}}) {
        SCOPED_TRACE(::testing::Message() << "speed " << s);
        speed = s;
        SimulationLoop loop(clock, countingHooks());
        loop.start();
        sleepFor(loop, 1.0);
        const int stepsBefore = steps;
        const int ticks = sleepFor(loop, 30.0);
        EXPECT_GE(ticks, fewest * 30.0 - 1.0);
        EXPECT_LE(ticks, most * 30.0 + 1.0);
        EXPECT_NEAR((steps - stepsBefore) / 30.0, 10.0 * s, 0.1 * s);
        EXPECT_EQ(loop.holdUps(), 0);
    }
    EXPECT_EQ(stepSize, 1);
}

TEST_F(SimulationLoopTest, QuitRequestIsSeenAfterAStepOrAFrameAndEndsTheLoop) {
    // Far behind schedule quitting follows the third step; at speed 0 the first frame.
    for (const auto& [s, after, expectedSteps, expectedFrames] :
         {std::tuple{50.0, 3, 3, 0}, std::tuple{0.0, 0, 0, 1}}) {
        SCOPED_TRACE(::testing::Message() << "speed " << s);
        speed = s;
        quitAfterSteps = after;
        steps = countedFrames = uncountedFrames = quits = callsAfterQuit = 0;
        SimulationLoop loop(clock, countingHooks());
        loop.start();
        runFor(loop, 0.5);
        EXPECT_FALSE(loop.running());
        loop.start();
        runFor(loop, 0.5);
        EXPECT_EQ(quits, 1);
        EXPECT_EQ(callsAfterQuit, 0);
        EXPECT_EQ(steps, expectedSteps);
        EXPECT_EQ(countedFrames + uncountedFrames, expectedFrames);
    }
}

TEST_F(SimulationLoopTest, AHoldUpStartsAFreshWindowWithoutABurstOrARaise) {
    // The event loop blocked for 20 s (say a long print): nothing makes up for the gap.
    speed = 20.0;
    SimulationLoop loop(clock, countingHooks());
    loop.start();
    runFor(loop, 1.0);
    EXPECT_EQ(loop.holdUps(), 0);
    clock.now += 20.0;
    const int stepsBefore = steps;
    runFor(loop, 1.0);
    EXPECT_EQ(loop.holdUps(), 1);
    EXPECT_NEAR(steps - stepsBefore, 200, 10);
    EXPECT_EQ(stepSize, 1);
    EXPECT_EQ(raised, 0);
}

TEST_F(SimulationLoopTest, RealOverloadRaisesTheStepSizeAsASpinningLoopWouldAndKeepsTheCellRate) {
    // Each step costs 5 ms of real time; speed 30 asks for 300 cells per second.
    speed = 30.0;
    secondsPerStep = 0.005;
    SimulationLoop loop(clock, countingHooks());
    loop.start();
    runFor(loop, 10.0);
    const long cellsBefore = cellsMoved;
    const double start = clock.now;
    runFor(loop, 10.0);
    EXPECT_EQ(stepSize, 3); // as a loop spinning without pause on the same clock reaches
    EXPECT_NEAR((cellsMoved - cellsBefore) / (clock.now - start), 300.0, 15.0);
    EXPECT_EQ(loop.holdUps(), 0);
}

TEST_F(SimulationLoopTest, RunawaySpeedAndNumericErrorsAreContained) {
    speed = 1.0e9;
    SimulationLoop runaway(clock, countingHooks());
    runaway.start();
    clock.now += 0.1;
    runaway.runTick();
    EXPECT_EQ(steps, SimulationLoop::kMaxStepsPerTick); // and no frame in that tick
    EXPECT_EQ(countedFrames + uncountedFrames, 0);

    // A numerical error ends the loop but not the program.
    throwOnStep = true;
    runFor(runaway, 0.5);
    EXPECT_EQ(steps, SimulationLoop::kMaxStepsPerTick + 1);
    EXPECT_EQ(quits, 0);
    EXPECT_FALSE(runaway.running());
}

TEST_F(SimulationLoopTest, TheRealTimerDrivesTheLoopAlsoInsideAModalDialog) {
    SystemClock realClock;
    speed = 10.0;
    SimulationLoop loop(realClock, countingHooks());
    loop.start();
    QDialog dialog;
    QTimer::singleShot(400, &dialog, &QDialog::accept);
    dialog.exec();
    EXPECT_GE(steps, 2);
    EXPECT_GE(countedFrames + uncountedFrames, 5);
}

TEST(LoopStats, LineHasTheFixedFormWithDotsInEveryLocale) {
    // The toolkit adopts the user's locale for the C library too: a German one keeps the dots.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the German locale is needed";
    LoopStats::Sample s;
    s.stepsPerSecond = 19.94;
    s.framesPerSecond = 66.46;
    s.quantities = {10, 7.5, 0.25, 250.5};
    s.cpuPercent = 100.0;
    s.paintedPerSecond = 0.0;
    s.wakeupsPerSecond = 130.2;
    EXPECT_EQ(LoopStats::line(s), "loop steps/s=19.9 frames/s=66.5 stepSize=10 count=7.5 "
                                  "speed=0.25 width=250.5 cpu=100.0% painted/s=0.0 wakeups/s=130");
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
} // namespace vozavero
