// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Pacing of the loop on a hand-set clock: target rate, step or frame, the window, starving frames.
#include "LoopPacer.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

using Action = LoopPacer::Action;

struct FakeClock : Clock {
    double secondsSinceMidnight() const override { return now; }
    double now = 0.0;
};

class LoopPacerTest : public ::testing::Test {
protected:
    void startAt(double seconds) {
        clock.now = seconds;
        pacer.start();
    }
    /// A pass at the given time, raising the step size when it asks, as the loop does.
    LoopPacer::Pass passAt(double seconds, double speed) {
        clock.now = seconds;
        const LoopPacer::Pass pass = pacer.pass(speed, stepSize);
        stepSize += pass.stepSizeRaised ? 1 : 0;
        return pass;
    }

    FakeClock clock;
    LoopPacer pacer{clock};
    std::int32_t stepSize = 1;
};

TEST_F(LoopPacerTest, StepsUntilOnScheduleThenDrawsAFrame) {
    // Target 2 * 10 / 1 = 20 steps/s; over 0.125 s that is 2.5 steps.
    startAt(100.0);
    EXPECT_EQ(passAt(100.0, 2.0).action, Action::UncountedFrame); // no time has passed
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(passAt(100.125, 2.0).action, Action::Step);
    }
    EXPECT_EQ(passAt(100.125, 2.0).action, Action::Frame);
    EXPECT_EQ(pacer.targetRate(), 20.0);
    EXPECT_EQ(pacer.stepsInWindow(), 3.0);
    EXPECT_EQ(pacer.framesInWindow(), 1);
    stepSize = 4;
    passAt(100.25, 2.0);
    EXPECT_EQ(pacer.targetRate(), 5.0);
}

TEST_F(LoopPacerTest, LongWindowIsHalvedAndFramesRoundHalfEven) {
    startAt(100.0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(passAt(100.125, 0.0).action, Action::Frame); // speed 0 never steps
    }
    passAt(100.75, 0.0); // elapsed 0.75 -> 0.375, frames 1.5 -> 2, then this frame
    EXPECT_EQ(pacer.windowStart(), 100.375);
    EXPECT_EQ(pacer.framesInWindow(), 3);
    EXPECT_EQ(pacer.stepsInWindow(), 0.0);

    startAt(200.0);
    for (int i = 0; i < 4; ++i) {
        passAt(200.125, 2.0); // three steps, then a frame
    }
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
    for (int i = 1; i <= 20; ++i) {
        const LoopPacer::Pass pass = passAt(100.0 + i * 0.3, 1000.0); // always behind: no frame
        EXPECT_EQ(pass.action, Action::Step);
        raises += pass.stepSizeRaised ? 1 : 0;
    }
    EXPECT_EQ(stepSize, 10);
    EXPECT_EQ(raises, 9);

    stepSize = 3;
    startAt(300.0);
    EXPECT_FALSE(passAt(300.25, 1000.0).stepSizeRaised); // elapsed not yet over 0.25 s
}

} // namespace
} // namespace vozavero
