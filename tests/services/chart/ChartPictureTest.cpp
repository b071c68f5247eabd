// Tests that a chart picture's mapping matches what was drawn: a marker's pixels sit where
// mapX/mapY say and the axis ends lie on the plot area's edges, at a small and a large size, and
// that a drawing does not depend on what the same picture object drew before nor fails on
// degenerate axes.
#include "chart/ChartPicture.h"

#include <cmath>
#include <gtest/gtest.h>

using vozavero::chart::Chart;
using vozavero::chart::ChartAxis;
using vozavero::chart::ChartPicture;

namespace {

const QColor curveColour(220, 0, 220);

/// A chart with markers only; the small ranges give wider y labels ("0,020") than the large.
Chart markerChart(double xMinimum, double xMaximum, double yMaximum) {
    Chart chart;
    chart.xAxis() = {QStringLiteral("Vozavero"), QStringLiteral("-"), xMinimum, xMaximum};
    chart.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), 0, yMaximum};
    chart.curve().colour = curveColour;
    chart.curve().lineStyle = 0;
    chart.curve().markers = true;
    return chart;
}

QImage blankPicture(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    return image;
}

/// Centre of all pixels in the curve's colour; (-1, -1) when there are none.
QPointF curvePixelCentre(const QImage& image) {
    double sumX = 0;
    double sumY = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - curveColour.red()) < 30 && c.green() < 30 &&
                std::abs(c.blue() - curveColour.blue()) < 30) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++n;
            }
        }
    }
    return n == 0 ? QPointF(-1, -1) : QPointF(sumX / n, sumY / n);
}

} // namespace

TEST(ChartPicture, MarkerIsDrawnWhereTheMappingSaysAtAnySize) {
    ChartPicture picture; // one object for all drawings, as on the graph surface
    for (const QSize size : {QSize(300, 150), QSize(1600, 700)}) {
        for (Chart chart : {markerChart(2, 50, 125), markerChart(0, 0.02, 0.125)}) {
            const ChartAxis& xAxis = chart.xAxis();
            const ChartAxis& yAxis = chart.yAxis();
            const double x = xAxis.minimum + 0.37 * (xAxis.maximum - xAxis.minimum);
            const double y = yAxis.minimum + 0.61 * (yAxis.maximum - yAxis.minimum);
            chart.append(x, y);
            QImage image = blankPicture(size);
            picture.draw(chart, image);
            SCOPED_TRACE(testing::Message() << size.width() << " x max " << xAxis.maximum);

            const QPointF centre = curvePixelCentre(image);
            EXPECT_NEAR(centre.x(), picture.mapX(x), 2.0);
            EXPECT_NEAR(centre.y(), picture.mapY(y), 2.0);
            const QRectF plot = picture.plotArea();
            EXPECT_NEAR(picture.mapX(xAxis.minimum), plot.left(), 0.01);
            EXPECT_NEAR(picture.mapX(xAxis.maximum), plot.right(), 0.01);
            EXPECT_NEAR(picture.mapY(yAxis.minimum), plot.bottom(), 0.01);
            EXPECT_NEAR(picture.mapY(yAxis.maximum), plot.top(), 0.01);
            EXPECT_TRUE(QRectF(QPointF(), size).contains(plot));
            EXPECT_GT(plot.width(), size.width() * 0.5);
        }
    }
}

TEST(ChartPicture, DrawingDependsOnlyOnChartAndSize) {
    Chart counts = markerChart(2, 50, 125);
    counts.append(20, 70);
    Chart inverse = markerChart(0, 0.02, 0.125);
    inverse.append(0.01, 0.1);
    ChartPicture reused;
    QImage scratch = blankPicture(QSize(1600, 700));
    reused.draw(counts, scratch);
    for (const QSize size : {QSize(300, 150), QSize(700, 300)}) {
        for (const Chart* chart : {&inverse, &counts}) {
            QImage again = blankPicture(size);
            reused.draw(*chart, again);
            ChartPicture fresh;
            QImage first = blankPicture(size);
            fresh.draw(*chart, first);
            EXPECT_EQ(reused.plotArea(), fresh.plotArea());
            EXPECT_TRUE(again == first) << size.width();
        }
    }
}

TEST(ChartPicture, DegenerateAxesAndPicturesStillDrawAndMap) {
    ChartPicture picture;
    Chart chart = markerChart(5, 5, 125); // an x range of nothing
    chart.yAxis().minimum = 10;
    chart.yAxis().maximum = -10; // an inverted y range
    chart.append(5, 1);
    chart.append(std::nan(""), 3);
    for (const QSize size : {QSize(1, 1), QSize(), QSize(700, 300)}) {
        QImage image = size.isEmpty() ? QImage() : blankPicture(size);
        picture.draw(chart, image);
        EXPECT_TRUE(std::isfinite(picture.mapX(5)) && std::isfinite(picture.mapY(1)));
    }
    EXPECT_LT(picture.mapX(5), picture.mapX(6));
    EXPECT_GT(picture.mapY(10), picture.mapY(20));
}
