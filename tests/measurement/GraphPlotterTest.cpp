// The graph surface: the regression line on the chart's own mapping, the placing of its
// equation, and the click and resize signals.
#include "GraphPlotter.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

// The line's colour, allowing for the edge smoothing of a slanted line.
bool isRed(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) < 16 && qBlue(pixel) < 16;
}

chart::Chart risingChart() {
    chart::Chart c(QStringLiteral("pressureCountChart"));
    c.xAxis() = {QStringLiteral("Vozavero"), QStringLiteral("-"), 2, 50};
    c.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), 0, 120};
    c.curve() = {Qt::blue, 2, 0, true, 1};
    for (double x : {5.0, 20.0, 35.0, 48.0}) {
        c.append(x, 2 * x + 10);
    }
    return c;
}

// Whether a red pixel lies within 2 pixels of p.
bool redNear(const QImage& image, QPointF p) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint q(qRound(p.x()) + dx, qRound(p.y()) + dy);
            if (image.rect().contains(q) && isRed(image.pixel(q))) {
                return true;
            }
        }
    }
    return false;
}

class GraphPlotterTest : public ::testing::Test {
protected:
    GraphPlotterTest() { plotter.resize(700, 260); }
    GraphPlotter plotter;
    chart::Chart chart = risingChart();
};

TEST_F(GraphPlotterTest, LineRunsFromAxisEndToAxisEndOnTheDrawnMapping) {
    plotter.redraw(chart, RegressionLine{2, 10, 1});
    ASSERT_EQ(plotter.picture().size(), QSize(700, 260));
    const auto& m = plotter.mapping();
    const auto ends = plotter.lineEnds();
    ASSERT_TRUE(ends);
    EXPECT_DOUBLE_EQ(ends->x1(), m.mapX(2));
    EXPECT_DOUBLE_EQ(ends->y1(), m.mapY(14));
    EXPECT_DOUBLE_EQ(ends->x2(), m.mapX(50));
    EXPECT_DOUBLE_EQ(ends->y2(), m.mapY(110));
    EXPECT_LT(ends->x1(), ends->x2());
    EXPECT_GT(ends->y1(), ends->y2()); // rising: higher values further up

    int found = 0;
    for (double t : {0.1, 0.3, 0.5, 0.7, 0.9}) {
        const QPointF p = ends->pointAt(t);
        if (!plotter.equationRect().contains(p.toPoint())) {
            EXPECT_TRUE(redNear(plotter.picture(), p)) << "t = " << t;
            ++found;
        }
    }
    EXPECT_GE(found, 3);
}

TEST_F(GraphPlotterTest, SteepLineLeavesTheAxesAndIsClippedByThePicture) {
    plotter.redraw(chart, RegressionLine{10, 0, 1}); // y(50) = 500, far above the axis
    const auto ends = plotter.lineEnds();
    ASSERT_TRUE(ends);
    EXPECT_LT(ends->y2(), 0);
    bool redOnTopRow = false;
    for (int x = 0; x < plotter.picture().width(); ++x) {
        redOnTopRow = redOnTopRow || isRed(plotter.picture().pixel(x, 0));
    }
    EXPECT_TRUE(redOnTopRow);
}

TEST_F(GraphPlotterTest, EquationStaysInsideThePlotAreaAwayFromThePoints) {
    plotter.redraw(chart, RegressionLine{2, 10, 1});
    const QRect box = plotter.equationRect();
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(plotter.mapping().plotArea().contains(QRectF(box)));
    for (const QPointF& p : chart.points()) {
        const QPointF pixel(plotter.mapping().mapX(p.x()), plotter.mapping().mapY(p.y()));
        EXPECT_FALSE(QRectF(box).adjusted(-4, -4, 4, 4).contains(pixel)) << p.x();
    }
}

TEST_F(GraphPlotterTest, NoLineNoEquation) {
    plotter.redraw(chart, RegressionLine{2, 10, 1});
    plotter.redraw(chart, std::nullopt);
    EXPECT_FALSE(plotter.lineEnds());
    EXPECT_TRUE(plotter.equationRect().isNull());
}

TEST(GraphPlotterPlacement, PrefersFreeCornersThenCornersTheLineMisses) {
    const QRectF area(50, 10, 600, 200);
    const QSize box(200, 30);
    const QRect topLeft(56, 16, 200, 30);
    const QRect topRight(444, 16, 200, 30);
    const QRect bottomRight(444, 174, 200, 30);
    const QRect bottomLeft(56, 174, 200, 30);
    EXPECT_EQ(GraphPlotter::placeEquation(area, box, {}, std::nullopt), topLeft);

    // A point in the top left, and a rising line through the top right corner.
    const QLineF rising(50, 210, 650, 10);
    EXPECT_EQ(GraphPlotter::placeEquation(area, box, {{100, 30}}, rising), bottomRight);

    // Every corner covered: the one with fewest points wins, even if the line crosses it.
    const std::vector<QPointF> points = {{100, 30},  {120, 30},  {500, 30},  {500, 190},
                                         {510, 190}, {100, 190}, {110, 190}, {120, 190}};
    EXPECT_EQ(GraphPlotter::placeEquation(area, box, points, rising), topRight);
    EXPECT_NE(GraphPlotter::placeEquation(area, box, points, std::nullopt), bottomLeft);
}

TEST_F(GraphPlotterTest, LeftClickAsksForTheNextViewAndResizeRenewsThePicture) {
    QSignalSpy clicked(&plotter, &GraphPlotter::clicked);
    QSignalSpy resized(&plotter, &GraphPlotter::resized);
    plotter.show();
    QTest::mouseClick(&plotter, Qt::RightButton);
    EXPECT_EQ(clicked.count(), 0);
    QTest::mouseClick(&plotter, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    resized.clear();
    plotter.resize(400, 300);
    EXPECT_GE(resized.count(), 1);
    EXPECT_EQ(plotter.picture().size(), QSize(400, 300));
}

} // namespace
} // namespace vozavero
