// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The pacing rules of the simulation loop. Each pass measures the steps and frames made in a
// sliding window of the last quarter to half second and decides whether the particles are behind
// schedule (make a step) or on schedule (draw a frame). When frames starve, the step size grows
// so that fewer, longer steps keep the particle speed while leaving time to draw.
#include "LoopPacer.h"

#include "NumericError.h"
#include "RoundHalfEven.h"

#include <limits>

namespace vozavero {

namespace {

/// Motion steps per second at speed 1 and step size 1.
constexpr double kStepsPerSpeedUnit = 10.0;
/// Longest window (seconds) before it is halved.
constexpr double kLongestWindow = 0.5;
/// Frames per second below which frames count as starving.
constexpr double kStarvingFrameRate = 0.2;
/// Window length (seconds) a starving frame rate must have lasted before the step size grows.
constexpr double kStarvingWindow = 0.25;

} // namespace

LoopPacer::LoopPacer(const Clock& clock)
    : clock_(clock) {}

void LoopPacer::start() {
    windowStart_ = static_cast<float>(clock_.secondsSinceMidnight());
    stepsInWindow_ = 0.0;
    framesInWindow_ = 0;
}

LoopPacer::Pass LoopPacer::pass(double speed, std::int32_t stepSize) {
    if (stepSize == 0) {
        throw NumericError("step size 0");
    }
    targetRate_ = speed * (kStepsPerSpeedUnit / stepSize);

    // The clock is read once, so all rules of this pass see the same instant. Like the time of
    // day the loop has always used, it is a 32-bit float (about 1/128 s late in the day).
    const double now = static_cast<float>(clock_.secondsSinceMidnight());

    // After midnight the clock has fallen back below the window start: start a new window.
    if (static_cast<float>(windowStart_) > static_cast<float>(now)) {
        windowStart_ = now;
        stepsInWindow_ = 0.0;
        framesInWindow_ = 0;
        targetRate_ = 0.0;
    }

    double elapsed = now - windowStart_;
    if (elapsed > kLongestWindow) {
        windowStart_ = now - elapsed / 2.0;
        elapsed /= 2.0;
        stepsInWindow_ /= 2.0;
        framesInWindow_ = roundTo<std::int32_t>(framesInWindow_ / 2.0);
    }

    Pass result;
    if (elapsed <= 0.0) {
        result.action = Action::UncountedFrame;
        return result;
    }

    if (framesInWindow_ / elapsed < kStarvingFrameRate && elapsed > kStarvingWindow &&
        stepSize < kLargestStepSize) {
        result.stepSizeRaised = true;
    }

    if (stepsInWindow_ / elapsed < targetRate_) {
        result.action = Action::Step;
        stepsInWindow_ += 1.0;
    } else {
        if (framesInWindow_ == std::numeric_limits<std::int32_t>::max()) {
            throw NumericError("frame counter overflow");
        }
        result.action = Action::Frame;
        ++framesInWindow_;
    }
    return result;
}

} // namespace vozavero
