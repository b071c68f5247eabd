// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The gauges as the user meets them: presses, drags, pens and keys through the panel's window,
// every value of a scale through the pointer rule, the bar and the read-out.
#include "DefaultLocale.h"
#include "GaugePanel.h"
#include "NumberText.h"
#include "ValueControl.h"

#include <QApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QTabletEvent>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace vozavero;

namespace {

/// A shown panel at 96 dpi (bar left 8 px, u = 209; impacts: left 4, u = 217), scaled as at start.
std::unique_ptr<GaugePanel> shown(GaugeId id) {
    auto panel = std::make_unique<GaugePanel>(id, Twips{});
    if (const Quantity* q = Quantity::ofGauge(id); q != nullptr && id != GaugeVolume) {
        panel->setScale(GaugeScale::ofRange(q->gauge));
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

QPoint inBox(const GaugePanel& g, int x) {
    return g.box()->mapTo(&g, QPoint(x, g.box()->height() / 2));
}
QPoint onBar(const GaugePanel& g, int x) {
    return g.bar()->mapTo(&g, QPoint(x, g.bar()->height() / 2));
}

void mouse(GaugePanel& g, QTest::MouseAction action, QPoint at) {
    QTest::mouseEvent(action, g.windowHandle(), Qt::LeftButton, {}, at);
}

} // namespace

TEST(GaugeMouse, ClicksAndDragsSetAValueAtEveryMoveWithinOneAndTheUsableLength) {
    auto g = shown(GaugeCount);
    QSignalSpy spy(g.get(), &GaugePanel::barSet);
    mouse(*g, QTest::MouseClick, inBox(*g, g->box()->width() - 1)); // past the usable length
    EXPECT_EQ(g->barWidth(), g->usableLength());
    EXPECT_EQ(spy.at(0).at(0).value<GaugeId>(), GaugeCount);
    g->showOnBar(10, 50);
    std::vector<double> values;
    QObject::connect(g.get(), &GaugePanel::barSet,
                     [&values, &g](GaugeId) { values.push_back(g->valueFromBar()); });
    // Points are taken before the drag; the bar's left edge stays put while it grows. Past the
    // bar's right end and over the box's left border the drag still belongs to the bar.
    const QPoint path[] = {onBar(*g, 60), onBar(*g, 120), onBar(*g, 215), inBox(*g, 2)};
    mouse(*g, QTest::MousePress, onBar(*g, 20));
    for (const QPoint& p : path) {
        mouse(*g, QTest::MouseMove, p);
    }
    mouse(*g, QTest::MouseRelease, path[3]);
    mouse(*g, QTest::MouseMove, onBar(*g, 100)); // no button held: nothing changes
    ASSERT_EQ(values.size(), 5u);
    EXPECT_LT(values[0], values[1]);
    EXPECT_LT(values[1], values[2]);
    EXPECT_EQ(values[3], 50.0); // 215 px is cut to the usable length
    EXPECT_EQ(values[4], 2.0);  // left of the bar's left edge: width 1
    EXPECT_EQ(g->bar()->width(), 1);
}

TEST(GaugeMouse, ImpactGaugeIgnoresDragsFromItsBoxButFollowsThoseOnItsBar) {
    auto g = shown(GaugeImpacts);
    QObject::connect(g.get(), &GaugePanel::barSet, g.get(), &GaugePanel::placeMarkAtBarEnd);
    const auto markCentre = [&g] {
        return g->pressureMark()->x() + g->pressureMark()->width() / 2.0;
    };
    EXPECT_FALSE(g->pressureMark()->isVisible());
    QSignalSpy spy(g.get(), &GaugePanel::barSet);

    mouse(*g, QTest::MousePress, inBox(*g, 100)); // a press on the box does count: width 100 - 4
    EXPECT_EQ(g->barWidth(), 96.0);
    EXPECT_TRUE(g->pressureMark()->isVisible());
    const double markAfterPress = markCentre();
    mouse(*g, QTest::MouseMove, inBox(*g, 180));
    mouse(*g, QTest::MouseMove, inBox(*g, 40)); // now over the bar, but the drag belongs to the box
    mouse(*g, QTest::MouseRelease, inBox(*g, 40));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(g->barWidth(), 96.0);
    EXPECT_EQ(markCentre(), markAfterPress);

    g->showOnBar(300, 300);
    mouse(*g, QTest::MousePress, onBar(*g, 50));
    mouse(*g, QTest::MouseMove, onBar(*g, 120));
    mouse(*g, QTest::MouseRelease, onBar(*g, 120));
    EXPECT_EQ(g->barWidth(), 120.0);
    EXPECT_DOUBLE_EQ(markCentre(), g->bar()->x() + 120.0);
    g->showOnBar(30, 300); // the next interval redraws the bar; the mark stays
    EXPECT_DOUBLE_EQ(markCentre(), g->bar()->x() + 120.0);

    EXPECT_EQ(g->focusPolicy(), Qt::NoFocus); // no keys: the impacts are measured, never set
}

TEST(GaugeDisplay, BarAndReadOutFollowTheValueAndTheScaleCaptions) {
    auto g = std::make_unique<GaugePanel>(GaugeCount, Twips{});
    g->setScale(GaugeScale({2, 25, 50}));
    g->showOnBar(26, 50);
    EXPECT_DOUBLE_EQ(g->barWidth(), 26.0 / 50.0 * g->usableLength());
    EXPECT_EQ(g->bar()->width(), 109); // 108.68 drawn on whole pixels
    // Read back on the caption scale (2..50) the same bar stands for a little more than 26.
    EXPECT_EQ(g->valueFromBar(), 27.0);
    g->showOnBar(-3, 50);
    EXPECT_EQ(g->bar()->width(), 0);

    // The ends are taken whole; at one pixel per unit, ties round to the even value.
    g->setScale(GaugeScale({0, 104, 208.7}));
    EXPECT_EQ(g->maxLabel()->text(), numberText(208.7)); // shown as the number it maps with
    g->setBarWidth(62.5);
    EXPECT_EQ(g->valueFromBar(), 62.0);
    g->setBarWidth(63.5);
    EXPECT_EQ(g->valueFromBar(), 64.0);

    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    g->setValueText(7.5, 1);
    EXPECT_EQ(g->valueLabel()->text(), "7,5");
}

TEST(GaugeDisplay, EveryReachableReadOutShowsWholeBetweenCaptionAndBox) {
    // The widest values of each quantity: thousandths, under a German and an English locale.
    const struct {
        GaugeId id;
        std::vector<double> values;
    } cases[] = {{GaugeCount, {50, 49.999, 1.001, 6.5}},
                 {GaugeSpeed, {30, 29.999, 15.5}},
                 {GaugeVolume, {500, 499.999, 400.5, 250.5}}};
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const DefaultLocale useLocale(locale);
        for (const auto& c : cases) {
            GaugePanel g(c.id, Twips{});
            const QLabel* readout = g.valueLabel();
            const QLabel* caption = g.captionLabel();
            EXPECT_GT(readout->x(),
                      caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()))
                << c.id;
            EXPECT_LT(readout->geometry().right(), g.box()->x()) << c.id;
            for (const double value : c.values) {
                g.setValueText(value, 3);
                const QString text = readout->text();
                EXPECT_EQ(text, locale.toString(value)) << c.id;
                EXPECT_LE(QFontMetrics(readout->font()).horizontalAdvance(text),
                          readout->contentsRect().width())
                    << c.id << ' ' << text.toStdString();
            }
        }
    }

    // Digits beyond thousandths are rounded away rather than crowding the read-out.
    GaugePanel g(GaugeSpeed, Twips{});
    g.setValueText(2.00049, 9);
    EXPECT_EQ(g.valueLabel()->text(), "2");
}

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
        EXPECT_EQ(g->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(g.get(), Qt::Key_End);
        EXPECT_EQ(g->valueFromBar(), maximum);
    }
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
