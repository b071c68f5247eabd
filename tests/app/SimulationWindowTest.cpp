// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The running simulation through the real window: cylinder, syringe and piston under the mouse
// reach every place the volume shows; the interval choices and the live read-out; a closed interval
// reaches the read-outs, the gauge and the graph, one held up by a stall is not recorded; the
// regression line follows its button, a page click and a restart.
#include "AppFixture.h"
#include "DefaultLocale.h"
#include "GraphPlotter.h"

#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace vozavero {

class SimulationWindowTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    QWidget* bild() const { return find("Bild"); }
    QWidget* piston() const { return find("pic_Schieber"); }
    /// The gas space is width wide in the model, the engine, the drawing and the read-out.
    void expectWidth(double width) const {
        SCOPED_TRACE(width);
        EXPECT_EQ(window->experiment().cylinderWidth(), width);
        EXPECT_EQ(window->experiment().engine().engineCopy().pistonPosition,
                  static_cast<float>(width));
        EXPECT_EQ(bild()->width(), static_cast<int>(std::nearbyint(width)));
        EXPECT_EQ(piston()->x(), bild()->x() + bild()->width());
        EXPECT_EQ(text("AnzT(3)"), QLocale().toString(width));
    }
};

TEST_F(SimulationWindowTest, CylinderSyringeAndPistonMoveTheVolumeByTheirRules) {
    QWidget* syringe = find("frm_Kolben");
    const double left = bild()->x();
    const double top = bild()->y();
    const struct {
        QWidget* target;
        QPointF at;
        double width;
    } presses[] = {
        {bild(), {30, 40}, 50},
        {bild(), {0, 40}, 50}, // left of the first pixel: nothing
        {bild(), {123.4, 40}, 123},
        {syringe, {left + 450.0, top + 10.0}, 450},
        {syringe, {left + 100.0, top - 5.0}, 450}, // above and below the gas: nothing
        {syringe, {left + 100.0, top + bild()->height() + 3.0}, 450},
        {syringe, {left + 300.5, top + 20.0}, 300}, // a tie goes to the even pixel
        {syringe, {left + 10.0, top + 10.0}, 50},   // clamped to the smallest volume
    };
    for (const auto& p : presses) {
        press(p.target, p.at);
        expectWidth(p.width);
    }
    // A drag that started inside keeps the pointer and can pull the piston out again.
    mouse(bild(), QEvent::MouseButtonPress, {20, 40});
    drag(bild(), {320, 40});
    mouse(bild(), QEvent::MouseButtonRelease, {320, 40});
    expectWidth(320);

    // The piston jumps once by the grab offset, then follows the pointer.
    press(syringe, {left + 250.0, top + 10.0});
    mouse(piston(), QEvent::MouseButtonPress, {10, 60});
    expectWidth(260);
    drag(piston(), {0, 60}); // the pointer has not moved on screen; the piston has moved under it
    expectWidth(260);
    drag(piston(), {30.7, 60});
    mouse(piston(), QEvent::MouseButtonRelease, {30.7, 60});
    expectWidth(291);

    // A half-pixel automatic step is kept so that such a series moves on; drawn, it is rounded.
    AutomaticChoice halfPixel;
    halfPixel.step[kVolumeSlot] = 0.5;
    window->experiment().confirmAutomaticChoice(halfPixel, {5, 2, 291});
    window->experiment().automaticStep(kVolumeSlot);
    expectWidth(291.5);
}

TEST_F(SimulationWindowTest,
       AClosedIntervalReachesReadoutsGaugeAndGraphAndOneHeldUpByAStallIsDiscarded) {
    window->experiment().setMeasuringInterval(2);
    auto* plotter = find<GraphPlotter>("PLOTTER");
    const auto top = [plotter] { return plotter->mapping().plotArea().top(); };
    ExperimentProbe::setImpactCount(window->experiment(), 80);
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "0"); // still running
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "40");
    EXPECT_NEAR(plotter->mapping().mapY(100), top(), 0.5);
    closeInterval(250); // raises the scale to 125; the graph follows at the next interval
    EXPECT_EQ(QStringList({text("ANZ(4)"), text("SCROLLSKALA(2)"), text("SCROLLMAX(2)")}),
              QStringList({"125", "62", "125"}));
    GaugePanel* g = window->settingsPanel().gauge(GaugeImpacts);
    EXPECT_NEAR(g->barWidth(), g->usableLength(), 0.5);
    closeInterval(80);
    EXPECT_NEAR(plotter->mapping().mapY(125), top(), 0.5);

    // Nothing ran for 30 s (a long print) before the tick that would close the interval: it is
    // discarded, a fresh one of two whole seconds follows. Dialogs held open are the soak's.
    window->timers().loop()->start();
    advance(1.0);
    ASSERT_EQ(window->experiment().intervalTicks(), 1);
    const chart::Chart& timeline = window->experiment().charts().pressureTimeChart();
    const int rows = timeline.count();
    clock.advance(30.0);
    window->timers().measuringTick();
    EXPECT_EQ(window->experiment().engine().impactCount(), 0);
    EXPECT_EQ(timeline.count(), rows);
    advance(2.1);
    EXPECT_EQ(timeline.count(), rows + 1);
    EXPECT_EQ(window->experiment().stepSize(), 1);
}

TEST_F(SimulationWindowTest, IntervalChoicesAgreeAndTheLiveRateIsCutWithTheUsersSeparator) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    window->timers().loop()->start();
    trigger("mnu_OptionsIntervalSel(4)");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 4);
    }
    auto* popup = find<QMenu>("mnu_OptionsInterval");
    QTest::mousePress(find("ANZ(1)"), Qt::RightButton);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    QTest::keyClick(find("ANZ(1)"), Qt::Key_Space);
    EXPECT_TRUE(popup->isVisible());
    popup->actions().at(2)->trigger();
    popup->hide();
    ExperimentProbe::setImpactCount(window->experiment(), 11);
    advance(0.15);
    EXPECT_EQ(QStringList({text("ANZ(0)"), text("ANZ(1)"), text("ANZ(2)"),
                           find("ANZ(1)")->accessibleName()}),
              QStringList({"11", "3 Sek.", "3,6", "Intervall: 3 Sek."})); // 3.67 cut, not rounded
}

TEST_F(SimulationWindowTest, RegressionLineFollowsTheButtonAndVanishesOnAPageClickAndRestart) {
    auto* button = find<QPushButton>("but_LinearRegression(2)");
    button->click();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].startsWith("Du kannst erst eine Ausgleichsgerade"));
    for (double n : {5.0, 10.0, 20.0, 40.0}) {
        setCount(n);
        closeInterval(static_cast<int>(n * 5 * 2)); // rate 2 * n
    }
    button->click();
    auto* plotter = find<GraphPlotter>("PLOTTER");
    ASSERT_TRUE(plotter->lineEnds().has_value());
    const double x1 = window->experiment().charts().pressureCountChart().xAxis().minimum;
    EXPECT_NEAR(plotter->lineEnds()->y1(), plotter->mapping().mapY(2 * x1), 0.5); // slope 2
    QTabBar* bar = find<QTabWidget>("tab_View")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center()); // the page shown
    EXPECT_FALSE(plotter->lineEnds().has_value());

    button->click();
    ASSERT_TRUE(plotter->lineEnds().has_value());
    find<QPushButton>("but_Reset")->click();
    EXPECT_FALSE(plotter->lineEnds().has_value());
    EXPECT_EQ(window->experiment().charts().pressureCountChart().count(), 0);
    EXPECT_EQ(text("AnzT(1)"), "5");
}

} // namespace vozavero
