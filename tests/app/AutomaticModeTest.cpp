// Automatic mode through the window: the options flow with the real dialog, the check box and
// its menu entry, and the steps with their clamps.
#include "AppFixture.h"
#include "OptionsAutoDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace vozavero {

class AutomaticModeTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    /// Opens the options flow and, inside the modal dialog, selects the slot with period and step,
    /// sets the start conditions and presses OK (or aborts when ok is false).
    void configure(int slot, const QString& period, const QString& step, double count, double speed,
                   double volume, bool ok = true) {
        int seen = 0;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            ++seen;
            d->option(slot)->click();
            d->periodField(slot)->setText(period);
            d->stepField(slot)->setText(step);
            d->startField(0)->setText(QString::number(count));
            d->startField(1)->setText(QString::number(speed));
            d->startField(2)->setText(QString::number(volume));
            d->command(ok ? "DIALOG.OK();" : "DIALOG.ABORT();");
        });
        find<QAction>("mnu_OptionsAuto")->trigger();
        EXPECT_EQ(seen, 1);
    }
    QTimer* timer(int slot) const { return window->automaticTimer(slot); }
};

TEST_F(AutomaticModeTest, CountStepsUpToFiftyAndStays) {
    configure(SlotCount, "1", "2", 46, 2, 250);
    EXPECT_TRUE(find<QCheckBox>("opt_Automatic")->isChecked());
    EXPECT_TRUE(timer(SlotCount)->isActive());
    EXPECT_EQ(timer(SlotCount)->interval(), 1000);
    EXPECT_FALSE(timer(SlotVolume)->isActive());
    EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), 0);
    EXPECT_EQ(text("AnzT(1)"), "46");
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        window->automaticStep(SlotCount);
        shown << text("AnzT(1)");
    }
    EXPECT_EQ(shown, QStringList({"48", "50", "50"}));
    EXPECT_EQ(window->engine().upperBound(), 50);
}

TEST_F(AutomaticModeTest, VolumeStepsDownToFiftyWithThePiston) {
    configure(SlotVolume, "2.5", "-3", 5, 2, 56);
    EXPECT_EQ(timer(SlotVolume)->interval(), 2500);
    EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), 2);
    window->automaticStep(SlotVolume);
    EXPECT_EQ(text("AnzT(3)"), "53");
    window->automaticStep(SlotVolume);
    EXPECT_EQ(text("AnzT(3)"), "50");
    EXPECT_EQ(find("pic_Schieber")->x(), find("Bild")->x() + 50);
}

TEST_F(AutomaticModeTest, FractionalSpeedStepShowsTheUsersSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    configure(SlotSpeed, "1", "0.5", 5, 2, 250);
    window->automaticStep(SlotSpeed);
    EXPECT_EQ(window->settings().speed, 2.5);
    EXPECT_EQ(text("AnzT(2)"), "2,5");
    QLocale::setDefault(QLocale::c());
}

TEST_F(AutomaticModeTest, CheckingBeforeConfiguringOpensTheDialogOnceAndAbortUnchecks) {
    int opened = 0;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        ++opened;
        d->command("DIALOG.ABORT();");
    });
    find<QAction>("mnu_OptionsAutoActive")->trigger();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(find<QCheckBox>("opt_Automatic")->isChecked());
    EXPECT_FALSE(window->settings().autoMode.autoConfigured);
}

TEST_F(AutomaticModeTest, UncheckingStopsAndRecheckingStartsNothingUntilRestart) {
    configure(SlotCount, "1", "1", 5, 2, 250);
    auto* box = find<QCheckBox>("opt_Automatic");
    box->setChecked(false);
    EXPECT_FALSE(timer(SlotCount)->isActive());
    EXPECT_FALSE(window->settings().autoMode.autoActive[0]);
    EXPECT_TRUE(window->settings().autoMode.savedAutoActive[0]);
    box->setChecked(true);
    EXPECT_FALSE(timer(SlotCount)->isActive());
    window->restartMeasurement();
    EXPECT_TRUE(window->settings().autoMode.autoActive[0]);
}

TEST_F(AutomaticModeTest, ZeroAndNegativePeriodsNeverStep) {
    configure(SlotCount, "0.0004", "1", 5, 2, 250);
    EXPECT_FALSE(timer(SlotCount)->isActive());
    configure(SlotCount, "-2", "1", 5, 2, 250);
    EXPECT_FALSE(timer(SlotCount)->isActive());
    configure(SlotCount, "100000", "1", 5, 2, 250);
    EXPECT_TRUE(timer(SlotCount)->isActive());
    EXPECT_EQ(timer(SlotCount)->interval(), 100000000);
}

TEST_F(AutomaticModeTest, RestartReturnsToTheConfirmedStartConditions) {
    configure(SlotCount, "1", "2", 30, 4, 300);
    window->automaticStep(SlotCount);
    EXPECT_EQ(text("AnzT(1)"), "32");
    find<QAction>("mnu_FileNew")->trigger();
    EXPECT_EQ(text("AnzT(1)"), "30");
    EXPECT_EQ(text("AnzT(2)"), "4");
    EXPECT_EQ(text("AnzT(3)"), "300");
    EXPECT_TRUE(timer(SlotCount)->isActive());
}

} // namespace vozavero
