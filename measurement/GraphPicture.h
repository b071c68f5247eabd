// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Draws one chart into a picture of any size: the axes with their ticks, labels in the user's
// number format and bold captions, a light grid, the points joined or marked as the curve style
// says (every marker whole), and on request the regression line with its equation in a corner
// that hides no point. The axes are the chart's own, or fitted to its points. Keeps the pixel
// mapping of the last drawing, exactly as it was drawn. Needs no widget, only a QGuiApplication
// for the fonts. All positions are logical pixels: the picture's device pixels divided by its
// device pixel ratio, so a picture at ratio 2 gets the same drawing, finer.
#pragma once
#include "GraphLayout.h"
#include "Regression.h"
#include "chart/Chart.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QLocale>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace vozavero {

class GraphPicture {
public:
    using Tick = GraphLayout::Tick;

    /// Paints the whole of target white and draws chart on it; draws line from the left end of
    /// the x axis to its right end (pure red, clipped only by the picture's border) and its
    /// equation when line is set. A null target gets no drawing, but the mapping of one.
    void draw(const chart::Chart& chart, const std::optional<RegressionLine>& line, QImage& target);

    /// The font the equation is written in; its size follows the picture's height. The axes use
    /// the application's font. Takes effect at the next drawing.
    void setFont(const QFont& font) { equationFont_ = font; }
    /// Axes over the chart's points (from zero to a whole tick step above the largest value)
    /// rather than the chart's own axis ranges. Takes effect at the next drawing.
    void setFitToData(bool fit) { fitToData_ = fit; }

    /// Horizontal pixel position of data value x in the last drawing.
    double mapX(double x) const { return layout_.mapX(x); }
    /// Vertical pixel position of data value y in the last drawing.
    double mapY(double y) const { return layout_.mapY(y); }
    /// The plot area (inside the axes) of the last drawing.
    QRectF plotArea() const { return layout_.plotArea(); }
    /// The ticks of the last drawing along each axis, lowest value first; the last is the
    /// axis' end.
    const std::vector<Tick>& xTicks() const { return layout_.xTicks(); }
    const std::vector<Tick>& yTicks() const { return layout_.yTicks(); }
    /// The whole layout of the last drawing.
    const GraphLayout& layout() const { return layout_; }
    /// Unclipped pixel ends of the regression line of the last drawing (empty when none).
    std::optional<QLineF> lineEnds() const { return lineEnds_; }
    /// Where the equation was written (empty when none).
    QRect equationRect() const { return equationRect_; }

    /// The box of size boxSize in one of the four corners of plotArea (inset by a small
    /// margin), all in pixels: the corner covering the fewest of points, and among those one that
    /// line does not cross; ties go to top left, top right, bottom right, bottom left in turn.
    static QRect placeEquation(const QRectF& plotArea, const QSize& boxSize,
                               const std::vector<QPointF>& points,
                               const std::optional<QLineF>& line);

private:
    void paintAxes(QPainter& painter, const chart::Chart& chart, QSize size) const;
    void paintCurve(QPainter& painter, const chart::Chart& chart);
    /// The regression line between lineEnds_ and its equation.
    void paintLine(QPainter& painter, const RegressionLine& line, QSize size);

    QFont equationFont_;
    bool fitToData_ = false;
    GraphLayout layout_;
    std::optional<QLineF> lineEnds_;
    QRect equationRect_;
    /// Mapped points of the last drawing, kept to spare an allocation per drawing.
    std::vector<QPointF> mapped_;
};

} // namespace vozavero
