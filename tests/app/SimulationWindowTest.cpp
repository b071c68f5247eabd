// The running simulation through the real window: gauges, cylinder, syringe and piston under the
// mouse reach the model and every place the volume shows; the live read-out; and measuring that
// holds while a dialog stays open or the event loop stalls.
#include "AppFixture.h"
#include "DefaultLocale.h"
#include "OptionsAutoDialog.h"

#include <QLocale>

namespace vozavero {

class SimulationWindowTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    QWidget* box(int i) const { return find(QString("SCROLLBOX(%1)").arg(i)); }
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

TEST_F(SimulationWindowTest, GaugeEndsSetTheQuantityTheEngineAndTheReadout) {
    const struct {
        int box;
        const char* readout;
        double low, high;
        double SimulationSettings::*field;
    } gauges[] = {{0, "AnzT(1)", 2, 50, &SimulationSettings::particleCount},
                  {1, "AnzT(2)", 1, 30, &SimulationSettings::speed}};
    for (const auto& g : gauges) {
        press(box(g.box), {1, 10});
        EXPECT_EQ(text(g.readout), QString::number(g.low));
        EXPECT_EQ(window->experiment().settings().*g.field, g.low);
        press(box(g.box), {box(g.box)->width() - 1.0, 10});
        EXPECT_EQ(text(g.readout), QString::number(g.high));
        EXPECT_EQ(window->experiment().settings().*g.field, g.high);
    }
    EXPECT_EQ(window->experiment().engine().upperBound(), 50);

    GaugePanel* volume = window->settingsPanel().gauge(GaugeVolume);
    press(box(3), {volume->bar()->x() + volume->usableLength() / 2, 10});
    EXPECT_NEAR(window->experiment().cylinderWidth(), 275, 1);
    expectWidth(window->experiment().cylinderWidth());
}

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

    // An automatic step of half a pixel is kept so that such a series moves on; the gas space is
    // drawn whole pixels wide.
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

TEST_F(SimulationWindowTest, ADialogHeldOpenRecordsOnlyWhatTheParticlesMade) {
    window->experiment().setMeasuringInterval(1);
    window->timers().loop()->start();
    window->experiment().setQuantity(QuantityId::Speed, 20, ChangeOrigin::Gauge);
    setCount(20);
    advance(3.0);
    setCount(40);
    advance(3.0);
    const chart::Chart& byCount = window->experiment().charts().pressureCountChart();
    const double measuredAt20 = byCount.y(1);
    const long stepsBefore = window->timers().loop()->stepsMade();
    const chart::Chart& timeline = window->experiment().charts().pressureTimeChart();
    const int rowsBefore = timeline.count();
    // While the real modal dialog is open, time passes as its own event loop would let it.
    EXPECT_EQ(withOptionsDialog("mnu_OptionsAuto",
                                [this](OptionsAutoDialog* d) {
                                    advance(20.0);
                                    d->command("DIALOG.ABORT();");
                                }),
              1);
    EXPECT_EQ(window->experiment().stepSize(), 1);
    EXPECT_NEAR(window->timers().loop()->stepsMade() - stepsBefore, 20 * 200, 100);
    EXPECT_GE(timeline.count(), rowsBefore + 19);
    for (int i = 1; i <= timeline.count(); ++i) {
        EXPECT_GT(timeline.y(i), 0.0) << "row " << i;
    }
    EXPECT_EQ(byCount.count(), 2);
    EXPECT_EQ(byCount.y(1), measuredAt20);

    // Nothing ran for 30 s (a long print): the overdue interval is discarded unrecorded, and a
    // fresh one of two whole seconds follows.
    window->experiment().setMeasuringInterval(2);
    advance(0.5);
    window->timers().measuringTick(); // closes the last interval of one second
    window->timers().measuringTick();
    ASSERT_EQ(window->experiment().intervalTicks(), 1); // the next tick would close the interval
    const int rowsBeforeTheHoldUp = timeline.count();
    clock.now += 30.0;
    window->timers().measuringTick();
    EXPECT_EQ(window->experiment().engine().impactCount(), 0);
    EXPECT_EQ(timeline.count(), rowsBeforeTheHoldUp);
    advance(2.1);
    EXPECT_EQ(timeline.count(), rowsBeforeTheHoldUp + 1);
    EXPECT_EQ(window->experiment().stepSize(), 1);
}

TEST_F(SimulationWindowTest, ADoubleClickOnTheGraphIsOneClickAndADragIsNone) {
    QWidget* plotter = find("PLOTTER");
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        mouse(plotter, type, {20, 20});
    }
    EXPECT_EQ(window->viewMode(), 1);
    mouse(plotter, QEvent::MouseButtonPress, {20, 20});
    drag(plotter, {120, 60});
    mouse(plotter, QEvent::MouseButtonRelease, {120, 60});
    EXPECT_EQ(window->viewMode(), 1);
}

} // namespace vozavero
