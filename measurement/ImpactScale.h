// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The impact scale: the one owner of the upper end of the impact gauge and of every chart axis
// that shows impacts per second. It starts at the design captions of the gauge with the axes at
// their start maximum, is raised by a closed interval whose rate lies above it (never lowered),
// and keeps the six impact axes of the charts and the gauge's three captions in line with it.
#pragma once
#include "GaugeScale.h"
#include "MeasurementCharts.h"

#include <cstdint>

namespace vozavero {

class ImpactScale {
public:
    /// Drives the impact axes of charts, which must outlive the scale.
    explicit ImpactScale(MeasurementCharts& charts);

    /// The start of a run: maximum at its start value, the gauge's design captions.
    void reset();

    /// Upper end of every impact axis, impacts per second ("impactAxisMax").
    double maximum() const { return maximum_; }
    /// The impact gauge's captions: the design ones until the first closed interval, then
    /// 1, half the maximum (whole) and the maximum.
    const GaugeScale& gauge() const { return gauge_; }

    /// After a closed interval whose rate shows as shownRate: the maximum rises to it when it is
    /// larger, and the gauge's captions follow the maximum. Returns whether the maximum rose.
    bool closeInterval(std::int32_t shownRate);
    /// After a series was opened: the maximum rises to the next whole number at or above
    /// largestRate when that is larger. Returns whether it rose.
    bool cover(double largestRate);

    /// Width of the impact gauge's bar for a rate showing as shownRate, on a bar of usableLength
    /// (at least 1).
    double barWidth(std::int32_t shownRate, double usableLength) const;

private:
    void captionGauge();
    void apply();

    MeasurementCharts& charts_;
    double maximum_ = 0.0;
    GaugeScale gauge_;
};

} // namespace vozavero
