// The numbers along one axis of a graph.
#include "AxisScale.h"

#include <algorithm>
#include <cmath>

namespace vozavero {

namespace {

/// Decimal places needed to show multiples of step (a 1, 2 or 5 times a power of ten) exactly.
int decimalsFor(double step) {
    return std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
}

/// Picks a tick step of 1, 2 or 5 times a power of ten: the finest one whose labels keep apart.
/// room is the axis length in pixels; labelExtent gives the space one label needs along the axis
/// for a given step (pixels).
template <typename Extent> double tickStep(double lo, double hi, double room, Extent labelExtent) {
    const double span = hi - lo;
    double magnitude = std::pow(10.0, std::floor(std::log10(span)) - 2);
    for (int i = 0; i < 40; ++i) {
        for (const double factor : {1.0, 2.0, 5.0}) {
            const double step = factor * magnitude;
            const double ticks = std::floor(span / step + 1e-9) + 1;
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
}

void AxisScale::chooseStep(double room, const QFontMetricsF& metrics, const QLocale& locale,
                           bool horizontal) {
    const double lo = minimum_;
    const double hi = maximum_;
    const auto extent = [&](double step) {
        if (!horizontal) {
            return metrics.height() * 1.8;
        }
        const int decimals = decimalsFor(step);
        const double widest =
            std::max(metrics.horizontalAdvance(locale.toString(lo, 'f', decimals)),
                     metrics.horizontalAdvance(locale.toString(hi, 'f', decimals)));
        return widest + metrics.horizontalAdvance(QStringLiteral("MM"));
    };
    // A range too wide for a double to hold its length has no ticks.
    step_ = std::isfinite(hi - lo) ? tickStep(lo, hi, room, extent) : 0.0;
    decimals_ = usable(step_) ? decimalsFor(step_) : 0;
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

} // namespace vozavero
