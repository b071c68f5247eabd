// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Closing of measuring intervals: turns the impacts of a completed interval into a rate, records
// the row and keeps the time axis.
#include "MeasuringInterval.h"

#include "RoundHalfEven.h"

namespace vozavero {

bool MeasuringInterval::tick(std::int32_t measuringInterval, std::int32_t impactCount,
                             bool recording, const EngineCopy& values, MeasurementCharts& charts,
                             Closed& closed) {
    // An interval shortened while running closes on the next tick, hence ">=" rather than "==".
    ++ticks_;
    if (ticks_ < measuringInterval) {
        return false;
    }
    ticks_ = 0;

    // Time moves on only with recorded rows: the first row of a series is at 0.
    const chart::Chart& timeline = charts.pressureTimeChart();
    closed.time = timeline.count() == 0 ? 0.0 : timeline.x(timeline.count()) + measuringInterval;
    closed.timeAxisMax = closed.time >= SeriesCatalogue::kTimeAxisMinimumEnd
                             ? closed.time
                             : SeriesCatalogue::kTimeAxisMinimumEnd;
    closed.rate = static_cast<double>(impactCount) / static_cast<double>(measuringInterval);
    closed.shownRate = truncateTo<std::int32_t>(closed.rate);
    closed.recorded = recording;

    if (recording) {
        charts.recordRow(closed.time, closed.rate, values);
    }
    charts.setTimeAxisMaximum(closed.timeAxisMax);
    return true;
}

} // namespace vozavero
