// Measuring that a teacher can trust while dialogs stay open and the event loop stalls: a dialog
// held open 20 s, a blocked event loop, and the graph and the piston under imprecise hands.
#include "AppFixture.h"
#include "OptionsAutoDialog.h"
#include "SimulationLoop.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

namespace vozavero {

class ThroughDialogsTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        window->experiment().setMeasuringInterval(1);
        window->timers().loop()->start();
    }
    const chart::Chart& byCount() { return window->experiment().charts().pressureCountChart(); }
};

TEST_F(ThroughDialogsTest, ADialogHeldOpenTwentySecondsRecordsOnlyWhatTheParticlesMade) {
    window->experiment().setQuantity(QuantityId::Speed, 20, ChangeOrigin::Gauge);
    setCount(20);
    advance(3.0);
    setCount(40);
    advance(3.0);
    ASSERT_EQ(byCount().count(), 2);
    const double measuredAt20 = byCount().y(1);
    ASSERT_GT(byCount().y(2), 0.0);
    const long stepsBefore = window->timers().loop()->stepsMade();

    // The options dialog is a real modal dialog; while it is open, time passes on the clock as
    // the dialog's own event loop would let it.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        opened = true;
        advance(20.0);
        d->command("DIALOG.ABORT();");
    });
    find<QAction>("mnu_OptionsAuto")->trigger();
    ASSERT_TRUE(opened);
    advance(2.0);

    EXPECT_EQ(window->experiment().stepSize(), 1);
    EXPECT_NEAR(window->timers().loop()->stepsMade() - stepsBefore, 22 * 200, 100);
    const chart::Chart& timeline = window->experiment().charts().pressureTimeChart();
    for (int i = 1; i <= timeline.count(); ++i) {
        EXPECT_GT(timeline.y(i), 0.0) << "row " << i;
    }
    EXPECT_EQ(byCount().count(), 2);
    EXPECT_EQ(byCount().y(1), measuredAt20);
    EXPECT_GT(byCount().y(2), 0.0);
}

TEST_F(ThroughDialogsTest, AnIntervalThatSpannedABlockedEventLoopIsDiscarded) {
    window->experiment().setMeasuringInterval(2);
    advance(4.0);
    const int rows = window->experiment().charts().pressureTimeChart().count();
    ASSERT_EQ(rows, 2);
    advance(1.0);
    // Nothing ran for 30 s (a long print); the overdue timers then fire.
    clock.now += 30.0;
    window->timers().measuringTick();
    EXPECT_EQ(window->experiment().engine().impactCount(), 0);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), rows);
    // A fresh interval of two whole seconds follows, measured at the full rate.
    advance(2.0);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), rows + 1);
    EXPECT_EQ(window->experiment().stepSize(), 1);
}

TEST_F(ThroughDialogsTest, FractionalPointerPositionsGiveWholePixelsEverywhere) {
    QWidget* bild = find("Bild");
    QWidget* piston = find("pic_Schieber");
    const auto pressAt = [](QWidget* w, QPointF pos) {
        QMouseEvent e(QEvent::MouseButtonPress, pos, w->mapToGlobal(pos), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    };
    const auto expectAgree = [&](double width) {
        EXPECT_EQ(window->experiment().cylinderWidth(), width);
        EXPECT_EQ(window->experiment().settings().pistonPosition, static_cast<float>(width));
        EXPECT_EQ(window->experiment().engine().engineCopy().pistonPosition,
                  static_cast<float>(width));
        EXPECT_EQ(text("AnzT(3)"), QLocale().toString(width));
        EXPECT_EQ(piston->x(), bild->x() + bild->width());
    };
    pressAt(bild, {123.4, 40.0});
    expectAgree(123);
    EXPECT_EQ(bild->width(), 123);
    pressAt(find("frm_Kolben"), {bild->x() + 300.5, bild->y() + 20.0}); // a tie: to the even
    expectAgree(300);
    pressAt(piston, {10.7, 30.0});
    expectAgree(311);

    // An automatic step of half a pixel is kept, so that such a series moves on; the gas space
    // is drawn whole pixels wide and the piston stands at its edge.
    AutomaticChoice halfPixel;
    halfPixel.step[kVolumeSlot] = 0.5;
    window->experiment().confirmAutomaticChoice(halfPixel, {5, 2, 250});
    window->experiment().automaticStep(kVolumeSlot);
    expectAgree(311.5);
    EXPECT_EQ(bild->width(), 312);
    window->experiment().automaticStep(kVolumeSlot);
    expectAgree(312);
    window->experiment().automaticStep(kVolumeSlot);
    expectAgree(312.5);
    EXPECT_EQ(bild->width(), 312);
}

TEST_F(ThroughDialogsTest, ADoubleClickOnTheGraphIsOneClickAndADragIsNone) {
    QWidget* plotter = find("PLOTTER");
    // As the window system delivers a double-click: press, release, double-click, release.
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, QPointF(20, 20), plotter->mapToGlobal(QPointF(20, 20)), Qt::LeftButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(plotter, &e);
    }
    EXPECT_EQ(window->viewMode(), 1);
    QTest::mousePress(plotter, Qt::LeftButton, Qt::NoModifier, {20, 20});
    EXPECT_EQ(window->viewMode(), 1); // a press alone switches nothing
    drag(plotter, {120, 60});
    QTest::mouseRelease(plotter, Qt::LeftButton, Qt::NoModifier, {120, 60});
    EXPECT_EQ(window->viewMode(), 1);
    press(plotter, {20, 20});
    EXPECT_EQ(window->viewMode(), 2);
}

} // namespace vozavero
