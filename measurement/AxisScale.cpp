// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The numbers along one axis of a graph.
#include "AxisScale.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace vozavero {

namespace {

/// Decimal places needed to show multiples of step (a 1, 2 or 5 times a power of ten) exactly.
int decimalsFor(double step) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

/// Tolerance, in steps, for a value to count as a multiple of the step.
constexpr double kOnStep = 1e-9;

/// lo and hi widened to the nearest multiples of step around them.
std::pair<double, double> widened(double lo, double hi, double step) {
    return {std::floor(lo / step + kOnStep) * step, std::ceil(hi / step - kOnStep) * step};
}

/// Picks a tick step of 1, 2 or 5 times a power of ten: the finest one whose labels keep apart.
/// room is the axis length in pixels; labelExtent gives the space one label needs along the axis
/// for a given step (pixels). With fit, the range is widened to the step's multiples first.
template <typename Extent>
double tickStep(double lo, double hi, bool fit, double room, Extent labelExtent) {
    const double span = hi - lo;
    double magnitude = std::pow(10.0, std::floor(std::log10(span)) - 2);
    for (int i = 0; i < 40; ++i) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * magnitude;
            const auto [from, to] = fit ? widened(lo, hi, step) : std::pair{lo, hi};
            const double ticks = std::floor((to - from) / step + kOnStep) + 1;
            if (ticks <= 11 && ticks * labelExtent(step) <= room) {
                return step;
            }
        }
        magnitude *= 10;
    }
    return span;
}

/// Whether step can count off ticks: a positive number that a range of doubles can hold.
bool usable(double step) {
    return std::isfinite(step) && step > 0.0;
}

} // namespace

void AxisScale::setRange(const chart::ChartAxis& axis, const std::vector<QPointF>& points,
                         bool horizontal) {
    // A range that some measured value lies outside is widened to take it in, so that no point
    // is ever cut off (a value just above a scale that was raised to its whole part, say).
    double lo = axis.minimum;
    double hi = axis.maximum;
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0.0;
        hi = 1.0;
    }
    for (const QPointF& p : points) {
        const double v = horizontal ? p.x() : p.y();
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (!(hi > lo)) {
        hi = lo + (lo == 0.0 ? 1.0 : std::abs(lo));
    }
    minimum_ = lo;
    maximum_ = hi;
    fit_ = false;
}

void AxisScale::fitRange(const chart::ChartAxis& axis, const std::vector<QPointF>& points,
                         bool horizontal) {
    double lo = 0.0;
    double hi = 0.0;
    bool any = false;
    for (const QPointF& p : points) {
        const double v = horizontal ? p.x() : p.y();
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
            any = true;
        }
    }
    if (!any) {
        setRange(axis, points, horizontal);
        return;
    }
    if (!(hi > lo)) {
        hi = lo + 1.0; // all values zero
    }
    minimum_ = fitLow_ = lo;
    maximum_ = fitHigh_ = hi;
    fit_ = true;
}

void AxisScale::chooseStep(double room, const QFontMetricsF& metrics, const QLocale& locale,
                           bool horizontal) {
    const double lo = fit_ ? fitLow_ : minimum_;
    const double hi = fit_ ? fitHigh_ : maximum_;
    const auto extent = [&](double step) {
        if (!horizontal) {
            return metrics.height() * 1.8;
        }
        const int decimals = decimalsFor(step);
        const auto [from, to] = fit_ ? widened(lo, hi, step) : std::pair{lo, hi};
        const double widest =
            std::max(metrics.horizontalAdvance(locale.toString(from, 'f', decimals)),
                     metrics.horizontalAdvance(locale.toString(to, 'f', decimals)));
        return widest + metrics.horizontalAdvance(QStringLiteral("MM"));
    };
    // A range too wide for a double to hold its length has no ticks.
    step_ = std::isfinite(hi - lo) ? tickStep(lo, hi, fit_, room, extent) : 0.0;
    decimals_ = usable(step_) ? decimalsFor(step_) : 0;
    if (fit_ && usable(step_)) {
        std::tie(minimum_, maximum_) = widened(lo, hi, step_);
    }
}

int AxisScale::tickCount() const {
    if (!usable(step_)) {
        return 0;
    }
    const double count =
        std::floor(maximum_ / step_ + 1e-9) - std::ceil(minimum_ / step_ - 1e-9) + 1;
    return std::isfinite(count) ? static_cast<int>(std::clamp(count, 0.0, 100.0)) : 0;
}

double AxisScale::tick(int i) const {
    const double value = (std::ceil(minimum_ / step_ - 1e-9) + i) * step_;
    // The tick at zero, reached from below by a rounding error, is no "-0,00".
    return std::abs(value) < step_ * 1e-6 ? 0.0 : value;
}

QString AxisScale::label(double value, const QLocale& locale) const {
    return locale.toString(value, 'f', decimals_);
}

bool AxisScale::endsOnTick() const {
    if (!usable(step_)) {
        return false;
    }
    const double steps = maximum_ / step_;
    return std::abs(steps - std::round(steps)) <= kOnStep * std::max(1.0, std::abs(steps));
}

QString AxisScale::endLabel(const QLocale& locale) const {
    int decimals = decimals_;
    while (decimals < decimals_ + 3) {
        const double scale = std::pow(10.0, decimals);
        if (std::abs(std::round(maximum_ * scale) / scale - maximum_) <=
            1e-9 * std::max(1.0, std::abs(maximum_))) {
            break;
        }
        ++decimals;
    }
    return locale.toString(maximum_, 'f', decimals);
}

} // namespace vozavero
