// The start-up sequence: refusal of a second instance, the trace labels, the start values and
// the timers armed last.
#include "AppFixture.h"
#include "SimulationLoop.h"
#include "vozavero_version.h"

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>
#include <QTimer>

namespace vozavero {

using StartupTest = AppFixture;

TEST_F(StartupTest, SecondInstanceIsRefusedUnlessNewIsGiven) {
    EXPECT_FALSE(start("", true));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_EQ(services.messages[0], QString("Vorlix läuft bereits oder wird noch geladen."));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(find<QTimer>("tmr_Go")->isActive());

    services.messages.clear();
    EXPECT_FALSE(start("/new", true));
    services.messages.clear();
    EXPECT_TRUE(start("x/NEWy", true));
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(StartupTest, DevShowsTheFourteenLabelsInOrder) {
    ASSERT_TRUE(start("-Dev"));
    QStringList expected;
    for (int i = 1; i <= 14; ++i) {
        expected << QString("X-%1").arg(i);
    }
    EXPECT_EQ(services.messages, expected);

    services.messages.clear();
    ASSERT_TRUE(start());
    EXPECT_TRUE(services.messages.isEmpty());
}

TEST_F(StartupTest, StartValuesAreShown) {
    ASSERT_TRUE(start());
    EXPECT_EQ(text("AnzT(1)"), "5");
    EXPECT_EQ(text("AnzT(2)"), "2");
    EXPECT_EQ(text("AnzT(3)"), "250");
    EXPECT_EQ(text("SCROLLMIN(0)"), "2");
    EXPECT_EQ(text("SCROLLSKALA(0)"), "25");
    EXPECT_EQ(text("SCROLLMAX(0)"), "50");
    EXPECT_EQ(text("SCROLLMIN(1)"), "1");
    EXPECT_EQ(text("SCROLLSKALA(1)"), "15");
    EXPECT_EQ(text("SCROLLMAX(1)"), "30");
    EXPECT_EQ(text("SCROLLMAX(2)"), "300");
    EXPECT_EQ(text("SCROLLSKALA(3)"), "275");
    for (int i : {0, 1, 2, 4}) {
        EXPECT_EQ(text(QString("ANZ(%1)").arg(i)), "0");
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 3);
    }
    EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), 0);
    EXPECT_FALSE(find<QCheckBox>("opt_Automatic")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_TRUE(find<QAction>("mnu_OptionsRecord")->isChecked());
    EXPECT_EQ(window->windowTitle(), "Nimbra // Vozavero Simulator");
    EXPECT_EQ(services.productInfo().version, QString(VOZAVERO_VERSION));
    EXPECT_EQ(services.productInfo().title, "Vozavero");
    EXPECT_EQ(services.productInfo().helpFile, "Vorlix.hlp");
}

TEST_F(StartupTest, FirstPaintIsNoticedOnce) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->repaint();
    window->repaint();
    EXPECT_EQ(services.firstPaintCount, 1);
}

TEST_F(StartupTest, EngineHoldsFiveParticlesInA250PixelCylinder) {
    ASSERT_TRUE(start());
    const ParticleEngine& e = window->experiment().engine();
    EXPECT_EQ(e.upperBound(), 5);
    EXPECT_EQ(e.geometry().cellsX, 30);
    EXPECT_EQ(e.geometry().cellsY, 18); // roundHalfEven(151 / 8) - 1
    EXPECT_EQ(e.geometry().stepCells, 1);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_GT(e.particles()[static_cast<size_t>(i)].direction, 0);
    }
    auto* bild = find("Bild");
    EXPECT_EQ(bild->width(), 250);
    EXPECT_EQ(find("pic_Schieber")->x(), bild->x() + 250);
}

TEST_F(StartupTest, TimersAreArmedLastAndNothingMovesBefore) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(find<QTimer>("tmr_Go")->isActive());
    EXPECT_EQ(find<QTimer>("tmr_Go")->interval(), 100);
    EXPECT_TRUE(find<QTimer>("KollZaehl")->isActive());
    EXPECT_EQ(find<QTimer>("KollZaehl")->interval(), 1000);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(find<QTimer>(QString("AUTOMATIK(%1)").arg(i))->isActive());
    }
    EXPECT_FALSE(window->timers().loop()->running());
    EXPECT_EQ(window->experiment().intervalTicks(), 0);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);
}

} // namespace vozavero
