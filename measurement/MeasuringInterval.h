// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Closing of measuring intervals: counts whole seconds, and on the second that completes the
// interval turns the impacts into a rate, records the row while recording is on and keeps the
// time axes long enough for it.
#pragma once
#include "MeasurementCharts.h"

#include <array>
#include <cstdint>

namespace vozavero {

class MeasuringInterval {
public:
    /// A closed interval.
    struct Closed {
        double time = 0.0;          ///< t of the row, seconds
        double timeAxisMax = 160;   ///< end of the time axes: max(160, time), seconds
        double rate = 0.0;          ///< impacts per second, with fraction (recorded)
        std::int32_t shownRate = 0; ///< rate truncated toward zero (shown)
        bool recorded = false;      ///< the row went into the charts
    };

    /// The interval lengths the user can choose, seconds.
    static constexpr std::array<std::int32_t, 5> kChoices{1, 2, 3, 5, 10};

    /// One second has passed. Returns false while the interval runs. When it is complete: fills
    /// closed from impactCount, records the row into charts while recording is set, and sets the
    /// time-axis maximum. measuringInterval is in seconds.
    bool tick(std::int32_t measuringInterval, std::int32_t impactCount, bool recording,
              const EngineCopy& values, MeasurementCharts& charts, Closed& closed);

    std::int32_t ticks() const { return ticks_; }
    void reset() { ticks_ = 0; }

private:
    std::int32_t ticks_ = 0;
};

} // namespace vozavero
