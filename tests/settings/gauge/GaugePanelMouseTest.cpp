// Presses and drags on the gauges, sent through the panel's window so that the toolkit picks the
// widget under the pointer and keeps delivering a drag to the widget it started on, as it does
// for a real mouse or a finger on the board.
#include "GaugePanel.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>

using namespace vozavero;

namespace {

class GaugeMouse : public ::testing::Test {
protected:
    /// A shown panel at 96 dpi (box 225 px, bar left 8 px, so u = 209; impacts: left 4, u = 217)
    /// with the scale captions start-up gives it.
    std::unique_ptr<GaugePanel> shown(GaugeId id) {
        auto panel = std::make_unique<GaugePanel>(id, Twips{});
        if (id == GaugeCount) {
            panel->setScaleCaptions("2", "25", "50");
        }
        panel->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
        return panel;
    }
    /// Window points x pixels right of the box's or the bar's left edge.
    static QPoint inBox(const GaugePanel& g, int x) {
        return g.box()->mapTo(&g, QPoint(x, g.box()->height() / 2));
    }
    static QPoint onBar(const GaugePanel& g, int x) {
        return g.bar()->mapTo(&g, QPoint(x, g.bar()->height() / 2));
    }
    static void press(GaugePanel& g, QPoint at) {
        QTest::mousePress(g.windowHandle(), Qt::LeftButton, {}, at);
    }
    static void moveTo(GaugePanel& g, QPoint at) { QTest::mouseMove(g.windowHandle(), at); }
    static void release(GaugePanel& g, QPoint at) {
        QTest::mouseRelease(g.windowHandle(), Qt::LeftButton, {}, at);
    }
    static void click(GaugePanel& g, QPoint at) {
        press(g, at);
        release(g, at);
    }
};

TEST_F(GaugeMouse, PressesAtTheEndsOfTheCountBoxGiveItsRange) {
    auto g = shown(GaugeCount);
    QSignalSpy spy(g.get(), &GaugePanel::barSet);
    click(*g, inBox(*g, 1)); // left of the bar's left edge
    EXPECT_EQ(g->barWidth(), 1.0);
    EXPECT_EQ(g->valueFromBar(), 2.0);
    click(*g, inBox(*g, g->box()->width() - 1)); // past the usable length
    EXPECT_EQ(g->barWidth(), g->usableLength());
    EXPECT_EQ(g->valueFromBar(), 50.0);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<GaugeId>(), GaugeCount);
}

TEST_F(GaugeMouse, PressInTheMiddleOfTheVolumeBoxGivesAboutTheMiddleValue) {
    auto g = shown(GaugeVolume);
    // One pixel of the 209-pixel bar is worth 450 / 209 = 2.15 volume units and the pointer
    // stands on whole pixels: 275 itself (104.5 px) lies between two of them, so the value lands
    // within one pixel's worth of it (274 at 104 px, 276 at 105 px).
    click(*g, inBox(*g, g->bar()->x() + 104));
    EXPECT_EQ(g->barWidth(), 104.0);
    EXPECT_NEAR(g->valueFromBar(), 275.0, 450.0 / g->usableLength());
}

TEST_F(GaugeMouse, PressOnTheBarShortensItAndItsFirstPixelGivesWidthOne) {
    auto g = shown(GaugeSpeed);
    g->showOnBar(30, 30);
    click(*g, onBar(*g, 60));
    EXPECT_EQ(g->barWidth(), 60.0);
    click(*g, onBar(*g, 0));
    EXPECT_EQ(g->barWidth(), 1.0);
    EXPECT_EQ(g->bar()->width(), 1);
}

TEST_F(GaugeMouse, DraggingTheCountBarSetsAValueAtEveryMoveAndStaysWithTheBar) {
    auto g = shown(GaugeCount);
    g->showOnBar(10, 50);
    std::vector<double> values;
    QObject::connect(g.get(), &GaugePanel::barSet,
                     [&values, &g](GaugeId) { values.push_back(g->valueFromBar()); });
    // Points are taken before the drag; the bar's left edge stays put while it grows. Past the
    // bar's right end and over the box's left border the drag still belongs to the bar.
    const QPoint path[] = {onBar(*g, 60), onBar(*g, 120), onBar(*g, 215), inBox(*g, 2)};
    press(*g, onBar(*g, 20));
    for (const QPoint& p : path) {
        moveTo(*g, p);
    }
    release(*g, path[3]);

    ASSERT_EQ(values.size(), 5u);
    EXPECT_LT(values[0], values[1]);
    EXPECT_LT(values[1], values[2]);
    EXPECT_EQ(values[3], 50.0); // 215 px is cut to the usable length
    EXPECT_EQ(values[4], 2.0);  // left of the bar's left edge: width 1
}

TEST_F(GaugeMouse, ImpactGaugeIgnoresDragsThatStartOnItsBox) {
    auto g = shown(GaugeImpacts);
    QObject::connect(g.get(), &GaugePanel::barSet, g.get(), &GaugePanel::placeMarkAtBarEnd);
    EXPECT_FALSE(g->pressureMark()->isVisible());
    QSignalSpy spy(g.get(), &GaugePanel::barSet);

    press(*g, inBox(*g, 100)); // a press on the box does count: width 100 - 4
    EXPECT_EQ(g->barWidth(), 96.0);
    EXPECT_TRUE(g->pressureMark()->isVisible());
    const int markX = g->pressureMark()->x();
    moveTo(*g, inBox(*g, 180));
    moveTo(*g, inBox(*g, 40)); // now over the bar, but the drag belongs to the box
    release(*g, inBox(*g, 40));

    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(g->barWidth(), 96.0);
    EXPECT_EQ(g->pressureMark()->x(), markX);
}

TEST_F(GaugeMouse, ImpactGaugeFollowsDragsOnItsBarAndTheMarkMovesAlong) {
    auto g = shown(GaugeImpacts);
    QObject::connect(g.get(), &GaugePanel::barSet, g.get(), &GaugePanel::placeMarkAtBarEnd);
    g->showOnBar(300, 300);
    const auto markCentre = [&g] {
        return g->pressureMark()->x() + g->pressureMark()->width() / 2.0;
    };
    press(*g, onBar(*g, 50));
    EXPECT_DOUBLE_EQ(markCentre(), g->bar()->x() + 50.0);
    moveTo(*g, onBar(*g, 120));
    EXPECT_EQ(g->barWidth(), 120.0);
    EXPECT_DOUBLE_EQ(markCentre(), g->bar()->x() + 120.0);
    release(*g, onBar(*g, 120));

    g->showOnBar(30, 300); // the next interval redraws the bar; the mark stays
    EXPECT_DOUBLE_EQ(markCentre(), g->bar()->x() + 120.0);
}

TEST_F(GaugeMouse, MovesWithoutAButtonHeldChangeNothing) {
    auto g = shown(GaugeCount);
    g->showOnBar(25, 50);
    QSignalSpy spy(g.get(), &GaugePanel::barSet);
    for (QWidget* target : {static_cast<QWidget*>(g->bar()), static_cast<QWidget*>(g->box())}) {
        QMouseEvent hover(QEvent::MouseMove, QPointF(30, 5), target->mapToGlobal(QPointF(30, 5)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &hover);
    }
    EXPECT_EQ(spy.count(), 0);
    EXPECT_DOUBLE_EQ(g->barWidth(), 25.0 * 209.0 / 50.0);
}

} // namespace
