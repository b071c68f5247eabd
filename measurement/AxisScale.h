// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The numbers along one axis of a graph: the range drawn (an axis' own range, widened to take in
// every measured value and made drawable when it is empty, inverted or not finite; or the range
// of the values alone, from zero to a whole tick step above the largest), the tick step of 1, 2
// or 5 times a power of ten that keeps the labels apart, and the ticks and their labels in the
// user's number format, the axis' end labelled as well when it is no tick.
#pragma once
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
    /// Takes the range of the finite x (horizontal) or y values of points and zero; chooseStep
    /// then widens it to whole steps. Without such values, as setRange.
    void fitRange(const chart::ChartAxis& axis, const std::vector<QPointF>& points,
                  bool horizontal);
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

    /// Picks the finest step whose labels keep apart on an axis of room pixels, written with
    /// metrics in locale: side by side (horizontal) or one above the other. After fitRange the
    /// range is widened to the step's multiples around it.
    void chooseStep(double room, const QFontMetricsF& metrics, const QLocale& locale,
                    bool horizontal);
    double step() const { return step_; }

    /// The ticks are the multiples of the step within the range, from the lowest.
    int tickCount() const;
    double tick(int i) const;
    /// value with as many decimals as the step needs, in locale (which should omit grouping).
    QString label(double value, const QLocale& locale) const;
    /// Whether the maximum is a tick (a multiple of the step).
    bool endsOnTick() const;
    /// The maximum with the step's decimals, or as many more (up to three) as it needs to be
    /// shown as it is.
    QString endLabel(const QLocale& locale) const;

private:
    double minimum_ = 0.0;
    double maximum_ = 1.0;
    double step_ = 1.0;
    int decimals_ = 0;
    /// Set by fitRange: the range of the values, which each choice of step widens anew.
    bool fit_ = false;
    double fitLow_ = 0.0;
    double fitHigh_ = 1.0;
};

} // namespace vozavero
