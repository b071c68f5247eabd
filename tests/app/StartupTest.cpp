// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The start-up: refusal of a second instance, the trace labels, the one table of what the started
// window shows; the four view modes' click cycle on the graph.
#include "AppFixture.h"
#include "framework/TitledFrame.h"
#include "vozavero_version.h"

#include <QCheckBox>
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
    ASSERT_EQ(services.messages.size(), 14);
    EXPECT_EQ(services.messages.first() + services.messages.last(), "X-1X-14");
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

TEST_F(StartupTest, ClicksOnTheGraphCycleTheModesADoubleClickIsOneAndADragNone) {
    ASSERT_TRUE(start());
    QWidget* plotter = find("PLOTTER");
    const bool expectCylinder[4] = {true, true, false, false};
    const bool expectSettings[4] = {true, false, true, false};
    for (int click = 1; click <= 4; ++click) {
        press(plotter, {20, 20});
        const int mode = click % 4;
        EXPECT_EQ(window->viewMode(), mode);
        EXPECT_EQ(find("frm_KolbenHolder")->isVisible(), expectCylinder[mode]) << mode;
        EXPECT_EQ(find("frm_Options")->isVisible(), expectSettings[mode]) << mode;
        EXPECT_TRUE(find<QAction>(QString("mnu_ViewMode(%1)").arg(mode))->isChecked());
    }
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        mouse(plotter, type, {20, 20});
    }
    mouse(plotter, QEvent::MouseButtonPress, {20, 20});
    drag(plotter, {120, 60});
    mouse(plotter, QEvent::MouseButtonRelease, {120, 60});
    EXPECT_EQ(window->viewMode(), 1);
}

} // namespace vozavero
