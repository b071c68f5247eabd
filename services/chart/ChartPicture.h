#pragma once
// Draws one chart into a picture of any size with the toolkit's chart module (axes with titles
// and units, ticks, points; connected lines or unconnected markers as the curve style says) and
// maps data values to pixels of that picture exactly as they were drawn.
#include "Chart.h"

#include <QImage>
#include <QRectF>
#include <memory>

namespace vozavero::chart {

class ChartPicture {
public:
    ChartPicture();
    ~ChartPicture();
    ChartPicture(const ChartPicture&) = delete;
    ChartPicture& operator=(const ChartPicture&) = delete;

    /// Draws chart over the part of target given by relative (0,0..1,1 = the whole picture),
    /// painting over what the picture held there. Keeps the layout for map(). Positions are in
    /// the picture's logical pixels (its device pixels divided by its device pixel ratio).
    void draw(const Chart& chart, QImage& target, const QRectF& relative = QRectF(0, 0, 1, 1),
              bool withAxes = true);

    /// Horizontal pixel position of data value x in the last drawing's picture.
    double mapX(double x) const;
    /// Vertical pixel position of data value y in the last drawing's picture.
    double mapY(double y) const;
    /// The plot area (inside the axes) of the last drawing, in picture pixels.
    QRectF plotArea() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace vozavero::chart
