// The start-up: refusal of a second instance, the trace labels, and the one table of what the
// window shows when it has started (start values, scales, read-outs, captions, checks, timers).
#include "AppFixture.h"
#include "framework/TitledFrame.h"
#include "vozavero_version.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTimer>

namespace vozavero {

using StartupTest = AppFixture;

TEST_F(StartupTest, SecondInstanceIsRefusedUnlessNewIsGivenAndDevTracesTheFourteenLabels) {
    EXPECT_FALSE(start("", true));
    EXPECT_EQ(services.messages, QStringList{"Vorlix läuft bereits oder wird noch geladen."});
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(find<QTimer>("tmr_Go")->isActive());
    EXPECT_FALSE(start("/new", true));
    services.messages.clear();
    EXPECT_TRUE(start("x/NEWy", true));
    EXPECT_TRUE(services.messages.isEmpty());

    ASSERT_TRUE(start("-Dev"));
    QStringList trace;
    for (int i = 1; i <= 14; ++i) {
        trace << QString("X-%1").arg(i);
    }
    EXPECT_EQ(services.messages, trace);
}

TEST_F(StartupTest, TheStartedWindowShowsTheStartState) {
    ASSERT_TRUE(start());
    const std::pair<const char*, const char*> shown[] = {
        {"AnzT(1)", "5"},
        {"AnzT(2)", "2"},
        {"AnzT(3)", "250"},
        {"SCROLLMIN(0)", "2"},
        {"SCROLLSKALA(0)", "25"},
        {"SCROLLMAX(0)", "50"},
        {"SCROLLMIN(1)", "1"},
        {"SCROLLSKALA(1)", "15"},
        {"SCROLLMAX(1)", "30"},
        {"SCROLLMIN(2)", "1"},
        {"SCROLLSKALA(2)", "150"},
        {"SCROLLMAX(2)", "300"},
        {"SCROLLMIN(3)", "50"},
        {"SCROLLSKALA(3)", "275"},
        {"SCROLLMAX(3)", "500"},
        {"ANZ(0)", "0"},
        {"ANZ(1)", "0"},
        {"ANZ(2)", "0"},
        {"ANZ(4)", "0"},
        {"Bezeichnung5", "Letze Aufprallwerte:"},
        {"Label4", "Intervall:"},
        {"Bezeichnung1", "Aktuelle Aufprallwerte:"},
        {"Label5", "Stöße pro Sek.:"},
    };
    for (const auto& [name, value] : shown) {
        EXPECT_EQ(text(name), QString::fromUtf8(value)) << name;
    }
    EXPECT_EQ(find<TitledFrame>("frm_Options")->caption(), "Einstellungen und Zahlen");
    EXPECT_EQ(find<TitledFrame>("frm_KolbenHolder")->caption(), "Simulation des Kolbenprobers");
    auto* tabs = find<QTabWidget>("tab_View");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Stöße / Teilchenzahl");
    EXPECT_EQ(tabs->tabText(3), "Stöße / (1:Fläche)");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 3);
    }
    EXPECT_FALSE(find<QCheckBox>("opt_Automatic")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_TRUE(find<QAction>("mnu_OptionsRecord")->isChecked());
    EXPECT_EQ(window->windowTitle(), "Nimbra // Vozavero Simulator");
    EXPECT_EQ(services.productInfo().version, QString(VOZAVERO_VERSION));
    EXPECT_EQ(services.productInfo().title, "Vozavero");
    EXPECT_EQ(services.productInfo().helpFile, "Vorlix.hlp");

    EXPECT_EQ(window->experiment().engine().upperBound(), 5);
    EXPECT_EQ(find("Bild")->width(), 250);
    EXPECT_EQ(find("pic_Schieber")->x(), find("Bild")->x() + 250);

    // Loop and measuring timers run, the automatic ones wait; nothing has moved or been measured.
    EXPECT_EQ(find<QTimer>("tmr_Go")->interval(), 100);
    EXPECT_TRUE(find<QTimer>("tmr_Go")->isActive());
    EXPECT_EQ(find<QTimer>("KollZaehl")->interval(), 1000);
    EXPECT_TRUE(find<QTimer>("KollZaehl")->isActive());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(window->timers().automaticTimer(i)->isActive());
    }
    EXPECT_FALSE(window->timers().loop()->running());
    EXPECT_EQ(window->experiment().intervalTicks(), 0);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);

    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->repaint();
    window->repaint();
    EXPECT_EQ(services.firstPaintCount, 1);
}

} // namespace vozavero
