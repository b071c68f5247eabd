#pragma once
// The chart document "Vozavero" with its eleven charts: four time charts and seven keyed data
// series holding one point per setting value. Creates and styles them, records one row per closed
// measuring interval, and clears them for a new series.
#include "CylinderGeometry.h"
#include "chart/ChartDocument.h"

#include <QColor>
#include <array>

namespace vozavero {

/// The four data series the graph can show, by page of the tab control.
enum DataSeriesKind { SeriesCount = 0, SeriesSpeed = 1, SeriesArea = 2, SeriesInverseArea = 3 };

class MeasurementCharts {
public:
    /// Bar colours of the four gauges (count, speed, impacts, volume) give the curve colours.
    struct Colours {
        QColor count, speed, impacts, volume;
    };

    /// Creates the document and the eleven charts in their fixed order, with axes, ranges,
    /// curve colours and styles; impact axes end at impactAxisMax.
    MeasurementCharts(const Colours& colours, double impactAxisMax);

    chart::ChartDocument& document() { return document_; }
    const chart::ChartDocument& document() const { return document_; }

    chart::Chart& pressureTimeChart() { return document_.chart(0); }
    chart::Chart& countTimeChart() { return document_.chart(1); }
    chart::Chart& speedTimeChart() { return document_.chart(2); }
    chart::Chart& areaTimeChart() { return document_.chart(3); }
    chart::Chart& pressureCountChart() { return document_.chart(4); }
    chart::Chart& pressureAreaChart() { return document_.chart(5); }
    chart::Chart& pressureInverseAreaChart() { return document_.chart(6); }
    chart::Chart& pressureSpeedChart() { return document_.chart(7); }
    chart::Chart& areaCountChart() { return document_.chart(8); }
    chart::Chart& areaSpeedChart() { return document_.chart(9); }
    chart::Chart& areaPressureChart() { return document_.chart(10); }

    /// The chart shown for a data series (page index 0..3).
    chart::Chart& chartFor(int kind);

    /// Replaces y of the first point whose x equals key exactly, or appends (key, y).
    static void recordKeyed(chart::Chart& chart, double key, double y);

    /// Records one row: time charts get (t, value), the keyed series their key and value.
    void recordRow(double t, double rate, const EngineCopy& values);

    /// Sets the x-axis maximum of the four time charts.
    void setTimeAxisMaximum(double maximum);

    /// Sets every impact axis (y of the four pressure series, x of areaPressureChart, y of the
    /// pressure time chart) to end at maximum.
    void setImpactAxisMaximum(double maximum);

    /// Clears the points of all eleven charts, in creation order.
    void clearAll();

    /// Takes over the points of a loaded document, which must hold the same eleven charts (same
    /// names, same order) with finite values of at most kLargestLoadedValue in size; otherwise
    /// nothing changes and a German reason goes to error. Axes and curve styles stay these
    /// charts' own: the time axes end at max(160 s, last time), and impactAxisMax (impacts per
    /// second) is raised, never lowered, to the next whole number at or above every loaded
    /// rate, with the charts' impact axes following.
    bool adoptPoints(const chart::ChartDocument& loaded, double& impactAxisMax, QString* error);

    /// Largest value a loaded point may have: far above any measurement, small enough that
    /// scales and gauges derived from it stay within whole-number range.
    static constexpr double kLargestLoadedValue = 1e9;

private:
    /// Gives every chart its German title.
    void setTitles();

    chart::ChartDocument document_;
};

} // namespace vozavero
