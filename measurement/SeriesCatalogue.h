// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The table of the eleven charts of a measurement series and of the four data series the graph
// can show. A chart's row gives its name (the key in a saved file), its title for people, what
// its x and y values are, the titles, units and ranges of its axes, its colour and whether its
// points are joined in time order or stand one per setting value. Creating the charts, recording
// a row, finding a chart and titling it all read this table; a new chart is a new row.
#pragma once
#include "Quantity.h"

#include <QString>
#include <array>

namespace vozavero {

/// The eleven charts in creation order (the order in a saved file).
enum class ChartId {
    PressureTime = 0,
    CountTime,
    SpeedTime,
    AreaTime,
    PressureCount,
    PressureArea,
    PressureInverseArea,
    PressureSpeed,
    AreaCount,
    AreaSpeed,
    AreaPressure,
};

/// The four data series the graph can show, by page of the tab control.
enum DataSeriesKind { SeriesCount = 0, SeriesSpeed = 1, SeriesArea = 2, SeriesInverseArea = 3 };

class SeriesCatalogue {
public:
    /// What a value on an axis is.
    enum class Value { Time, Rate, Count, Speed, Area, InverseArea };
    /// Where an axis' range comes from.
    enum class Span {
        Time,          ///< 0 .. the time-axis maximum (160 s until the series runs longer)
        Impacts,       ///< 0 .. the impact scale's maximum
        QuantityAxis,  ///< the quantity's axis range
        QuantityGauge, ///< the quantity's gauge range
        InverseVolume, ///< 0 .. 1 / the smallest volume
    };
    struct Axis {
        Value value;
        const char* title;
        const char* unit;
        Span span;
    };
    struct Entry {
        ChartId id;
        const char* name;
        /// Title above a printed table.
        const char* title;
        Axis x;
        Axis y;
        /// Colour of the gauge of this quantity (or of the impacts when none).
        const Quantity* colourOf;
        /// true: one row per closed interval, joined in time order; false: one point per
        /// setting value, each replaced by the latest measurement.
        bool timeline;
    };
    struct Page {
        ChartId chart;
        const char* tabCaption;
        const char* menuCaption;
    };

    static constexpr int kChartCount = 11;
    static constexpr int kPageCount = 4;
    /// Upper end of every time axis until the series runs longer, seconds.
    static constexpr double kTimeAxisMinimumEnd = 160.0;

    static const std::array<Entry, kChartCount>& charts();
    static const Entry& chart(ChartId id);
    static const std::array<Page, kPageCount>& pages();
    /// The data series page (0..3); throws std::out_of_range for another number.
    static const Page& page(int kind);

    static QString titleText(const Entry& entry);
    /// The title of the chart saved under name in a file; empty for a name of no chart here.
    static QString titleTextOf(const QString& name);
    static QString axisTitleText(const Axis& axis);
    static QString tabCaptionText(const Page& page);
    static QString menuCaptionText(const Page& page);
    /// The curve colour of a chart.
    static QColor colour(const Entry& entry);
    /// The start range of an axis for an impact scale ending at impactMaximum.
    static ValueRange range(const Axis& axis, double impactMaximum);
};

} // namespace vozavero
