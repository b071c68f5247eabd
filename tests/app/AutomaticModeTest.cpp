// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Automatic mode through the window: the options dialog starts the timer of the chosen quantity
// and shows its page, each step and a restart reach the read-outs, and the check box and its menu
// entry show the same state.
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

    /// Chooses slot in the options dialog with period, step and start values; OK.
    void configure(int slot, const QString& period, const QString& step,
                   const QStringList& starts = {"5", "2", "250"}) {
        const int seen = withOptionsDialog("mnu_OptionsAuto", [&](OptionsAutoDialog* d) {
            d->option(slot)->click();
            d->periodField(slot)->setText(period);
            d->stepField(slot)->setText(step);
            for (int i = 0; i < 3; ++i) {
                d->startField(i)->setText(starts[i]);
            }
            d->command("DIALOG.OK();");
        });
        EXPECT_EQ(seen, 1);
    }
    QTimer* timer(int slot) const { return window->timers().automaticTimer(slot); }
};

TEST_F(AutomaticModeTest, EachQuantityStepsOnItsTimerPageAndReadoutAndRestartsAtItsStart) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    const struct {
        int slot;
        const char* period;
        const char* step;
        QStringList starts;
        int milliseconds, page;
        const char* readout;
        const char* shownAfterTwoSteps;
    } cases[] = {
        {kCountSlot, "1", "0,25", {"5", "2", "250"}, 1000, 0, "AnzT(1)", "5,5"},
        {kSpeedSlot, "2,5", "0,5", {"5", "2,25", "250"}, 2500, 1, "AnzT(2)", "3,25"},
        {kVolumeSlot, "100000", "-3", {"30", "4", "56"}, 100000000, 2, "AnzT(3)", "50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.readout);
        configure(c.slot, c.period, c.step, c.starts);
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
    trigger("mnu_FileNew");
    EXPECT_EQ(QStringList({text("AnzT(1)"), text("AnzT(2)"), text("AnzT(3)")}),
              QStringList({"30", "4", "56"}));
    EXPECT_TRUE(timer(kVolumeSlot)->isActive());
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
    EXPECT_EQ(withOptionsDialog("mnu_OptionsAutoActive",
                                [](OptionsAutoDialog* d) { d->command("DIALOG.ABORT();"); }),
              1);
    EXPECT_EQ(shown(), off);
    configure(kCountSlot, "0.0004", "1"); // which periods can step is the experiment's rule
    EXPECT_FALSE(timer(kCountSlot)->isActive());
    EXPECT_EQ(shown(), idle);
    EXPECT_EQ(box->toolTip(), AutomaticControl::idleText());
    // A click on the partial tick switches off, as does the menu entry.
    box->click();
    EXPECT_EQ(shown(), off);
    box->click();
    EXPECT_EQ(shown(), idle);
    entry->trigger();
    EXPECT_EQ(shown(), off);
    configure(kSpeedSlot, "2", "1");
    EXPECT_EQ(shown(), std::tuple(Qt::Checked, true, false));
    box->setChecked(false);
    box->setChecked(true);
    EXPECT_FALSE(timer(kSpeedSlot)->isActive()); // not before the dialog or a restart
    withOptionsDialog("mnu_OptionsAuto", [](OptionsAutoDialog* d) { d->command("DIALOG.OK();"); });
    EXPECT_TRUE(timer(kSpeedSlot)->isActive()); // the last row, still chosen
}

} // namespace vozavero
