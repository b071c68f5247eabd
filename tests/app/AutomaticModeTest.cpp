// Automatic mode through the window: the options flow with the real dialog, the check box and
// its menu entry, and the steps with their clamps.
#include "AppFixture.h"
#include "OptionsAutoDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

namespace vozavero {

class AutomaticModeTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    /// The option "Keine automatische Veränderung".
    static constexpr int kNoRow = 3;

    /// Opens the options flow and, inside the modal dialog, selects the slot (or kNoRow) with
    /// period and step, sets the start conditions and presses OK (or aborts when ok is false).
    void configure(int slot, const QString& period, const QString& step, double count, double speed,
                   double volume, bool ok = true) {
        int seen = 0;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            ++seen;
            d->option(slot)->click();
            if (slot != kNoRow) {
                d->periodField(slot)->setText(period);
                d->stepField(slot)->setText(step);
            }
            d->startField(0)->setText(QLocale().toString(count));
            d->startField(1)->setText(QLocale().toString(speed));
            d->startField(2)->setText(QLocale().toString(volume));
            d->command(ok ? "DIALOG.OK();" : "DIALOG.ABORT();");
        });
        find<QAction>("mnu_OptionsAuto")->trigger();
        EXPECT_EQ(seen, 1);
    }
    QTimer* timer(int slot) const { return window->timers().automaticTimer(slot); }
};

TEST_F(AutomaticModeTest, CountStepsUpToFiftyAndStays) {
    configure(kCountSlot, "1", "2", 46, 2, 250);
    EXPECT_TRUE(find<QCheckBox>("opt_Automatic")->isChecked());
    EXPECT_TRUE(timer(kCountSlot)->isActive());
    EXPECT_EQ(timer(kCountSlot)->interval(), 1000);
    EXPECT_FALSE(timer(kVolumeSlot)->isActive());
    EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), 0);
    EXPECT_EQ(text("AnzT(1)"), "46");
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        window->experiment().automaticStep(kCountSlot);
        shown << text("AnzT(1)");
    }
    EXPECT_EQ(shown, QStringList({"48", "50", "50"}));
    EXPECT_EQ(window->experiment().engine().upperBound(), 50);
}

TEST_F(AutomaticModeTest, VolumeStepsDownToFiftyWithThePiston) {
    configure(kVolumeSlot, "2.5", "-3", 5, 2, 56);
    EXPECT_EQ(timer(kVolumeSlot)->interval(), 2500);
    EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), 2);
    window->experiment().automaticStep(kVolumeSlot);
    EXPECT_EQ(text("AnzT(3)"), "53");
    window->experiment().automaticStep(kVolumeSlot);
    EXPECT_EQ(text("AnzT(3)"), "50");
    EXPECT_EQ(find("pic_Schieber")->x(), find("Bild")->x() + 50);
}

TEST_F(AutomaticModeTest, FractionalSpeedStepShowsTheUsersSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    configure(kSpeedSlot, "1", "0.5", 5, 2, 250);
    window->experiment().automaticStep(kSpeedSlot);
    const QString shown = text("AnzT(2)");
    QLocale::setDefault(previous);
    EXPECT_EQ(window->experiment().settings().speed, 2.5);
    EXPECT_EQ(shown, "2,5");
}

TEST_F(AutomaticModeTest, DecimalStepsShowWholeAndWithoutBinaryNoise) {
    const auto wholeIn = [this](const char* name) {
        auto* label = find<QLabel>(name);
        return QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
               label->contentsRect().width();
    };
    configure(kCountSlot, "1", "0.1", 5, 2, 250);
    for (int i = 0; i < 15; ++i) {
        window->experiment().automaticStep(kCountSlot);
    }
    EXPECT_NE(window->experiment().settings().particleCount, 6.5); // the binary sum is a little off
    EXPECT_EQ(text("AnzT(1)"), QLocale().toString(6.5));
    EXPECT_TRUE(wholeIn("AnzT(1)"));

    configure(kVolumeSlot, "1", "0.5", 5, 2, 400);
    window->experiment().automaticStep(kVolumeSlot);
    EXPECT_EQ(text("AnzT(3)"), QLocale().toString(400.5));
    EXPECT_TRUE(wholeIn("AnzT(3)"));

    // A start value with more decimals than the step keeps its own.
    configure(kSpeedSlot, "1", "1", 5, 2.25, 250);
    window->experiment().automaticStep(kSpeedSlot);
    EXPECT_EQ(text("AnzT(2)"), QLocale().toString(3.25));
}

TEST_F(AutomaticModeTest, OkAfterUncheckingStartsTheLastChosenRowAgain) {
    configure(kSpeedSlot, "2", "1", 5, 2, 250);
    auto* box = find<QCheckBox>("opt_Automatic");
    box->setChecked(false);
    ASSERT_FALSE(timer(kSpeedSlot)->isActive());
    bool rowShown = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        rowShown = d->option(kSpeedSlot)->isChecked();
        d->command("DIALOG.OK();");
    });
    find<QAction>("mnu_OptionsAuto")->trigger();
    EXPECT_TRUE(rowShown);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(timer(kSpeedSlot)->isActive());
    EXPECT_EQ(timer(kSpeedSlot)->interval(), 2000);
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
    EXPECT_FALSE(window->experiment().automatic().settings().autoConfigured);
}

TEST_F(AutomaticModeTest, UncheckingStopsAndRecheckingStartsNothingUntilRestart) {
    configure(kCountSlot, "1", "1", 5, 2, 250);
    auto* box = find<QCheckBox>("opt_Automatic");
    box->setChecked(false);
    EXPECT_FALSE(timer(kCountSlot)->isActive());
    EXPECT_FALSE(window->experiment().automatic().settings().autoActive[0]);
    EXPECT_TRUE(window->experiment().automatic().settings().savedAutoActive[0]);
    box->setChecked(true);
    EXPECT_FALSE(timer(kCountSlot)->isActive());
    window->experiment().restartMeasurement();
    EXPECT_TRUE(window->experiment().automatic().settings().autoActive[0]);
}

TEST_F(AutomaticModeTest, ZeroAndNegativePeriodsNeverStep) {
    configure(kCountSlot, "0.0004", "1", 5, 2, 250);
    EXPECT_FALSE(timer(kCountSlot)->isActive());
    configure(kCountSlot, "-2", "1", 5, 2, 250);
    EXPECT_FALSE(timer(kCountSlot)->isActive());
    configure(kCountSlot, "100000", "1", 5, 2, 250);
    EXPECT_TRUE(timer(kCountSlot)->isActive());
    EXPECT_EQ(timer(kCountSlot)->interval(), 100000000);
}

TEST_F(AutomaticModeTest, OnWithNothingToStepShowsAPartialTickInBoxAndMenuAlike) {
    auto* box = find<QCheckBox>("opt_Automatic");
    QAction* entry = find<QAction>("mnu_OptionsAutoActive");
    const auto shown = [&] {
        emit find<QMenu>("mnu_Options")->aboutToShow();
        return std::tuple(box->checkState(), entry->isChecked(), !entry->icon().isNull());
    };
    const auto idle = std::tuple(Qt::PartiallyChecked, false, true);
    for (const char* period : {"abc", "0", "-3"}) {
        configure(kCountSlot, period, "1", 5, 2, 250);
        EXPECT_EQ(shown(), idle) << period;
        EXPECT_EQ(box->toolTip(), AutomaticControl::idleText());
        EXPECT_EQ(entry->toolTip(), AutomaticControl::idleText());
    }
    configure(kNoRow, {}, {}, 5, 2, 250);
    EXPECT_EQ(shown(), idle);

    // A click on the partial tick switches off; checking again steps nothing until the dialog
    // is confirmed again, and the menu entry switches off too.
    box->click();
    EXPECT_EQ(shown(), std::tuple(Qt::Unchecked, false, false));
    EXPECT_FALSE(window->experiment().automatic().on());
    box->click();
    EXPECT_EQ(shown(), idle);
    entry->trigger();
    EXPECT_EQ(shown(), std::tuple(Qt::Unchecked, false, false));

    configure(kCountSlot, "2", "1", 5, 2, 250);
    EXPECT_EQ(shown(), std::tuple(Qt::Checked, true, false));
    EXPECT_NE(box->toolTip(), AutomaticControl::idleText());
}

TEST_F(AutomaticModeTest, RestartReturnsToTheConfirmedStartConditions) {
    configure(kCountSlot, "1", "2", 30, 4, 300);
    window->experiment().automaticStep(kCountSlot);
    EXPECT_EQ(text("AnzT(1)"), "32");
    find<QAction>("mnu_FileNew")->trigger();
    EXPECT_EQ(text("AnzT(1)"), "30");
    EXPECT_EQ(text("AnzT(2)"), "4");
    EXPECT_EQ(text("AnzT(3)"), "300");
    EXPECT_TRUE(timer(kCountSlot)->isActive());
}

} // namespace vozavero
