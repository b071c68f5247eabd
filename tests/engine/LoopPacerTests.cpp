// Pacing of the loop: target rate, step-or-frame decisions, the sliding window, starving frames
// and midnight, driven by a hand-set clock.
#include "FakeClock.h"
#include "LoopPacer.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

using Action = LoopPacer::Action;

class LoopPacerTest : public ::testing::Test {
protected:
    /// Starts the pacer's window at the given time of day (seconds).
    void startAt(double seconds) {
        clock.now = seconds;
        pacer.start();
    }
    /// One pass at the given time of day (seconds) and speed.
    LoopPacer::Pass passAt(double seconds, double speed) {
        clock.now = seconds;
        return pacer.pass(speed, stepSize);
    }

    FakeClock clock;
    LoopPacer pacer{clock};
    std::int32_t stepSize = 1;
};

TEST_F(LoopPacerTest, StepsUntilOnScheduleThenDrawsAFrame) {
    startAt(100.0);
    // Target 2 * 10 / 1 = 20 steps/s; over 0.125 s that is 2.5 steps.
    EXPECT_EQ(passAt(100.125, 2.0).action, Action::Step);
    EXPECT_EQ(pacer.targetRate(), 20.0);
    EXPECT_EQ(passAt(100.125, 2.0).action, Action::Step);
    EXPECT_EQ(passAt(100.125, 2.0).action, Action::Step);
    EXPECT_EQ(passAt(100.125, 2.0).action, Action::Frame);
    EXPECT_EQ(pacer.stepsInWindow(), 3.0);
    EXPECT_EQ(pacer.framesInWindow(), 1);

    stepSize = 4;
    passAt(100.25, 2.0);
    EXPECT_EQ(pacer.targetRate(), 5.0);
}

TEST_F(LoopPacerTest, PassWithoutAFrameStepsButCountsNoFrame) {
    startAt(100.0);
    EXPECT_EQ(pacer.pass(2.0, stepSize, false).action, Action::Idle); // no time has passed
    clock.now = 100.125;
    EXPECT_EQ(pacer.pass(2.0, stepSize, false).action, Action::Step);
    EXPECT_EQ(pacer.pass(2.0, stepSize, false).action, Action::Step);
    EXPECT_EQ(pacer.pass(2.0, stepSize, false).action, Action::Step);
    EXPECT_EQ(pacer.pass(2.0, stepSize, false).action, Action::Idle);
    EXPECT_EQ(pacer.framesInWindow(), 0);
}

TEST_F(LoopPacerTest, LongWindowIsHalvedAndFramesRoundHalfEven) {
    startAt(100.0);
    for (int i = 0; i < 3; ++i) {
        passAt(100.125, 0.0);
    }
    ASSERT_EQ(pacer.framesInWindow(), 3);
    passAt(100.75, 0.0); // elapsed 0.75 -> 0.375, frames 1.5 -> 2, then this frame
    EXPECT_EQ(pacer.windowStart(), 100.375);
    EXPECT_EQ(pacer.framesInWindow(), 3);

    startAt(200.0);
    passAt(200.125, 2.0); // step 1
    passAt(200.125, 2.0); // step 2
    passAt(200.125, 2.0); // step 3
    passAt(200.125, 2.0); // frame 1
    // elapsed 1.0 -> 0.5, steps 1.5, frames 0.5 -> 0: starving, and still behind schedule.
    const LoopPacer::Pass pass = passAt(201.0, 2.0);
    EXPECT_EQ(pacer.windowStart(), 200.5);
    EXPECT_EQ(pass.action, Action::Step);
    EXPECT_EQ(pacer.stepsInWindow(), 2.5);
    EXPECT_EQ(pacer.framesInWindow(), 0);
    EXPECT_TRUE(pass.stepSizeRaised);
    EXPECT_EQ(stepSize, 2);
}

TEST_F(LoopPacerTest, StarvingFramesRaiseTheStepSizeUpToTen) {
    startAt(100.0);
    int raises = 0;
    double now = 100.0;
    for (int i = 0; i < 20; ++i) {
        now += 0.3;
        const LoopPacer::Pass pass = passAt(now, 1000.0); // always behind: never a frame
        EXPECT_EQ(pass.action, Action::Step);
        raises += pass.stepSizeRaised ? 1 : 0;
    }
    EXPECT_EQ(stepSize, 10);
    EXPECT_EQ(raises, 9);

    stepSize = 3;
    startAt(300.0);
    EXPECT_FALSE(passAt(300.25, 1000.0).stepSizeRaised); // elapsed not yet over 0.25 s
}

TEST_F(LoopPacerTest, MidnightStartsANewWindowWithoutAStep) {
    startAt(86399.9); // read as a 32-bit float: 86399.8984375
    EXPECT_EQ(pacer.windowStart(), 86399.8984375);
    const LoopPacer::Pass pass = passAt(0.25, 2.0);
    EXPECT_EQ(pass.action, Action::UncountedFrame);
    EXPECT_EQ(pacer.targetRate(), 0.0);
    EXPECT_EQ(pacer.windowStart(), 0.25);
    EXPECT_EQ(passAt(0.375, 2.0).action, Action::Step);
}

TEST_F(LoopPacerTest, SpeedZeroNeverSteps) {
    startAt(100.0);
    for (int i = 1; i <= 40; ++i) {
        EXPECT_NE(passAt(100.0 + i * 0.05, 0.0).action, Action::Step);
    }
    EXPECT_EQ(pacer.stepsInWindow(), 0.0);
    EXPECT_EQ(stepSize, 1);
}

} // namespace
} // namespace vozavero
