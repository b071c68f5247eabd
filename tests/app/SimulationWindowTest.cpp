// The running simulation through the real window: cylinder, syringe and piston under the mouse
// reach the model and every place the volume shows; a change wakes the sleeping loop; a closed
// interval reaches the read-outs, the gauge and the graph, one held up by a stall is not recorded;
// the interval choices agree; the regression button draws the line a page click takes away.
#include "AppFixture.h"
#include "DefaultLocale.h"
#include "GraphPlotter.h"

#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <functional>

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
        EXPECT_EQ(window->experiment().settings().pistonPosition, static_cast<float>(width));
        EXPECT_EQ(window->experiment().engine().engineCopy().pistonPosition,
                  static_cast<float>(width));
        EXPECT_EQ(bild()->width(), static_cast<int>(std::nearbyint(width)));
        EXPECT_EQ(piston()->x(), bild()->x() + bild()->width());
        EXPECT_EQ(text("AnzT(3)"), QLocale().toString(width));
    }
};

TEST_F(SimulationWindowTest, CylinderSyringeAndPistonMoveTheVolumeByTheirRules) {
    press(bild(), {30, 40});
    expectWidth(50);
    press(bild(), {0, 40}); // left of the first pixel: nothing happens
    expectWidth(50);
    // A drag that started inside keeps the pointer and can pull the piston out again.
    mouse(bild(), QEvent::MouseButtonPress, {20, 40});
    drag(bild(), {320, 40});
    mouse(bild(), QEvent::MouseButtonRelease, {320, 40});
    expectWidth(320);
    press(bild(), {123.4, 40});
    expectWidth(123);

    QWidget* syringe = find("frm_Kolben");
    const int left = bild()->x();
    press(syringe, {left + 450.0, bild()->y() + 10.0});
    expectWidth(450);
    press(syringe, {left + 100.0, bild()->y() - 5.0}); // above and below the gas: nothing
    press(syringe, {left + 100.0, bild()->y() + bild()->height() + 3.0});
    expectWidth(450);
    press(syringe, {left + 300.5, bild()->y() + 20.0}); // a tie goes to the even pixel
    expectWidth(300);
    press(syringe, {left + 10.0, bild()->y() + 10.0}); // clamped to the smallest volume
    expectWidth(50);

    // The piston jumps once by the grab offset, then follows the pointer.
    press(syringe, {left + 250.0, bild()->y() + 10.0});
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

TEST_F(SimulationWindowTest, LiveReadoutShowsImpactsIntervalAndRateWithTheUsersSeparator) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    window->timers().loop()->start();
    advance(0.15);
    ExperimentProbe::setImpactCount(window->experiment(), 17);
    advance(0.15);
    EXPECT_EQ(text("ANZ(0)"), "17");
    EXPECT_EQ(text("ANZ(1)"), "5 Sek.");
    EXPECT_EQ(text("ANZ(2)"), "3,4");
    trigger("mnu_OptionsIntervalSel(2)");
    ExperimentProbe::setImpactCount(window->experiment(), 11);
    advance(0.15);
    EXPECT_EQ(text("ANZ(1)"), "3 Sek.");
    EXPECT_EQ(text("ANZ(2)"), "3,6"); // 3.67 cut to tenths, not rounded
}

TEST_F(SimulationWindowTest, AnIntervalHeldUpByAStalledEventLoopIsDiscardedUnrecorded) {
    // Held-open dialogs, where time goes on, are the soak's; here nothing ran for 30 s (a long
    // print) just before the tick that would close the interval.
    window->experiment().setMeasuringInterval(2);
    window->timers().loop()->start();
    advance(1.0);
    ASSERT_EQ(window->experiment().intervalTicks(), 1);
    const chart::Chart& timeline = window->experiment().charts().pressureTimeChart();
    clock.now += 30.0;
    window->timers().measuringTick();
    EXPECT_EQ(window->experiment().engine().impactCount(), 0);
    EXPECT_EQ(timeline.count(), 0);
    advance(2.1); // a fresh interval of two whole seconds follows
    EXPECT_EQ(timeline.count(), 1);
    EXPECT_EQ(window->experiment().stepSize(), 1);
}

TEST_F(SimulationWindowTest, WhatTheUserChangesWakesTheSleepingLoopAtOnce) {
    SimulationLoop* loop = window->timers().loop();
    loop->start();
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"count gauge",
         [this] {
             press(find("SCROLLBOX(0)"), {40, 10});
         }},
        {"piston key", [this] { QTest::keyClick(piston(), Qt::Key_PageDown); }},
        {"interval menu", [this] { trigger("mnu_OptionsIntervalSel(0)"); }}, // impacts per second
        {"closed interval", [this] { closeInterval(7); }},                   // counter cleared
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        clock.now += kTick;
        loop->runTick();
        ASSERT_GT(loop->nextTickMs(), 0);
        change();
        EXPECT_EQ(loop->nextTickMs(), 0);
    }
}

TEST_F(SimulationWindowTest, AClosedIntervalReachesTheReadoutsTheGaugeAndTheGraphsAxis) {
    window->experiment().setMeasuringInterval(2);
    auto* plotter = find<GraphPlotter>("PLOTTER");
    const auto top = [plotter] { return plotter->mapping().plotArea().top(); };
    ExperimentProbe::setImpactCount(window->experiment(), 80);
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "0"); // still running
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "40");
    EXPECT_NEAR(plotter->mapping().mapY(100), top(), 0.5);

    // The interval that raises the scale to 125 redraws the graph on the old scale; only its new
    // point reaches above it.
    closeInterval(250);
    EXPECT_EQ(QStringList({text("ANZ(4)"), text("SCROLLSKALA(2)"), text("SCROLLMAX(2)")}),
              QStringList({"125", "62", "125"}));
    GaugePanel* g = window->settingsPanel().gauge(GaugeImpacts);
    EXPECT_NEAR(g->barWidth(), g->usableLength(), 0.5);
    EXPECT_GE(plotter->mapping().mapY(125), top() - 0.5);
    closeInterval(80);
    EXPECT_NEAR(plotter->mapping().mapY(125), top(), 0.5);
    const chart::ChartAxis& x = window->experiment().charts().pressureCountChart().xAxis();
    EXPECT_NEAR(plotter->mapping().mapX(x.minimum), plotter->mapping().plotArea().left(), 0.5);
    EXPECT_NEAR(plotter->mapping().mapX(x.maximum), plotter->mapping().plotArea().right(), 1.0);
}

TEST_F(SimulationWindowTest, IntervalMenuChecksOneEntryAndTheReadoutOpensItByMouseAndKey) {
    trigger("mnu_OptionsIntervalSel(4)");
    EXPECT_EQ(window->experiment().settings().measuringInterval, 10);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 4);
    }
    auto* popup = find<QMenu>("mnu_OptionsInterval");
    QTest::mousePress(find("ANZ(1)"), Qt::RightButton);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    QTest::keyClick(find("ANZ(1)"), Qt::Key_Space);
    EXPECT_TRUE(popup->isVisible());
    popup->actions().at(1)->trigger();
    popup->hide();
    EXPECT_EQ(window->experiment().settings().measuringInterval, 2);
    EXPECT_EQ(find("ANZ(1)")->accessibleName(), "Intervall: 2 Sek.");
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
    EXPECT_NEAR(plotter->lineEnds()->y1(), plotter->mapping().mapY(2 * x1), 0.5);
    closeInterval(50); // a new interval keeps the line
    EXPECT_TRUE(plotter->lineEnds().has_value());
    QTabBar* bar = find<QTabWidget>("tab_View")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center()); // the page shown
    EXPECT_FALSE(plotter->lineEnds().has_value());

    button->click();
    ASSERT_TRUE(plotter->lineEnds().has_value());
    find<QPushButton>("but_Reset")->click();
    EXPECT_FALSE(plotter->lineEnds().has_value());
    EXPECT_EQ(points(),
              RecordingExperiment::pointsOf(AppFixture::Twin().window->experiment().document()));
    EXPECT_EQ(text("AnzT(1)"), "5");
}

} // namespace vozavero
