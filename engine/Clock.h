// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The time of day as the simulation sees it. Injected so that tests can drive the loop and the
// random seeding with a clock of their own.
#pragma once

namespace vozavero {

class Clock {
public:
    virtual ~Clock() = default;
    /// Seconds since local midnight, with fraction.
    virtual double secondsSinceMidnight() const = 0;
};

/// The real local time of day.
class SystemClock : public Clock {
public:
    double secondsSinceMidnight() const override;
};

} // namespace vozavero
