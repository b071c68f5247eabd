// The start-up: refusal of a second instance, the trace labels, the one table of what the started
// window shows; the four view modes' layout and their click cycle on the graph.
#include "AppFixture.h"
#include "WindowLayout.h"
#include "framework/TitledFrame.h"
#include "vozavero_version.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

namespace vozavero {

using StartupTest = AppFixture;

TEST_F(StartupTest, SecondInstanceIsRefusedUnlessNewIsGivenAndDevTracesTheFourteenLabels) {
    EXPECT_FALSE(start("/new", true));
    EXPECT_EQ(services.messages, QStringList{"Vorlix läuft bereits oder wird noch geladen."});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(find<QTimer>("tmr_Go")->isActive());
    services.messages.clear();
    ASSERT_TRUE(start("x/NEWy -Dev", true));
    QStringList trace;
    for (int i = 1; i <= 14; ++i) {
        trace << QString("X-%1").arg(i);
    }
    EXPECT_EQ(services.messages, trace);
}

TEST_F(StartupTest, TheStartedWindowShowsTheStartState) {
    ASSERT_TRUE(start());
    QStringList shown;
    for (const char* name : {"AnzT(1)", "AnzT(2)", "AnzT(3)", "ANZ(0)", "ANZ(1)", "ANZ(2)",
                             "ANZ(4)", "Bezeichnung5", "Label4", "Bezeichnung1", "Label5"}) {
        shown << text(name);
    }
    for (int i = 0; i < 4; ++i) {
        for (const char* scale : {"SCROLLMIN(%1)", "SCROLLSKALA(%1)", "SCROLLMAX(%1)"}) {
            shown << text(QString(scale).arg(i));
        }
    }
    EXPECT_EQ(shown.join(u'|'),
              "5|2|250|0|0|0|0|Letze Aufprallwerte:|Intervall:|Aktuelle "
              "Aufprallwerte:|Stöße pro Sek.:|2|25|50|1|15|30|1|150|300|50|275|500");
    auto* tabs = find<QTabWidget>("tab_View");
    EXPECT_EQ(QStringList({find<TitledFrame>("frm_Options")->caption(),
                           find<TitledFrame>("frm_KolbenHolder")->caption(), tabs->tabText(0),
                           tabs->tabText(3), window->windowTitle()}),
              QStringList({"Einstellungen und Zahlen", "Simulation des Kolbenprobers",
                           "Stöße / Teilchenzahl", "Stöße / (1:Fläche)",
                           "Nimbra // Vozavero Simulator"}));
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 3);
    }
    EXPECT_FALSE(find<QCheckBox>("opt_Automatic")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_TRUE(find<QAction>("mnu_OptionsRecord")->isChecked());
    const ProductInfo& info = services.productInfo();
    EXPECT_EQ(QStringList({info.version, info.title, info.helpFile}),
              QStringList({VOZAVERO_VERSION, "Vozavero", "Vorlix.hlp"}));
    EXPECT_EQ(window->experiment().engine().upperBound(), 5);
    EXPECT_EQ(find("Bild")->width(), 250);
    EXPECT_EQ(find("pic_Schieber")->x(), find("Bild")->x() + 250);

    // Loop and measuring timers run, the automatic ones wait; nothing has moved or been measured.
    for (const auto& [name, ms] : {std::pair("tmr_Go", 100), std::pair("KollZaehl", 1000)}) {
        EXPECT_EQ(find<QTimer>(name)->interval(), ms);
        EXPECT_TRUE(find<QTimer>(name)->isActive());
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(window->timers().automaticTimer(i)->isActive());
    }
    EXPECT_FALSE(window->timers().loop()->running());
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->repaint();
    window->repaint();
    EXPECT_EQ(services.firstPaintCount, 1);
}

TEST(WindowLayout, ModesStackTheBlocksCentredAndTinyWindowsShrinkTheGraphToNothing) {
    const Twips tw{15, 15};
    const QSize client(1000, 700);
    const WindowLayout normal = WindowLayout::arrange(0, client, tw, 733, 210, 157);
    // Centred in twips: (15000 - 10995) / 2 = 2002.5 goes to the even 2002, which is 133.5 px
    // and so the even 133 (not 134, as halving in pixels would give).
    EXPECT_EQ(normal.cylinder, QRect(133, 5, 733, 210));
    EXPECT_EQ(normal.settings, QRect(133, 220, 733, 157));
    EXPECT_EQ(normal.tabs, QRect(133, 382, 733, 700 - 382 - 5));
    EXPECT_EQ(normal.plotter, QRect(138, 407, 723, normal.tabs.height() - 30));
    EXPECT_EQ(WindowLayout::arrange(0, QSize(1280, 700), tw, 733, 210, 157).cylinder.x(), 273);
    const WindowLayout probe = WindowLayout::arrange(1, client, tw, 733, 210, 157);
    EXPECT_FALSE(probe.settingsVisible);
    EXPECT_EQ(probe.tabs.top(), 220);
    const WindowLayout settings = WindowLayout::arrange(2, client, tw, 733, 210, 157);
    EXPECT_FALSE(settings.cylinderVisible);
    EXPECT_EQ(settings.settings.topLeft(), QPoint(133, 5));
    EXPECT_EQ(settings.tabs.top(), 167);
    EXPECT_EQ(WindowLayout::arrange(3, client, tw, 733, 210, 157).tabs, QRect(5, 5, 990, 690));
    const WindowLayout tiny = WindowLayout::arrange(0, QSize(100, 50), tw, 733, 210, 157);
    EXPECT_LT(tiny.cylinder.left(), 0); // narrower than the frames: they stick out
    EXPECT_EQ(tiny.plotter.height(), 0);
}

TEST_F(StartupTest, ClicksOnTheGraphCycleTheModesADoubleClickIsOneAndADragNone) {
    ASSERT_TRUE(start());
    QWidget* plotter = find("PLOTTER");
    QWidget* tabs = find("tab_View");
    const QRect normalTabs = tabs->geometry();
    const bool expectCylinder[4] = {true, true, false, false};
    const bool expectSettings[4] = {true, false, true, false};
    for (int click = 1; click <= 4; ++click) {
        press(plotter, {20, 20});
        const int mode = click % 4;
        EXPECT_EQ(window->viewMode(), mode);
        EXPECT_EQ(find("frm_KolbenHolder")->isVisible(), expectCylinder[mode]) << mode;
        EXPECT_EQ(find("frm_Options")->isVisible(), expectSettings[mode]) << mode;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(find<QAction>(QString("mnu_ViewMode(%1)").arg(i))->isChecked(), i == mode);
        }
    }
    EXPECT_EQ(tabs->geometry(), normalTabs);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        mouse(plotter, type, {20, 20});
    }
    mouse(plotter, QEvent::MouseButtonPress, {20, 20});
    drag(plotter, {120, 60});
    mouse(plotter, QEvent::MouseButtonRelease, {120, 60});
    EXPECT_EQ(window->viewMode(), 1);
    trigger("mnu_ViewMode(3)");
    for (int i = 0; i < 4; ++i) {
        QWidget* b = find(QString("but_LinearRegression(%1)").arg(i));
        EXPECT_EQ(b->x() + b->width(), tabs->width());
        EXPECT_EQ(b->isVisible(), i == 2);
    }
}

TEST_F(StartupTest, RestoredWindowHasTheDesignedClientAreaBelowItsMenuBar) {
    ASSERT_TRUE(start());
    window->showNormal();
    QTest::qWait(20);
    // 12390 x 9510 twips at 15 twips per pixel.
    EXPECT_EQ(find("client")->size(), QSize(826, 634));
    EXPECT_EQ(window->height(), 634 + window->menuBar()->height());
}

} // namespace vozavero
