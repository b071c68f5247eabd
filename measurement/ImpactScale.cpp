// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The impact scale: raising its maximum and keeping the axes and gauge captions in line.
#include "ImpactScale.h"

#include "RoundHalfEven.h"

#include <algorithm>
#include <cmath>

namespace vozavero {

ImpactScale::ImpactScale(MeasurementCharts& charts)
    : charts_(charts) {
    reset();
}

void ImpactScale::reset() {
    const MeasuredQuantity& impacts = MeasuredQuantity::impacts();
    maximum_ = impacts.startAxisMaximum;
    gauge_ = GaugeScale(impacts.designScale);
    apply();
}

bool ImpactScale::closeInterval(std::int32_t shownRate) {
    const bool raised = shownRate > maximum_;
    if (raised) {
        maximum_ = shownRate;
    }
    captionGauge();
    apply();
    return raised;
}

bool ImpactScale::cover(double largestRate) {
    const double needed = std::ceil(largestRate);
    if (!(needed > maximum_)) {
        return false;
    }
    maximum_ = needed;
    captionGauge();
    apply();
    return true;
}

double ImpactScale::barWidth(std::int32_t shownRate, double usableLength) const {
    return std::max(1.0, roundHalfEven(usableLength / maximum_ * shownRate));
}

void ImpactScale::captionGauge() {
    // The left caption keeps its design number; the middle one is the integer half.
    const double half = static_cast<double>(roundTo<std::int64_t>(maximum_) / 2);
    gauge_ = GaugeScale({gauge_.numbers().minimum, half, maximum_});
}

void ImpactScale::apply() {
    // The pressure time chart's axis follows the gauge's caption, the others the maximum; both
    // agree once an interval has closed.
    charts_.setImpactAxisMaximum(maximum_, gauge_.numbers().maximum);
}

} // namespace vozavero
