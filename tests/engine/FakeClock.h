#pragma once
// A clock whose time of day the test sets by hand.
#include "Clock.h"

namespace vozavero {

class FakeClock : public Clock {
public:
    double secondsSinceMidnight() const override { return now; }

    /// Seconds since midnight that the clock reports.
    double now = 0.0;
};

} // namespace vozavero
