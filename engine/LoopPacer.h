// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The pacing rules of the simulation loop: decides for each pass whether the particles make a
// motion step or a frame is drawn, keeps the sliding measuring window, and raises the step size
// when frames starve. Plain C++ with an injected clock; the toolkit-side driver runs the passes.
#pragma once
#include "Clock.h"

#include <cstdint>

namespace vozavero {

class LoopPacer {
public:
    enum class Action {
        Step,          ///< the steps are behind schedule: advance the particles once
        Frame,         ///< on schedule: draw a counted frame and update the live read-out
        UncountedFrame ///< no time has elapsed yet: draw a frame, count nothing, no read-out
    };
    struct Pass {
        Action action = Action::Frame;
        /// Frames starve: the step size must grow by one and the particles be re-initialised.
        bool stepSizeRaised = false;
    };

    explicit LoopPacer(const Clock& clock);

    /// Starts a new window at the current time of day.
    void start();

    /// Largest step size (cells per step).
    static constexpr std::int32_t kLargestStepSize = 10;

    /// One pass of the loop for the current speed (cells per tenth second) and step size. When
    /// frames starve, the result asks for the step size to grow by one (up to the largest); the
    /// caller then raises it and re-initialises the particles before acting. A Frame result is
    /// counted in the window whether or not the caller draws it.
    Pass pass(double speed, std::int32_t stepSize);

    double windowStart() const { return windowStart_; }
    double stepsInWindow() const { return stepsInWindow_; }
    std::int32_t framesInWindow() const { return framesInWindow_; }
    /// The target rate (steps per second) of the last pass.
    double targetRate() const { return targetRate_; }

private:
    const Clock& clock_;
    double windowStart_ = 0.0;
    double stepsInWindow_ = 0.0;
    std::int32_t framesInWindow_ = 0;
    double targetRate_ = 0.0;
};

} // namespace vozavero
