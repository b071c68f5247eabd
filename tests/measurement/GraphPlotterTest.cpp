// The graph surface: the regression line on the chart's own mapping, the placing of its
// equation, and the click, context menu and resize signals.
#include "GraphPlotter.h"

#include <QGuiApplication>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>

namespace vozavero {
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

TEST_F(GraphPlotterTest, LineRunsBetweenTheAxisEndsAndTheEquationAvoidsThePoints) {
    plotter.redraw(chart, RegressionLine{2, 10, 1});
    const auto& m = plotter.mapping();
    const auto ends = plotter.lineEnds();
    ASSERT_TRUE(ends);
    EXPECT_EQ(*ends, QLineF(m.mapX(2), m.mapY(14), m.mapX(50), m.mapY(110)));
    EXPECT_GT(ends->y1(), ends->y2()); // rising: higher values further up
    bool redNearMiddle = false;
    for (int dy = -2; dy <= 2; ++dy) {
        const QRgb p = plotter.picture().pixel(ends->center().toPoint() + QPoint(0, dy));
        redNearMiddle = redNearMiddle || isLineRed(p);
    }
    EXPECT_TRUE(redNearMiddle);

    const QRect box = plotter.equationRect();
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(m.plotArea().contains(QRectF(box)));
    for (const QPointF& p : chart.points()) {
        EXPECT_FALSE(QRectF(box).adjusted(-4, -4, 4, 4).contains({m.mapX(p.x()), m.mapY(p.y())}))
            << p.x();
    }

    plotter.redraw(chart, std::nullopt);
    EXPECT_FALSE(plotter.lineEnds());
    EXPECT_TRUE(plotter.equationRect().isNull());
}

TEST_F(GraphPlotterTest, AScaledScreenGetsAFinerPictureWithTheSameLogicalMapping) {
    plotter.redraw(chart, RegressionLine{2, 10, 1});
    const auto logicalEnds = plotter.lineEnds();
    const QRect logicalBox = plotter.equationRect();
    ASSERT_TRUE(logicalEnds);

    plotter.setPixelRatio(2.0);
    plotter.redraw(chart, RegressionLine{2, 10, 1});
    const QImage& picture = plotter.picture();
    EXPECT_EQ(picture.size(), QSize(1400, 520));
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(plotter.lineEnds(), logicalEnds);
    EXPECT_EQ(plotter.equationRect(), logicalBox);
    bool redNearMiddle = false; // the line lies at twice its logical position
    for (int dy = -3; dy <= 3; ++dy) {
        const QRgb p = picture.pixel((logicalEnds->center() * 2).toPoint() + QPoint(0, dy));
        redNearMiddle = redNearMiddle || isLineRed(p);
    }
    EXPECT_TRUE(redNearMiddle);
}

TEST_F(GraphPlotterTest, ARightClickOrAFingerHeldStillAsksForTheMenuAndIsNoClick) {
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
}

TEST_F(GraphPlotterTest, LeftClickAsksForTheNextViewAndResizeRenewsThePicture) {
    QSignalSpy clicked(&plotter, &GraphPlotter::clicked);
    plotter.show();
    QTest::mouseClick(&plotter, Qt::RightButton);
    QTest::mouseClick(&plotter, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    plotter.resize(400, 300);
    EXPECT_EQ(plotter.picture().size(), QSize(400, 300));
}

} // namespace
} // namespace vozavero
