// Automatic mode through the window: the options dialog starts the timer of the chosen quantity
// and shows its page, each step reaches the read-outs, and the check box and its menu entry show
// the same state.
#include "AppFixture.h"
#include "DefaultLocale.h"
#include "OptionsAutoDialog.h"

#include <QCheckBox>
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

    /// Selects the slot (or kNoRow) in the options dialog with period and step, sets the start
    /// values and presses OK.
    void configure(int slot, const QString& period, const QString& step, double count = 5,
                   double speed = 2, double volume = 250) {
        EXPECT_EQ(withOptionsDialog("mnu_OptionsAuto",
                                    [&](OptionsAutoDialog* d) {
                                        d->option(slot)->click();
                                        if (slot != kNoRow) {
                                            d->periodField(slot)->setText(period);
                                            d->stepField(slot)->setText(step);
                                        }
                                        d->startField(0)->setText(QLocale().toString(count));
                                        d->startField(1)->setText(QLocale().toString(speed));
                                        d->startField(2)->setText(QLocale().toString(volume));
                                        d->command("DIALOG.OK();");
                                    }),
                  1);
    }
    QTimer* timer(int slot) const { return window->timers().automaticTimer(slot); }
};

TEST_F(AutomaticModeTest, EachQuantityStepsOnItsTimerPageAndReadout) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    const struct {
        int slot;
        const char* period;
        const char* step;
        double count, speed, volume;
        int milliseconds, page;
        const char* readout;
        const char* shownAfterTwoSteps;
    } cases[] = {
        {kCountSlot, "1", "2", 46, 2, 250, 1000, 0, "AnzT(1)", "50"},
        {kCountSlot, "1", "0,25", 5, 2, 250, 1000, 0, "AnzT(1)", "5,5"},
        {kSpeedSlot, "2,5", "0,5", 5, 2.25, 250, 2500, 1, "AnzT(2)", "3,25"},
        {kVolumeSlot, "100000", "-3", 5, 2, 56, 100000000, 2, "AnzT(3)", "50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readout);
        configure(c.slot, c.period, c.step, c.count, c.speed, c.volume);
        EXPECT_TRUE(find<QCheckBox>("opt_Automatic")->isChecked());
        EXPECT_EQ(timer(c.slot)->interval(), c.milliseconds);
        for (int other = 0; other < 3; ++other) {
            EXPECT_EQ(timer(other)->isActive(), other == c.slot);
        }
        EXPECT_EQ(find<QTabWidget>("tab_View")->currentIndex(), c.page);
        window->experiment().automaticStep(c.slot);
        window->experiment().automaticStep(c.slot);
        EXPECT_EQ(text(c.readout), QString::fromUtf8(c.shownAfterTwoSteps));
    }
    EXPECT_EQ(find("pic_Schieber")->x(), find("Bild")->x() + 50);
}

TEST_F(AutomaticModeTest, BoxAndMenuEntryShowAPartialTickWhenNothingSteps) {
    auto* box = find<QCheckBox>("opt_Automatic");
    QAction* entry = find<QAction>("mnu_OptionsAutoActive");
    const auto shown = [&] {
        emit find<QMenu>("mnu_Options")->aboutToShow();
        return std::tuple(box->checkState(), entry->isChecked(), !entry->icon().isNull());
    };
    const auto idle = std::tuple(Qt::PartiallyChecked, false, true);
    const auto off = std::tuple(Qt::Unchecked, false, false);
    for (const char* period : {"abc", "0", "0.0004", "-3"}) {
        configure(kCountSlot, period, "1");
        EXPECT_FALSE(timer(kCountSlot)->isActive()) << period;
        EXPECT_EQ(shown(), idle) << period;
        EXPECT_EQ(box->toolTip(), AutomaticControl::idleText());
        EXPECT_EQ(entry->toolTip(), AutomaticControl::idleText());
    }
    configure(kNoRow, {}, {});
    EXPECT_EQ(shown(), idle);
    // A click on the partial tick switches off; checking again steps nothing until the dialog is
    // confirmed again, and the menu entry switches off too.
    box->click();
    EXPECT_EQ(shown(), off);
    box->click();
    EXPECT_EQ(shown(), idle);
    entry->trigger();
    EXPECT_EQ(shown(), off);
    configure(kCountSlot, "2", "1");
    EXPECT_EQ(shown(), std::tuple(Qt::Checked, true, false));
    EXPECT_NE(box->toolTip(), AutomaticControl::idleText());
}

TEST_F(AutomaticModeTest, CheckingOpensTheDialogOnceAndOkAfterUncheckingStartsTheLastRow) {
    EXPECT_EQ(withOptionsDialog("mnu_OptionsAutoActive",
                                [](OptionsAutoDialog* d) { d->command("DIALOG.ABORT();"); }),
              1);
    auto* box = find<QCheckBox>("opt_Automatic");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(window->experiment().automatic().settings().autoConfigured);

    configure(kSpeedSlot, "2", "1");
    box->setChecked(false);
    ASSERT_FALSE(timer(kSpeedSlot)->isActive());
    box->setChecked(true);
    EXPECT_FALSE(timer(kSpeedSlot)->isActive()); // not before the dialog or a restart
    bool rowShown = false;
    withOptionsDialog("mnu_OptionsAuto", [&](OptionsAutoDialog* d) {
        rowShown = d->option(kSpeedSlot)->isChecked();
        d->command("DIALOG.OK();");
    });
    EXPECT_TRUE(rowShown);
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(timer(kSpeedSlot)->isActive());
}

TEST_F(AutomaticModeTest, RestartReturnsToTheConfirmedStartValues) {
    configure(kCountSlot, "1", "2", 30, 4, 300);
    window->experiment().automaticStep(kCountSlot);
    EXPECT_EQ(text("AnzT(1)"), "32");
    trigger("mnu_FileNew");
    EXPECT_EQ(text("AnzT(1)"), "30");
    EXPECT_EQ(text("AnzT(2)"), "4");
    EXPECT_EQ(text("AnzT(3)"), "300");
    EXPECT_TRUE(timer(kCountSlot)->isActive());
}

} // namespace vozavero
