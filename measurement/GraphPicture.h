#pragma once
// Draws one chart into a picture of any size: the axes with their ticks, labels in the user's
// number format and bold captions, a light grid, the points joined or marked as the curve style
// says, and on request the regression line with its equation in a corner that hides no point.
// Keeps the pixel mapping of the last drawing, exactly as it was drawn. Needs no widget, only a
// QGuiApplication for the fonts. All positions are logical pixels: the picture's device pixels
// divided by its device pixel ratio, so a picture at ratio 2 gets the same drawing, finer.
#include "AxisScale.h"
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
    /// One tick of an axis in the last drawing.
    struct Tick {
        double value = 0.0;
        /// Pixel position along the axis: x for the x axis, y for the y axis.
        double position = 0.0;
        /// The label as written, with the locale's decimal separator.
        QString label;
        /// Where the label was written.
        QRectF labelRect;
    };

    /// Paints the whole of target white and draws chart on it; draws line from the x axis'
    /// minimum to its maximum (pure red, clipped only by the picture's border) and its equation
    /// when line is set. A null target gets no drawing, but the mapping of one.
    void draw(const chart::Chart& chart, const std::optional<RegressionLine>& line, QImage& target);

    /// The font the equation is written in; its size follows the picture's height. The axes use
    /// the application's font. Takes effect at the next drawing.
    void setFont(const QFont& font) { equationFont_ = font; }

    /// Horizontal pixel position of data value x in the last drawing.
    double mapX(double x) const;
    /// Vertical pixel position of data value y in the last drawing.
    double mapY(double y) const;
    /// The plot area (inside the axes) of the last drawing.
    QRectF plotArea() const { return plot_; }
    /// The ticks of the last drawing along each axis, lowest value first.
    const std::vector<Tick>& xTicks() const { return xTicks_; }
    const std::vector<Tick>& yTicks() const { return yTicks_; }
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
    /// Tick steps and plot area for a picture of size, with the fonts as they are.
    void arrange(QSize size);
    /// Makes a caption longer than its axis smaller, down to the smallest legible size; true
    /// when one changed.
    bool shrinkTitles(const chart::Chart& chart);
    void collectTicks();
    double labelHeight() const;
    void paintAxes(QPainter& painter, const chart::Chart& chart, QSize size) const;
    void paintCurve(QPainter& painter, const chart::Chart& chart);
    /// The regression line between lineEnds_ and its equation.
    void paintLine(QPainter& painter, const RegressionLine& line, QSize size);

    QFont equationFont_;
    QFont labelFont_;
    QFont xTitleFont_;
    QFont yTitleFont_;
    QLocale locale_;
    AxisScale xScale_;
    AxisScale yScale_;
    QRectF plot_;
    std::vector<Tick> xTicks_;
    std::vector<Tick> yTicks_;
    std::optional<QLineF> lineEnds_;
    QRect equationRect_;
    /// Mapped points of the last drawing, kept to spare an allocation per drawing.
    std::vector<QPointF> mapped_;
};

} // namespace vozavero
