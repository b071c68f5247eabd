// The gauge for other hands than the mouse's: step keys turned into target values, every value
// of a scale reached through the pointer rule, pens and fingers, and the focus mark.
#include "GaugePanel.h"
#include "ValueControl.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace vozavero;

namespace {

std::unique_ptr<GaugePanel> shown(GaugeId id) {
    auto panel = std::make_unique<GaugePanel>(id, Twips{});
    if (const Quantity* q = Quantity::ofGauge(id); q != nullptr && id != GaugeVolume) {
        panel->setScale(GaugeScale::ofRange(q->gauge)); // the run-time captions start-up sets
    }
    panel->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    return panel;
}

/// A pen pressed down (or moved with its tip down) at a fractional position of w.
void pen(QWidget* w, QEvent::Type type, QPointF at) {
    static const QPointingDevice device(
        "pen", 7, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
        QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 3);
    QTabletEvent e(type, &device, at, w->mapToGlobal(at), 0.5, 0, 0, 0, 0, 0, Qt::NoModifier,
                   Qt::LeftButton, type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(GaugeKeys, StepKeysGiveWholeTargetsWithinTheRange) {
    struct Case {
        int key;
        double current, expected;
    };
    // Count scale 2..50: a page is 4.8, taken as 5.
    const Case cases[] = {
        {Qt::Key_Right, 5, 6},      {Qt::Key_Up, 5, 6},      {Qt::Key_Left, 5, 4},
        {Qt::Key_Down, 5, 4},       {Qt::Key_PageUp, 5, 10}, {Qt::Key_PageDown, 5, 2},
        {Qt::Key_Home, 17, 2},      {Qt::Key_End, 17, 50},   {Qt::Key_Right, 50, 50},
        {Qt::Key_Right, 7.5, 8},    {Qt::Key_Left, 7.5, 7},  {Qt::Key_PageUp, 7.5, 12},
        {Qt::Key_PageDown, 7.5, 3}, {Qt::Key_Left, 1, 2}, // a setting below the gauge's range
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stepKeyTarget(c.key, c.current, 2, 50), c.expected)
            << c.key << " from " << c.current;
    }
    EXPECT_EQ(stepKeyTarget(Qt::Key_PageUp, 250, 50, 500), 295);   // page 45
    EXPECT_EQ(stepKeyTarget(Qt::Key_PageDown, 2, 1, 30), 1);       // page 2.9 taken as 3
    EXPECT_EQ(stepKeyTarget(Qt::Key_PageUp, 0, 0, 4), 1);          // at least one unit
    EXPECT_EQ(stepKeyTarget(Qt::Key_Tab, 5, 2, 50), std::nullopt); // not a step key
    EXPECT_EQ(stepKeyTarget(Qt::Key_Right, std::nan(""), 2, 50), 2);
}

TEST(GaugeKeys, EveryValueOfEachScaleIsReachedThroughThePointerRule) {
    // One pixel of the volume bar is more than two units, so only a position between whole
    // pixels gives some values; the pointer rule must keep the fraction to reach them.
    for (const GaugeId id : {GaugeCount, GaugeSpeed, GaugeVolume}) {
        auto g = shown(id);
        QSignalSpy applied(g.get(), &GaugePanel::barSet);
        const double minimum = g->controlMinimum();
        const double maximum = g->controlMaximum();
        for (double v = minimum; v <= maximum; ++v) {
            g->setControlValue(v);
            ASSERT_EQ(g->valueFromBar(), v) << id;
            EXPECT_GT(g->barWidth(), 0.0);
            EXPECT_LE(g->barWidth(), g->usableLength());
        }
        EXPECT_EQ(applied.count(), maximum - minimum + 1);
        g->setControlValue(minimum - 10.6); // out of range and fractional: clamped and rounded
        EXPECT_EQ(g->valueFromBar(), minimum);
        g->setControlValue(std::nan(""));
        EXPECT_EQ(applied.count(), maximum - minimum + 2);
    }
}

TEST(GaugeKeys, KeysActOnlyOnGaugesThatSetAQuantity) {
    auto count = shown(GaugeCount);
    QSignalSpy spy(count.get(), &GaugePanel::barSet);
    EXPECT_EQ(count->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(count.get(), Qt::Key_End);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(count->valueFromBar(), 50);

    auto impacts = shown(GaugeImpacts);
    QSignalSpy impactSpy(impacts.get(), &GaugePanel::barSet);
    EXPECT_EQ(impacts->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(impacts.get(), Qt::Key_End);
    impacts->setControlValue(100);
    EXPECT_EQ(impactSpy.count(), 0);
    EXPECT_FALSE(impacts->pressureMark()->isVisible());
}

TEST(GaugePen, PenStrokesSetFractionalWidthsLikeTheMouseAndFollowTheImpactException) {
    auto g = shown(GaugeCount);
    pen(g->box(), QEvent::TabletPress, {g->bar()->x() + 40.5, 10});
    EXPECT_EQ(g->barWidth(), 40.5);
    pen(g->box(), QEvent::TabletMove, {g->bar()->x() + 80.75, 10});
    EXPECT_EQ(g->barWidth(), 80.75);
    pen(g->box(), QEvent::TabletRelease, {g->bar()->x() + 80.75, 10});
    // A pen hovering without touching the board sets nothing.
    QTabletEvent hover(QEvent::TabletMove, QPointingDevice::primaryPointingDevice(), {30, 10},
                       g->box()->mapToGlobal(QPointF(30, 10)), 0, 0, 0, 0, 0, 0, Qt::NoModifier,
                       Qt::NoButton, Qt::NoButton);
    QApplication::sendEvent(g->box(), &hover);
    EXPECT_EQ(g->barWidth(), 80.75);

    auto impacts = shown(GaugeImpacts);
    pen(impacts->box(), QEvent::TabletPress, {100.5, 10});
    EXPECT_EQ(impacts->barWidth(), 100.5 - impacts->bar()->x());
    pen(impacts->box(), QEvent::TabletMove, {150.5, 10}); // a drag over the box: ignored
    EXPECT_EQ(impacts->barWidth(), 100.5 - impacts->bar()->x());
}

TEST(GaugeFocus, AMarkShowsAroundTheBoxOnlyForKeyboardWork) {
    auto g = shown(GaugeSpeed);
    g->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(g.get()));
    const QPoint aboveBox = g->box()->geometry().topLeft() + QPoint(20, -2);
    const QRgb highlight = g->palette().color(QPalette::Highlight).rgb();
    const auto marked = [&] { return g->grab().toImage().pixel(aboveBox) == highlight; };
    g->clearFocus();
    g->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(g->hasFocus());
    EXPECT_FALSE(marked()); // a click alone
    QTest::keyClick(g.get(), Qt::Key_Right);
    EXPECT_TRUE(marked());
    g->clearFocus();
    EXPECT_FALSE(marked());
    g->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(marked());
}
