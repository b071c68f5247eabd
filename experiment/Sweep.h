#pragma once
// A sweep of one quantity: the experiment is started, the two fixed quantities and the first
// value of the varied one are set, and then each value is held for a number of simulated seconds
// before automatic mode steps the varied quantity on, as the window's automatic mode would. The
// time series get every measuring interval as in the window; the keyed points of the four
// pressure series then hold the mean rate over all intervals of their value rather than the
// last interval's, so that a long hold gives a steady point.
#include "Experiment.h"
#include "SimulatedClock.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vozavero {

struct SweepPlan {
    enum class Quantity { Count, Speed, Area };
    Quantity varied = Quantity::Count;
    /// First and last value and step of the varied quantity, in its units (particles, cells per
    /// tenth second, pixels of width).
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
    /// The fixed quantities (the varied one's value is taken from from).
    double count = 5.0;
    double speed = 2.0;
    double width = 250.0;
    /// Simulated seconds per value, a whole multiple of interval.
    int seconds = 120;
    /// Seconds per measuring interval (1, 2, 3, 5 or 10).
    int interval = 5;
    std::uint32_t seed = 1;

    /// The values the sweep visits: from, from + step, ... while not past to (to within a
    /// millionth of the step).
    std::vector<double> values() const;
    /// Automatic mode's slot for the varied quantity.
    int slot() const;
    /// The data series page the varied quantity is plotted on (for area: against 1/area).
    int seriesKind() const;
    /// The chart of the keyed points of the varied quantity against the impacts per second.
    chart::Chart& keyedChart(MeasurementCharts& charts) const;
};

class Sweep {
public:
    /// Runs plan on experiment, which must read its time from clock (a fresh clock at 0).
    /// progress gets (values done, values in all) after each value.
    static void run(const SweepPlan& plan, Experiment& experiment, SimulatedClock& clock,
                    const std::function<void(int, int)>& progress = {});

private:
    /// Sets the pressure series' points at values to the mean rate of the rows recorded after
    /// the first rowsBefore rows of the pressure time chart.
    static void keepMeanRate(MeasurementCharts& charts, int rowsBefore, const EngineCopy& values);
};

} // namespace vozavero
