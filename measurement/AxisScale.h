#pragma once
// The numbers along one axis of a graph: the range drawn (an axis' own range, widened to take in
// every measured value and made drawable when it is empty, inverted or not finite), the tick step
// of 1, 2 or 5 times a power of ten that keeps the labels apart, and the ticks and their labels in
// the user's number format.
#include "chart/ChartAxis.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <vector>

namespace vozavero {

class AxisScale {
public:
    /// Takes axis' range, widened to the finite x (horizontal) or y values of points.
    void setRange(const chart::ChartAxis& axis, const std::vector<QPointF>& points,
                  bool horizontal);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

    /// Picks the finest step whose labels keep apart on an axis of room pixels, written with
    /// metrics in locale: side by side (horizontal) or one above the other.
    void chooseStep(double room, const QFontMetricsF& metrics, const QLocale& locale,
                    bool horizontal);
    double step() const { return step_; }

    /// The ticks are the multiples of the step within the range, from the lowest.
    int tickCount() const;
    double tick(int i) const;
    /// value with as many decimals as the step needs, in locale (which should omit grouping).
    QString label(double value, const QLocale& locale) const;

private:
    double minimum_ = 0.0;
    double maximum_ = 1.0;
    double step_ = 1.0;
    int decimals_ = 0;
};

} // namespace vozavero
