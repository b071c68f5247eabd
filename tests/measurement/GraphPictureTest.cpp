// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The graph picture: drawn where the mapping says at any size, range and pixel ratio, whatever
// was drawn before; degenerate axes; tick labels in the user's numbers, apart and inside. The graph
// surface: the regression line and its equation, and the click, menu and resize signals.
#include "GraphPicture.h"
#include "DefaultLocale.h"
#include "GraphPlotter.h"

#include <QGuiApplication>
#include <QLocale>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vozavero {
namespace {

using chart::Chart;
using chart::ChartAxis;

const QColor kCurveColour(220, 0, 220);

/// A chart with markers only; small ranges give wider labels ("0,020") than large ones.
Chart markerChart(double xMinimum, double xMaximum, double yMaximum) {
    Chart chart;
    chart.xAxis() = {QStringLiteral("Vozavero"), QStringLiteral("-"), xMinimum, xMaximum};
    chart.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), 0, yMaximum};
    chart.curve().colour = kCurveColour;
    chart.curve().lineStyle = 0;
    chart.curve().markers = true;
    return chart;
}

/// A grey picture of size logical pixels at ratio device pixels per logical pixel.
QImage blankPicture(QSize size, double ratio = 1.0) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::gray);
    return image;
}

bool isCurve(QRgb p) {
    return std::abs(qRed(p) - kCurveColour.red()) < 30 && qGreen(p) < 30 &&
           std::abs(qBlue(p) - kCurveColour.blue()) < 30;
}

bool isText(QRgb p) {
    return qGray(p) < 100;
}

/// The pixels inside rect (logical pixels) that match.
int pixelsIn(const QImage& image, const QRectF& rect, bool (*match)(QRgb)) {
    const double ratio = image.devicePixelRatio();
    const QRect pixels =
        QRectF(rect.topLeft() * ratio, rect.size() * ratio).toAlignedRect() & image.rect();
    int n = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            n += match(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

QRectF around(QPointF at, double side) {
    return QRectF(at - QPointF(side, side) / 2, QSizeF(side, side));
}

} // namespace

TEST(GraphPicture, MarkersLieWholeWhereTheMappingSaysAtAnySizeAndRatioWhateverWasDrawnBefore) {
    GraphPicture picture; // one object for all drawings, as on the graph surface
    QImage scratch = blankPicture(QSize(1600, 700));
    picture.draw(markerChart(2, 50, 125), RegressionLine{3, 1, 0.9}, scratch);
    for (const QSize size : {QSize(300, 150), QSize(1600, 700)}) {
        // The count axis' ends and a raised impact axis, as after 50 particles at speed 29.
        for (Chart chart : {markerChart(2, 50, 260), markerChart(0, 0.02, 0.125)}) {
            const ChartAxis& xAxis = chart.xAxis();
            const ChartAxis& yAxis = chart.yAxis();
            for (const auto& [x, y] :
                 {std::pair{0.37, 0.61}, {0.0, 0.0}, {1.0, 0.0}, {0.0, 1.0}, {1.0, 1.0}}) {
                chart.append(xAxis.minimum + x * (xAxis.maximum - xAxis.minimum),
                             yAxis.minimum + y * (yAxis.maximum - yAxis.minimum));
            }
            QRectF plotAtRatio1;
            for (const double ratio : {1.0, 2.0}) {
                SCOPED_TRACE(testing::Message()
                             << size.width() << " x max " << xAxis.maximum << " ratio " << ratio);
                QImage image = blankPicture(size, ratio);
                picture.draw(chart, std::nullopt, image);
                GraphPicture fresh;
                QImage first = blankPicture(size, ratio);
                fresh.draw(chart, std::nullopt, first);
                EXPECT_TRUE(image == first);
                EXPECT_FALSE(picture.lineEnds());
                EXPECT_TRUE(picture.equationRect().isNull());

                // Every marker whole around its point, nothing elsewhere; a finer picture holds
                // the same drawing: the mapping stays, the pixels double.
                const auto box = [&](QPointF p) {
                    return around(QPointF(picture.mapX(p.x()), picture.mapY(p.y())),
                                  picture.layout().markerDiameter() + 2);
                };
                const int whole = pixelsIn(image, box(chart.points()[0]), isCurve);
                EXPECT_GT(whole, 20 * ratio * ratio);
                int inBoxes = 0;
                for (const QPointF& p : chart.points()) {
                    inBoxes += pixelsIn(image, box(p), isCurve);
                    EXPECT_GE(pixelsIn(image, box(p), isCurve), whole * 0.9)
                        << p.x() << ", " << p.y();
                }
                EXPECT_EQ(inBoxes, pixelsIn(image, QRectF(QPointF(), size), isCurve));
                const QRectF plot = picture.plotArea();
                if (ratio == 1.0) {
                    plotAtRatio1 = plot;
                }
                EXPECT_EQ(plot, plotAtRatio1);
                EXPECT_DOUBLE_EQ(picture.mapX(xAxis.minimum), plot.left());
                EXPECT_DOUBLE_EQ(picture.mapX(xAxis.maximum), plot.right());
                EXPECT_DOUBLE_EQ(picture.mapY(yAxis.minimum), plot.bottom());
                EXPECT_DOUBLE_EQ(picture.mapY(yAxis.maximum), plot.top());
                EXPECT_TRUE(QRectF(QPointF(), size).contains(plot));
                EXPECT_GT(plot.width(), size.width() * 0.5);
            }
        }
    }
}

TEST(GraphPicture, DegenerateAxesAndPicturesStillDrawAndMap) {
    Chart flat = markerChart(5, 5, 125); // an x range of nothing, and an inverted y range
    flat.yAxis().minimum = 10;
    flat.yAxis().maximum = -10;
    flat.append(std::nan(""), 3);
    Chart unknown = markerChart(std::nan(""), 1, std::numeric_limits<double>::infinity());
    unknown.append(0.5, 0.5);
    GraphPicture picture;
    for (const Chart* chart : {&flat, &unknown}) {
        for (const QSize size : {QSize(1, 1), QSize(), QSize(700, 300)}) {
            QImage image = size.isEmpty() ? QImage() : blankPicture(size);
            picture.draw(*chart, RegressionLine{1e300, 0, 1}, image); // far outside the picture
            EXPECT_TRUE(std::isfinite(picture.mapX(1)) && std::isfinite(picture.mapY(1)));
        }
        EXPECT_TRUE(picture.lineEnds());
    }
    EXPECT_LT(picture.mapX(5), picture.mapX(6));
    EXPECT_GT(picture.mapY(1), picture.mapY(3));
}

TEST(GraphPicture, TickLabelsAreWrittenInTheLocalesNumbersApartInsideAndUpToTheAxisEnd) {
    // An axis end that is no tick is labelled too; the label below gives way only when they touch.
    for (const QLocale& locale :
         {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::C)}) {
        const DefaultLocale useLocale(locale);
        for (const double end : {0.02, 148.0, 260.0, 173.0}) {
            Chart chart = markerChart(0, end, end < 1 ? 12000 : end);
            for (const QSize size : {QSize(300, 150), QSize(700, 260), QSize(1600, 700)}) {
                SCOPED_TRACE(testing::Message()
                             << locale.name().toStdString() << " " << end << " " << size.width());
                GraphPicture picture;
                QImage image = blankPicture(size);
                picture.draw(chart, std::nullopt, image);
                for (const auto* ticks : {&picture.xTicks(), &picture.yTicks()}) {
                    const bool horizontal = ticks == &picture.xTicks();
                    const ChartAxis& axis = horizontal ? chart.xAxis() : chart.yAxis();
                    ASSERT_GE(ticks->size(), 3u);
                    const GraphPicture::Tick& last = ticks->back();
                    EXPECT_EQ(last.value, axis.maximum);
                    const QRectF lastApart = last.labelRect.adjusted(-2, -2, 2, 2);
                    for (size_t i = 0; i < ticks->size(); ++i) {
                        const GraphPicture::Tick& tick = (*ticks)[i];
                        const std::string label = tick.label.toStdString();
                        EXPECT_DOUBLE_EQ(tick.position, horizontal ? picture.mapX(tick.value)
                                                                   : picture.mapY(tick.value));
                        if (tick.label.isEmpty()) {
                            EXPECT_EQ(i + 2, ticks->size()) << tick.value;
                            EXPECT_TRUE(tick.labelRect.intersects(lastApart)) << tick.value;
                            continue;
                        }
                        EXPECT_TRUE(QRectF(QPointF(), size).contains(tick.labelRect)) << label;
                        EXPECT_GT(pixelsIn(image, tick.labelRect, isText), 3) << label;
                        EXPECT_FALSE(tick.label.contains(locale.groupSeparator())) << label;
                        EXPECT_EQ(tick.label.contains(locale.decimalPoint()), axis.maximum < 1)
                            << label;
                        if (horizontal) {
                            EXPECT_NEAR(tick.labelRect.center().x(), tick.position, 1.0);
                        }
                        if (i > 0 && !(*ticks)[i - 1].label.isEmpty()) {
                            EXPECT_FALSE((*ticks)[i - 1].labelRect.intersects(tick.labelRect))
                                << label;
                        }
                    }
                    if (axis.maximum > 1) {
                        EXPECT_EQ(last.label, QString::number(axis.maximum)); // "12000"
                    }
                }
                EXPECT_DOUBLE_EQ(picture.yTicks().back().position, picture.plotArea().top());
            }
        }
    }
}

TEST(GraphPicture, FittedAxesRunFromZeroToAWholeStepAboveTheLargestValue) {
    // An area sweep: 0.6 to 8.1 impacts per second against 1/area, on axes made for 0..100.
    Chart chart = markerChart(0, 0.02, 100);
    for (const auto& [x, y] : {std::pair{0.002, 0.6}, {0.005, 2.0}, {0.01, 4.2}, {0.02, 8.1}}) {
        chart.append(x, y);
    }
    GraphPicture picture;
    picture.setFitToData(true);
    for (const QSize size : {QSize(800, 500), QSize(300, 150)}) {
        SCOPED_TRACE(size.width());
        QImage image = blankPicture(size);
        picture.draw(chart, RegressionLine{416, -0.127, 0.998}, image);
        const GraphLayout& layout = picture.layout();
        for (const AxisScale* scale : {&layout.xScale(), &layout.yScale()}) {
            EXPECT_EQ(scale->minimum(), 0.0);
            EXPECT_TRUE(scale->endsOnTick());
        }
        EXPECT_GE(layout.yScale().maximum(), 8.1);
        EXPECT_LT(layout.yScale().maximum(), 8.1 + layout.yScale().step());
        EXPECT_NEAR(layout.xScale().maximum(), 0.02, 1e-12);
        // The largest value stands high in the plot, not on its floor.
        EXPECT_LT(picture.mapY(8.1) - picture.plotArea().top(), picture.plotArea().height() * 0.2);
        // The line spans the axis as drawn.
        ASSERT_TRUE(picture.lineEnds());
        EXPECT_DOUBLE_EQ(picture.lineEnds()->x1(), picture.plotArea().left());
        EXPECT_DOUBLE_EQ(picture.lineEnds()->x2(), picture.plotArea().right());
    }
    // The window keeps the chart's own axes.
    GraphPicture window;
    QImage image = blankPicture(QSize(800, 500));
    window.draw(chart, std::nullopt, image);
    EXPECT_EQ(window.layout().yScale().maximum(), 100.0);
}

namespace {

/// The regression line's pure red, allowing for its edge smoothing (a light red is no match).
bool isLineRed(QRgb p) {
    return qRed(p) > 240 && qGreen(p) < 16 && qBlue(p) < 16;
}

class GraphPlotterTest : public ::testing::Test {
protected:
    GraphPlotterTest() {
        plotter.resize(700, 260);
        chart.xAxis() = {QStringLiteral("Vozavero"), QStringLiteral("-"), 2, 50};
        chart.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), 0, 120};
        for (double x : {5.0, 20.0, 35.0, 48.0}) {
            chart.append(x, 2 * x + 10);
        }
    }
    GraphPlotter plotter;
    chart::Chart chart{QStringLiteral("pressureCountChart")};
};

TEST_F(GraphPlotterTest, LineRunsBetweenTheAxisEndsAndTheEquationAvoidsThePointsAtAnyRatio) {
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        plotter.setPixelRatio(ratio);
        plotter.redraw(chart, RegressionLine{2, 10, 1});
        const QImage& picture = plotter.picture();
        EXPECT_EQ(picture.size(), QSize(700, 260) * ratio);
        const auto& m = plotter.mapping();
        const auto ends = plotter.lineEnds();
        ASSERT_TRUE(ends);
        EXPECT_EQ(*ends, QLineF(m.mapX(2), m.mapY(14), m.mapX(50), m.mapY(110)));
        EXPECT_GT(ends->y1(), ends->y2()); // rising: higher values further up
        EXPECT_GT(pixelsIn(picture, around(ends->center(), 6), isLineRed), 0);

        const QRect box = plotter.equationRect();
        ASSERT_FALSE(box.isEmpty());
        EXPECT_TRUE(m.plotArea().contains(QRectF(box)));
        for (const QPointF& p : chart.points()) {
            EXPECT_FALSE(
                QRectF(box).adjusted(-4, -4, 4, 4).contains({m.mapX(p.x()), m.mapY(p.y())}))
                << p.x();
        }
    }
}

TEST_F(GraphPlotterTest, ARightClickOrAFingerHeldStillAsksForTheMenuAndIsNoClickAResizeRedraws) {
    QSignalSpy clicked(&plotter, &GraphPlotter::clicked);
    QSignalSpy menu(&plotter, &GraphPlotter::menuRequested);
    plotter.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plotter));
    // Through the window, which turns a right press into a context menu event.
    QTest::mouseClick(plotter.windowHandle(), Qt::RightButton, {}, QPoint(30, 40));
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.takeFirst().at(0).toPoint(), plotter.mapToGlobal(QPoint(30, 40)));

    static QPointingDevice* screen = QTest::createTouchDevice();
    const QPoint at(200, 100);
    const int hold = QGuiApplication::styleHints()->mousePressAndHoldInterval();
    QTest::touchEvent(&plotter, screen).press(0, at, &plotter);
    QTest::qWait(hold / 2); // a tap, lifted early, stays a click
    QTest::touchEvent(&plotter, screen).release(0, at, &plotter);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(menu.count(), 0);

    QTest::touchEvent(&plotter, screen).press(0, at, &plotter);
    EXPECT_TRUE(menu.wait(hold * 3));
    QTest::touchEvent(&plotter, screen).release(0, at, &plotter);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.takeFirst().at(0).toPoint(), plotter.mapToGlobal(at));
    EXPECT_EQ(clicked.count(), 1);

    // A mouse held still is a click, as it always was.
    QTest::mousePress(&plotter, Qt::LeftButton, {}, at);
    QTest::qWait(hold * 3 / 2);
    QTest::mouseRelease(&plotter, Qt::LeftButton, {}, at);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(menu.count(), 0);
    plotter.resize(400, 300);
    EXPECT_EQ(plotter.picture().size(), QSize(400, 300));
}

} // namespace
} // namespace vozavero
