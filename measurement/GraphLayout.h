// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Where everything of one graph goes, worked out from font metrics alone before anything is
// painted: the fonts of labels and captions, the range and ticks of each axis with their labels
// (the axis' end labelled too, a tick label just below it given up when the two would touch),
// the plot area with room for a whole marker on every edge, and the mapping from data values to
// pixels. All in logical pixels.
#pragma once
#include "AxisScale.h"
#include "chart/Chart.h"

#include <QFont>
#include <QLocale>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

namespace vozavero {

class GraphLayout {
public:
    /// One tick of an axis.
    struct Tick {
        double value = 0.0;
        /// Pixel position along the axis: x for the x axis, y for the y axis.
        double position = 0.0;
        /// The label as written, with the locale's decimal separator; empty when the label gave
        /// way to the axis' end.
        QString label;
        /// Where the label is written.
        QRectF labelRect;
    };

    /// Lays out chart on a picture of size. With fitToData the axes run over the chart's points
    /// (see AxisScale::fitRange) instead of the chart's own axis ranges.
    void arrange(const chart::Chart& chart, QSize size, bool fitToData);

    /// Horizontal pixel position of data value x.
    double mapX(double x) const;
    /// Vertical pixel position of data value y.
    double mapY(double y) const;
    /// The plot area (inside the axes).
    QRectF plotArea() const { return plot_; }
    /// The ranges drawn.
    const AxisScale& xScale() const { return xScale_; }
    const AxisScale& yScale() const { return yScale_; }
    /// The ticks along each axis, lowest value first; the last is the axis' end.
    const std::vector<Tick>& xTicks() const { return xTicks_; }
    const std::vector<Tick>& yTicks() const { return yTicks_; }

    const QFont& labelFont() const { return labelFont_; }
    const QFont& xTitleFont() const { return xTitleFont_; }
    const QFont& yTitleFont() const { return yTitleFont_; }
    double labelHeight() const;
    /// Diameter of a point's marker, pixels.
    double markerDiameter() const;
    /// How far a marker of the chart reaches beyond its point: its radius and half its outline.
    double markerReach() const { return markerReach_; }

    /// Length of the tick marks outside the axes; gaps from the marks to their labels and from
    /// the labels to the axis captions, pixels.
    static constexpr int kTickLength = 4;
    static constexpr int kLabelGap = 2;
    static constexpr int kTitleGap = 4;

private:
    /// Tick steps and plot area for a picture of size, with the fonts as they are.
    void arrangeFor(QSize size);
    /// Makes a caption longer than its axis smaller, down to the smallest legible size; true
    /// when one changed.
    bool shrinkTitles(const chart::Chart& chart);
    /// The label of the axis' end when it is no tick, else empty.
    QString endLabel(const AxisScale& scale) const;
    void collectTicks();

    QFont labelFont_;
    QFont xTitleFont_;
    QFont yTitleFont_;
    QLocale locale_;
    AxisScale xScale_;
    AxisScale yScale_;
    QRectF plot_;
    double markerReach_ = 0.0;
    std::vector<Tick> xTicks_;
    std::vector<Tick> yTicks_;
};

} // namespace vozavero
