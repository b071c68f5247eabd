// Tests that a chart picture's mapping matches what was drawn: a marker's pixels sit where
// mapX/mapY say, the axis ends lie on the plot area's edges, at small and large sizes, after a
// chart with other labels, and inside a part of the picture. Also what is drawn at all (lines,
// markers, empty charts) and that a redraw stays cheap.
#include "chart/ChartPicture.h"

#include <QElapsedTimer>
#include <cmath>
#include <gtest/gtest.h>

using vozavero::chart::Chart;
using vozavero::chart::ChartPicture;

namespace {

const QColor curveColour(220, 0, 220);

Chart countChart() {
    Chart chart;
    chart.xAxis() = {QStringLiteral("Vozavero"), QStringLiteral("-"), 2, 50};
    chart.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), 0, 125};
    chart.curve().colour = curveColour;
    chart.curve().lineStyle = 0;
    chart.curve().markers = true;
    return chart;
}

/// A chart whose y labels ("0,020") are wider than those of countChart().
Chart inverseAreaChart() {
    Chart chart;
    chart.xAxis() = {QStringLiteral("1:Fläche"), QStringLiteral("-"), 0, 0.02};
    chart.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), 0, 0.125};
    chart.curve().colour = curveColour;
    chart.curve().lineStyle = 0;
    chart.curve().markers = true;
    return chart;
}

bool isCurvePixel(QRgb pixel) {
    return std::abs(qRed(pixel) - curveColour.red()) < 30 &&
           std::abs(qGreen(pixel) - curveColour.green()) < 30 &&
           std::abs(qBlue(pixel) - curveColour.blue()) < 30;
}

/// Centre of all pixels in the curve's colour; (-1, -1) when there are none.
QPointF curvePixelCentre(const QImage& image, int* count = nullptr) {
    double sumX = 0;
    double sumY = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isCurvePixel(image.pixel(x, y))) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++n;
            }
        }
    }
    if (count) {
        *count = n;
    }
    return n == 0 ? QPointF(-1, -1) : QPointF(sumX / n, sumY / n);
}

/// Whether the outermost two pixels of the picture all show the white chart background.
bool borderIsBlank(const QImage& image) {
    const QRgb white = QColor(Qt::white).rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool border = x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2;
            if (border && image.pixel(x, y) != white) {
                return false;
            }
        }
    }
    return true;
}

QImage blankPicture(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::gray);
    return image;
}

void expectAxisEndsOnPlotEdges(const ChartPicture& picture, const Chart& chart) {
    const QRectF plot = picture.plotArea();
    EXPECT_NEAR(picture.mapX(chart.xAxis().minimum), plot.left(), 0.01);
    EXPECT_NEAR(picture.mapX(chart.xAxis().maximum), plot.right(), 0.01);
    EXPECT_NEAR(picture.mapY(chart.yAxis().minimum), plot.bottom(), 0.01);
    EXPECT_NEAR(picture.mapY(chart.yAxis().maximum), plot.top(), 0.01);
}

} // namespace

TEST(ChartPicture, MarkerIsDrawnWhereTheMappingSaysAtAnySize) {
    ChartPicture picture; // one object for all drawings, as on the graph surface
    for (const QSize size : {QSize(300, 150), QSize(700, 300), QSize(1600, 700), QSize(420, 600)}) {
        for (Chart chart : {countChart(), inverseAreaChart()}) {
            const double x =
                chart.xAxis().minimum + 0.37 * (chart.xAxis().maximum - chart.xAxis().minimum);
            const double y =
                chart.yAxis().minimum + 0.61 * (chart.yAxis().maximum - chart.yAxis().minimum);
            chart.append(x, y);
            QImage image = blankPicture(size);
            picture.draw(chart, image);

            const QPointF centre = curvePixelCentre(image);
            SCOPED_TRACE(QStringLiteral("%1x%2, x max %3")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(chart.xAxis().maximum)
                             .toStdString());
            EXPECT_NEAR(centre.x(), picture.mapX(x), 2.0);
            EXPECT_NEAR(centre.y(), picture.mapY(y), 2.0);
            expectAxisEndsOnPlotEdges(picture, chart);
            // Labels and titles get room on the left and below, and nothing reaches the border
            // where it would be cut off.
            const QRectF plot = picture.plotArea();
            EXPECT_GT(plot.left(), 20);
            EXPECT_LT(plot.bottom(), size.height() - 20);
            EXPECT_GT(plot.top(), 0);
            EXPECT_LT(plot.right(), size.width());
            EXPECT_GT(plot.width(), size.width() * 0.5);
            EXPECT_GT(plot.height(), size.height() * 0.4);
            EXPECT_TRUE(borderIsBlank(image));
        }
    }
}

TEST(ChartPicture, DrawingDependsOnlyOnChartAndSizeNotOnEarlierDrawings) {
    Chart counts = countChart();
    counts.append(20, 70);
    Chart inverse = inverseAreaChart();
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

TEST(ChartPicture, DrawsIntoThePartGivenAndMapsIntoIt) {
    ChartPicture picture;
    Chart chart = countChart();
    chart.append(26, 62.5);
    QImage image = blankPicture(QSize(800, 400));
    picture.draw(chart, image, QRectF(0.5, 0.25, 0.5, 0.75));

    const QRectF part(400, 100, 400, 300);
    EXPECT_TRUE(part.contains(picture.plotArea()));
    const QPointF centre = curvePixelCentre(image);
    EXPECT_NEAR(centre.x(), picture.mapX(26), 2.0);
    EXPECT_NEAR(centre.y(), picture.mapY(62.5), 2.0);
    EXPECT_EQ(image.pixel(10, 10), QColor(Qt::gray).rgb());
    EXPECT_EQ(image.pixel(399, 399), QColor(Qt::gray).rgb());
    EXPECT_EQ(image.pixel(799, 99), QColor(Qt::gray).rgb());
    EXPECT_EQ(image.pixel(400, 100), QColor(Qt::white).rgb());
}

TEST(ChartPicture, EmptyChartDrawsAxesButNoPoints) {
    ChartPicture picture;
    const Chart chart = countChart();
    QImage image = blankPicture(QSize(700, 300));
    picture.draw(chart, image);
    int curvePixels = 0;
    curvePixelCentre(image, &curvePixels);
    EXPECT_EQ(curvePixels, 0);
    // The x axis line runs along the bottom of the plot area in a dark colour.
    const QRectF plot = picture.plotArea();
    const QColor axis = image.pixelColor(static_cast<int>(plot.center().x()),
                                         static_cast<int>(std::floor(plot.bottom())));
    EXPECT_LT(axis.lightness(), 128);
    expectAxisEndsOnPlotEdges(picture, chart);
}

TEST(ChartPicture, ConnectsPointsOnlyWhenTheCurveStyleAsksForIt) {
    ChartPicture picture;
    Chart chart = countChart();
    chart.curve().lineWidth = 3;
    chart.append(10, 20);
    chart.append(40, 100);
    const auto midpointColoured = [&] {
        QImage image = blankPicture(QSize(700, 300));
        picture.draw(chart, image);
        const QPointF mid((picture.mapX(10) + picture.mapX(40)) / 2,
                          (picture.mapY(20) + picture.mapY(100)) / 2);
        return isCurvePixel(image.pixel(mid.toPoint()));
    };
    EXPECT_FALSE(midpointColoured());
    chart.curve().lineStyle = 1;
    chart.curve().markers = false;
    EXPECT_TRUE(midpointColoured());
}

TEST(ChartPicture, RedrawIsCheap) {
    ChartPicture picture;
    Chart counts = countChart();
    Chart inverse = inverseAreaChart();
    for (int i = 1; i <= 50; ++i) {
        counts.append(i, 2.5 * i);
        inverse.append(i / 2500.0, i / 400.0);
    }
    QImage image = blankPicture(QSize(700, 300));
    picture.draw(counts, image); // the first drawing builds the scene
    QElapsedTimer timer;
    timer.start();
    constexpr int drawings = 20;
    for (int i = 0; i < drawings; ++i) {
        picture.draw(i % 2 == 0 ? inverse : counts, image);
    }
    const double milliseconds = static_cast<double>(timer.elapsed()) / drawings;
    RecordProperty("milliseconds_per_700x300_drawing", QString::number(milliseconds).toStdString());
    EXPECT_LT(milliseconds, 250.0);
}

TEST(ChartPicture, DegenerateAxesAndPicturesStillDrawAndMap) {
    ChartPicture picture;
    Chart chart = countChart();
    chart.xAxis().minimum = chart.xAxis().maximum = 5; // a range of nothing
    chart.yAxis().minimum = 10;
    chart.yAxis().maximum = -10; // an inverted range
    chart.append(5, 1);
    chart.append(std::nan(""), 3);
    for (const QSize size : {QSize(700, 300), QSize(40, 20), QSize(1, 1), QSize()}) {
        QImage image = size.isEmpty() ? QImage() : blankPicture(size);
        picture.draw(chart, image);
        EXPECT_TRUE(std::isfinite(picture.mapX(5)));
        EXPECT_TRUE(std::isfinite(picture.mapY(1)));
    }
    QImage image = blankPicture(QSize(700, 300));
    picture.draw(chart, image);
    EXPECT_LT(picture.mapX(5), picture.mapX(6));
    EXPECT_GT(picture.mapY(10), picture.mapY(20));
}
