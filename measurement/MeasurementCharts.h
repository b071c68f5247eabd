// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The chart document "Vozavero" with the eleven charts of the series table: four time charts
// and seven keyed data series holding one point per setting value. Creates and styles them from
// the table, records one row per closed measuring interval, takes over the points of an opened
// series and clears them for a new one.
#pragma once
#include "CylinderGeometry.h"
#include "SeriesCatalogue.h"
#include "chart/ChartDocument.h"

#include <QCoreApplication>

namespace vozavero {

class MeasurementCharts {
    Q_DECLARE_TR_FUNCTIONS(MeasurementCharts)

public:
    /// Creates the document and the eleven charts with axes, ranges, curve colours and styles;
    /// impact axes end at impactAxisMax.
    explicit MeasurementCharts(double impactAxisMax);

    chart::ChartDocument& document() { return document_; }
    const chart::ChartDocument& document() const { return document_; }

    chart::Chart& chart(ChartId id) { return document_.chart(static_cast<int>(id)); }
    const chart::Chart& chart(ChartId id) const { return document_.chart(static_cast<int>(id)); }
    const chart::Chart& pressureTimeChart() const { return chart(ChartId::PressureTime); }
    const chart::Chart& pressureCountChart() const { return chart(ChartId::PressureCount); }
    const chart::Chart& pressureAreaChart() const { return chart(ChartId::PressureArea); }
    const chart::Chart& pressureInverseAreaChart() const {
        return chart(ChartId::PressureInverseArea);
    }
    const chart::Chart& pressureSpeedChart() const { return chart(ChartId::PressureSpeed); }

    /// The chart shown for a data series (page index 0..3).
    const chart::Chart& chartFor(int kind) const;

    /// Replaces y of the first point whose x equals key exactly, or appends (key, y).
    static void recordKeyed(chart::Chart& chart, double key, double y);

    /// Records one row: time charts get (t, value), the keyed series their key and value.
    void recordRow(double t, double rate, const EngineCopy& values);

    /// Sets the x-axis maximum of the four time charts.
    void setTimeAxisMaximum(double maximum);

    /// Sets the maximum of every axis that shows impacts per second; the y axis of the pressure
    /// time chart (which follows the impact gauge's caption) gets timeChartMaximum.
    void setImpactAxisMaximum(double maximum, double timeChartMaximum);

    /// Gives every chart and axis its title from the series table in the language now in effect
    /// (names, points, ranges and styles stay).
    void retitle();

    /// Clears the points of all eleven charts, in creation order.
    void clearAll();

    /// Whether a loaded document can be taken over: the same eleven charts (same names, same
    /// order) with finite values of at most kLargestLoadedValue in size and quantity values
    /// within their file ranges. Otherwise a reason goes to error.
    bool accepts(const chart::ChartDocument& loaded, QString* error) const;
    /// Takes over the points of a loaded document that accepts takes; otherwise nothing changes
    /// and the reason goes to error. Axes and curve styles stay these charts' own; the time axes
    /// end at max(160 s, last time).
    bool adoptPoints(const chart::ChartDocument& loaded, QString* error);

    /// The largest impact rate any chart holds (0 when none).
    double largestRate() const;

    /// Largest value a loaded point may have: far above any measurement, small enough that
    /// scales and gauges derived from it stay within whole-number range.
    static constexpr double kLargestLoadedValue = 1e9;

private:
    chart::ChartDocument document_;
};

} // namespace vozavero
