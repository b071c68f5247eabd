// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A sweep of one quantity: the experiment is started, the two fixed quantities and the first
// value of the varied one are set, and then each value is held for a number of simulated seconds
// before automatic mode steps the varied quantity on, as the window's automatic mode would. The
// time series get every measuring interval as in the window; the keyed points of the four
// pressure series then hold the mean rate over all intervals of their value rather than the
// last interval's, so that a long hold gives a steady point.
#pragma once
#include "Experiment.h"
#include "SimulatedClock.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vozavero {

struct SweepPlan {
    QuantityId varied = QuantityId::Count;
    /// First and last value and step of the varied quantity, in its units (particles, cells per
    /// tenth second, pixels of width).
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
    /// The fixed quantities by QuantityId (the varied one's value is taken from from).
    std::array<double, 3> fixed{Quantity::of(QuantityId::Count).startValue,
                                Quantity::of(QuantityId::Speed).startValue,
                                Quantity::of(QuantityId::Volume).startValue};
    /// Simulated seconds per value, a whole multiple of interval.
    int seconds = 120;
    /// Seconds per measuring interval (one of MeasuringInterval::kChoices).
    int interval = 5;
    std::uint32_t seed = 1;

    /// The values the sweep visits: from, from + step, ... while not past to (to within a
    /// millionth of the step).
    std::vector<double> values() const;
    /// The first value of a quantity: from for the varied one, else its fixed value.
    double firstValue(QuantityId id) const;
    /// The data series page the varied quantity is plotted on (for area: against 1/area).
    int seriesKind() const;
    /// The chart of the keyed points of the varied quantity against the impacts per second.
    const chart::Chart& keyedChart(const MeasurementCharts& charts) const;
};

class Sweep {
public:
    /// Runs plan on experiment, which must read its time from clock (a fresh clock at 0).
    /// progress gets (values done, values in all) after each value.
    static void run(const SweepPlan& plan, Experiment& experiment, SimulatedClock& clock,
                    const std::function<void(int, int)>& progress = {});

private:
    /// The mean rate of the rows recorded after the first rowsBefore rows of the pressure time
    /// chart; none when there are none.
    static std::optional<double> meanRate(const MeasurementCharts& charts, int rowsBefore);
};

} // namespace vozavero
