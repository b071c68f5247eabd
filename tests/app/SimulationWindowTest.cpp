// The running simulation through the real window: gauges pressed and dragged, the cylinder, the
// syringe and the piston under the mouse, and the loop driven by the test's clock.
#include "AppFixture.h"
#include "SimulationLoop.h"

#include <QFrame>
#include <QLocale>

namespace vozavero {

class SimulationWindowTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    QFrame* box(int i) const { return find<QFrame>(QString("SCROLLBOX(%1)").arg(i)); }
    QWidget* bild() const { return find("Bild"); }
    QWidget* piston() const { return find("pic_Schieber"); }
    /// Runs loop ticks while the clock advances by one display tick each time.
    void runFor(double seconds) {
        const int ticks = static_cast<int>(seconds * 1000 / SimulationLoop::kTickMs);
        for (int i = 0; i < ticks; ++i) {
            clock.now += SimulationLoop::kTickMs / 1000.0;
            window->timers().loop()->runTick();
        }
    }
    void expectPistonAgrees() const {
        const double w = window->experiment().cylinderWidth();
        EXPECT_EQ(window->experiment().settings().pistonPosition, static_cast<float>(w));
        EXPECT_EQ(bild()->width(), static_cast<int>(w));
        EXPECT_EQ(piston()->x(), bild()->x() + bild()->width());
        EXPECT_EQ(text("AnzT(3)"), QString::number(w));
    }
};

TEST_F(SimulationWindowTest, CountGaugeRunsFromTwoToFifty) {
    press(box(0), {1, 10});
    EXPECT_EQ(text("AnzT(1)"), "2");
    EXPECT_EQ(window->experiment().settings().particleCount, 2);
    EXPECT_EQ(window->experiment().engine().upperBound(), 2);
    press(box(0), {box(0)->width() - 1, 10});
    EXPECT_EQ(text("AnzT(1)"), "50");
    EXPECT_EQ(window->experiment().engine().upperBound(), 50);
}

TEST_F(SimulationWindowTest, SpeedGaugeRunsFromOneToThirty) {
    press(box(1), {0, 10});
    EXPECT_EQ(text("AnzT(2)"), "1");
    press(box(1), {box(1)->width() - 1, 10});
    EXPECT_EQ(text("AnzT(2)"), "30");
    EXPECT_EQ(window->experiment().settings().speed, 30);
}

TEST_F(SimulationWindowTest, MiddleOfTheVolumeGaugeGivesAbout275AndMovesThePiston) {
    GaugePanel* g = window->settingsPanel().gauge(GaugeVolume);
    const int barLeft = g->bar()->x();
    press(box(3), {barLeft + static_cast<int>(g->usableLength() / 2), 10});
    // Whole pixels cannot hit the exact middle of an odd bar length: one pixel is 450 / u.
    EXPECT_NEAR(window->experiment().cylinderWidth(), 275, 450 / g->usableLength() + 1);
    expectPistonAgrees();
    EXPECT_EQ(window->experiment().engine().geometry().cellsX,
              static_cast<int>(std::nearbyint(window->experiment().cylinderWidth() / 8)) - 1);
}

TEST_F(SimulationWindowTest, PressesInTheCylinderFollowTheInteriorRule) {
    press(bild(), {30, 40});
    EXPECT_EQ(window->experiment().cylinderWidth(), 50);
    expectPistonAgrees();
    press(bild(), {0, 40}); // left of the first pixel: nothing happens
    EXPECT_EQ(window->experiment().cylinderWidth(), 50);
    // A drag that started inside keeps the pointer and can pull the piston out again.
    QTest::mousePress(bild(), Qt::LeftButton, Qt::NoModifier, {20, 40});
    drag(bild(), {320, 40});
    QTest::mouseRelease(bild(), Qt::LeftButton, Qt::NoModifier, {320, 40});
    EXPECT_EQ(window->experiment().cylinderWidth(), 320);
    expectPistonAgrees();
}

TEST_F(SimulationWindowTest, PressesOnTheSyringeCountOnlyWithinTheInteriorsHeight) {
    QWidget* syringe = find("frm_Kolben");
    const int left = bild()->x();
    press(syringe, {left + 450, bild()->y() + 10});
    EXPECT_EQ(window->experiment().cylinderWidth(), 450);
    press(syringe, {left + 100, bild()->y() - 5});
    press(syringe, {left + 100, bild()->y() + bild()->height() + 3});
    EXPECT_EQ(window->experiment().cylinderWidth(), 450);
    press(syringe, {left + 10, bild()->y() + 10}); // clamped to the smallest volume
    EXPECT_EQ(window->experiment().cylinderWidth(), 50);
    expectPistonAgrees();
}

TEST_F(SimulationWindowTest, DraggingThePistonJumpsOnceByTheGrabOffset) {
    const QPoint grab(10, 60);
    QTest::mousePress(piston(), Qt::LeftButton, Qt::NoModifier, grab);
    EXPECT_EQ(window->experiment().cylinderWidth(), 260);
    // The pointer has not moved on screen, but the piston has moved under it.
    drag(piston(), grab - QPoint(10, 0));
    EXPECT_EQ(window->experiment().cylinderWidth(), 260);
    drag(piston(), grab + QPoint(30, 0) - QPoint(10, 0));
    EXPECT_EQ(window->experiment().cylinderWidth(), 290);
    QTest::mouseRelease(piston(), Qt::LeftButton, Qt::NoModifier, grab);
    expectPistonAgrees();
}

TEST_F(SimulationWindowTest, MovingThePistonInGathersParticlesOnItsFace) {
    press(box(0), {box(0)->width() - 1, 10}); // 50 particles
    press(bild(), {60, 40});
    const auto& e = window->experiment().engine();
    int onFace = 0;
    for (int i = 1; i <= e.upperBound(); ++i) {
        const Particle& p = e.particles()[static_cast<size_t>(i)];
        EXPECT_LE(p.x, e.geometry().cellsX);
        onFace += p.x == e.geometry().cellsX;
    }
    EXPECT_GT(onFace, 0);
}

TEST_F(SimulationWindowTest, LoopKeepsTheTargetRateAndShowsTheLiveReadout) {
    window->timers().loop()->start();
    runFor(0.2);
    ExperimentProbe::setImpactCount(window->experiment(), 17);
    runFor(0.1);
    EXPECT_EQ(text("ANZ(0)"), "17");
    EXPECT_EQ(text("ANZ(1)"), "5 Sek.");
    EXPECT_EQ(text("ANZ(2)"), QLocale().toString(3.4)); // the user's decimal separator
    // The pacer's window covers the last quarter to half second at 20 steps per second.
    const LoopPacer& pacer = window->timers().loop()->pacer();
    EXPECT_DOUBLE_EQ(pacer.targetRate(), 20.0);
    runFor(2.0);
    const double elapsed = clock.now - pacer.windowStart();
    EXPECT_NEAR(pacer.stepsInWindow() / elapsed, 20.0, 2.5);
    EXPECT_EQ(window->experiment().stepSize(), 1);
}

TEST_F(SimulationWindowTest, SpeedZeroMovesNothing) {
    window->experiment().setQuantity(QuantityId::Speed, 0, ChangeOrigin::Gauge);
    const std::vector<Particle> before = window->experiment().engine().particles();
    window->timers().loop()->start();
    runFor(1.0);
    const auto& after = window->experiment().engine().particles();
    for (size_t i = 1; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x, before[i].x);
        EXPECT_EQ(after[i].y, before[i].y);
    }
}

TEST_F(SimulationWindowTest, QuitEndsTheLoopAfterThePass) {
    window->timers().loop()->start();
    runFor(0.1);
    services.answers = {FrameworkServices::kAnswerNo};
    window->confirmQuit();
    runFor(0.1);
    EXPECT_EQ(quitCalls, 0);
    services.answers = {FrameworkServices::kAnswerYes};
    window->confirmQuit();
    EXPECT_EQ(services.questions.last(), "Wollen Sie das Programm wirklich beenden?");
    runFor(0.1);
    EXPECT_EQ(quitCalls, 1);
    EXPECT_FALSE(window->timers().loop()->running());
}

TEST_F(SimulationWindowTest, ClosingTheWindowEndsWithoutAQuestion) {
    window->close();
    EXPECT_TRUE(window->quitRequested());
    EXPECT_TRUE(services.questions.isEmpty());
}

} // namespace vozavero
