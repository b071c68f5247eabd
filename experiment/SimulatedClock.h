// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A time of day that moves only when told to: the clock of a run that goes as fast as the
// machine allows instead of waiting for real seconds.
#pragma once
#include "Clock.h"

namespace vozavero {

class SimulatedClock : public Clock {
public:
    /// start: seconds since midnight at which the clock stands.
    explicit SimulatedClock(double start = 0.0)
        : now_(start) {}
    double secondsSinceMidnight() const override { return now_; }
    /// Moves the clock on by seconds.
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
};

} // namespace vozavero
