// The automatic-mode options dialog as the user works it: what an opening shows, choosing the
// stepped row, typing and scrolling the start conditions, the input aid, OK, abort and help.
#include "DefaultLocale.h"
#include "NumberText.h"
#include "OptionsDialogFixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTimer>

using namespace vozavero;

namespace {

TEST_F(OptionsDialog, OpeningShowsTheClampedStartValuesNoRowAndEndsWithOkOrTheCloseBox) {
    EXPECT_TRUE(dialog.option(3)->isChecked());
    for (int slot = 0; slot < 3; ++slot) {
        for (QLineEdit* field : {dialog.periodField(slot), dialog.stepField(slot)}) {
            EXPECT_EQ(field->text(), "") << slot;
            EXPECT_FALSE(field->isEnabled()) << slot;
        }
    }
    EXPECT_EQ(dialog.startField(2)->text(), "250");
    EXPECT_EQ(dialog.size(), QSize(381, 350)); // 5715 x 5250 twips

    // Values out of range are raised or cut, in the engine's copy too.
    experiment.editStartCondition(QuantityId::Count, 0.0);
    experiment.editStartCondition(QuantityId::Speed, 31.0);
    experiment.editStartCondition(QuantityId::Volume, 600.0);
    dialog.load();
    EXPECT_EQ(engine.particleCount, 2.0);
    EXPECT_EQ(dialog.startField(1)->text(), "30");
    EXPECT_EQ(dialog.startScrollBar(2)->value(), 500);
    EXPECT_EQ(engine.pistonPosition, 500.0f);

    AutomaticChoice choice;
    choice.active = {true, false, false};
    choice.period = {2.0, 0.0, 0.0};
    experiment.confirmAutomaticChoice(choice, {5, 2, 250});
    QString periodWhileOpen;
    QTimer::singleShot(0, &dialog, [this, &periodWhileOpen] {
        periodWhileOpen = dialog.periodField(SlotCount)->text();
        dialog.findChild<QPushButton*>("but_OK")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(periodWhileOpen, "2");
    EXPECT_TRUE(dialog.resultOk());
    QTimer::singleShot(0, &dialog, [this] { dialog.close(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.resultOk());
}

TEST_F(OptionsDialog, ChoosingARowByMouseOrArrowFillsOnesFocusesItsPeriodAndKeepsLaterNumbers) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.option(3)->setFocus();
    QTest::keyClick(dialog.option(3), Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.option(SlotCount)->isChecked());
    EXPECT_EQ(dialog.stepField(SlotCount)->text(), "1");
    EXPECT_TRUE(dialog.stepField(SlotCount)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), dialog.periodField(SlotCount));
    EXPECT_EQ(dialog.periodField(SlotCount)->selectedText(), "1"); // gaining focus selects all
    EXPECT_FALSE(dialog.periodField(SlotSpeed)->isEnabled());
    QTest::keyClick(dialog.periodField(SlotCount), Qt::Key_Return); // Enter does not close
    EXPECT_TRUE(dialog.isVisible());

    // Choosing the row again keeps its numbers, but a 0 left behind becomes 1.
    QTest::keyClicks(QApplication::focusWidget(), "5");
    typeOver(dialog.stepField(SlotCount), "0");
    clickOption(3);
    clickOption(SlotCount);
    EXPECT_EQ(dialog.periodField(SlotCount)->text(), "5");
    EXPECT_EQ(dialog.stepField(SlotCount)->text(), "1");
}

TEST_F(OptionsDialog, StartFieldsKeepTheTypedTextAndAreClampedWhenLeftOrConfirmed) {
    // The first keystroke of "15" is below the speed's floor of 2, of "320" below 50: neither
    // may be clamped before the number is complete.
    typeOver(dialog.startField(1), "15");
    EXPECT_EQ(dialog.startField(1)->text(), "15");
    EXPECT_EQ(engine.speed, 15.0);
    typeOver(dialog.startField(2), "320");
    EXPECT_EQ(dialog.startScrollBar(2)->value(), 320);
    EXPECT_EQ(engine.pistonPosition, 320.0f);

    // While typing, the engine's copy and the scroll bar follow the clamped number at once.
    typeOver(dialog.startField(0), "70");
    EXPECT_EQ(dialog.startField(0)->text(), "70");
    EXPECT_EQ(dialog.startScrollBar(0)->value(), dialog.startScrollBar(0)->maximum());
    EXPECT_EQ(engine.particleCount, 50.0);
    QTest::keyClick(dialog.startField(0), Qt::Key_Return);
    EXPECT_EQ(dialog.startField(0)->text(), "50");

    typeOver(dialog.startField(0), "abc");        // no number reads as 0; the count's floor is 1
    emit dialog.startField(0)->editingFinished(); // leaving the field
    EXPECT_EQ(dialog.startField(0)->text(), "1");

    typeOver(dialog.startField(1), "0");
    dialog.command("DIALOG.OK();"); // OK clamps a number still being typed
    EXPECT_EQ(dialog.startField(1)->text(), "2");
    EXPECT_EQ(autoMode.startConditions.speed, 2.0);

    dialog.startScrollBar(2)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.startField(2)->text(), "321");
    EXPECT_EQ(engine.pistonPosition, 321.0f);
}

TEST_F(OptionsDialog, MouseClicksTypeDirectlyWhileTapsAndThePadButtonOpenTheInputAid) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    services.inputAidEdit = [](const QString&) { return QStringLiteral("70"); };
    clickOption(SlotCount);
    for (QLineEdit* field : {dialog.startField(0), dialog.stepField(SlotCount)}) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    }
    QTest::keyClick(dialog.stepField(SlotCount), Qt::Key_End);
    QTest::keyClicks(dialog.stepField(SlotCount), "5");
    EXPECT_TRUE(services.inputAidCaptions.isEmpty()); // a mouse click only places the cursor
    EXPECT_EQ(dialog.stepField(SlotCount)->text(), "15");

    for (int row = 0; row < 3; ++row) {
        tapField(dialog.startField(row));
    }
    EXPECT_EQ(dialog.startField(0)->text(), "50");      // the aid's text is checked like typing
    padButton(dialog.periodField(SlotVolume))->click(); // disabled: no aid
    tapField(dialog.stepField(SlotVolume));
    for (const int slot : {SlotVolume, SlotSpeed}) {
        clickOption(slot);
        padButton(dialog.periodField(slot))->click();
        EXPECT_EQ(dialog.periodField(slot)->text(), "70") << slot; // not limited
        tapField(dialog.stepField(slot));
    }
    EXPECT_EQ(services.inputAidCaptions,
              QStringList({"Anzahl", "Geschwindigkeit", QString::fromUtf8("Fläche"), "Sekunden",
                           QString::fromUtf8("Fläche"), "Sekunden", "Geschwindigkeit"}));
}

TEST_F(OptionsDialog, OkStoresEveryRowAndTheStartConditionsAndReopeningShowsThem) {
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    clickOption(SlotCount);
    typeOver(dialog.periodField(SlotCount), "4 s");
    clickOption(SlotVolume);
    typeOver(dialog.periodField(SlotVolume), "2,5"); // the user's own format
    typeOver(dialog.stepField(SlotVolume), "-0.5");  // and the dot
    clickOption(SlotSpeed);
    typeOver(dialog.periodField(SlotSpeed), "1e14"); // 100000000000000 has fifteen digits
    clickOption(SlotVolume);
    typeOver(dialog.startField(0), "17");
    dialog.startScrollBar(2)->setValue(321);
    dialog.command("DIALOG.OK();");

    EXPECT_TRUE(dialog.resultOk());
    EXPECT_TRUE(autoMode.autoConfigured);
    EXPECT_EQ(autoMode.autoActive, (std::array<bool, 3>{false, true, false}));
    // Rows that are not chosen are stored with what their fields show.
    EXPECT_EQ(autoMode.autoPeriod, (std::array<double, 3>{4.0, 2.5, 1e14}));
    EXPECT_EQ(autoMode.autoStep, (std::array<double, 3>{1.0, -0.5, 1.0}));
    EXPECT_EQ(autoMode.savedAutoActive, autoMode.autoActive);
    EXPECT_EQ(autoMode.savedAutoPeriod, autoMode.autoPeriod);
    EXPECT_EQ(autoMode.savedAutoStep, autoMode.autoStep);
    EXPECT_EQ(engine.particleCount, 17.0);
    EXPECT_EQ(engine.pistonPosition, 321.0f);
    EXPECT_EQ(autoMode.startConditions.particleCount, 17.0);
    EXPECT_EQ(autoMode.startConditions.speed, 2.0);
    EXPECT_EQ(autoMode.startConditions.volume, 321.0);
    const AutoModeSettings first = autoMode;
    experiment.setAutomaticOn(false); // unchecked: the saved copy keeps the choice

    dialog.load();
    EXPECT_TRUE(dialog.option(SlotVolume)->isChecked());
    EXPECT_TRUE(dialog.periodField(SlotVolume)->isEnabled());
    EXPECT_EQ(dialog.periodField(SlotVolume)->text(), "2,5");
    EXPECT_EQ(dialog.stepField(SlotVolume)->text(), "-0,5");
    EXPECT_EQ(typedNumber(dialog.periodField(SlotSpeed)->text()), 1e14);
    EXPECT_FALSE(dialog.periodField(SlotCount)->isEnabled());
    EXPECT_FALSE(dialog.resultOk());
    dialog.command("DIALOG.OK();"); // a second OK keeps the fractions
    EXPECT_EQ(autoMode.autoPeriod, first.autoPeriod);
    EXPECT_EQ(autoMode.autoStep, first.autoStep);

    // An aborted choice is forgotten.
    clickOption(SlotCount);
    typeOver(dialog.periodField(SlotCount), "7");
    dialog.command("DIALOG.ABORT();");
    dialog.load();
    EXPECT_TRUE(dialog.option(SlotVolume)->isChecked());
    EXPECT_EQ(dialog.periodField(SlotCount)->text(), "4");
}

TEST_F(OptionsDialog, AbortKeepsTheStartConditionEditsButIsNotOkAndHelpShowsItsText) {
    clickOption(SlotCount);
    dialog.startScrollBar(1)->setValue(25);
    dialog.show();
    for (const char* unknown : {"DIALOG.CANCEL();", "DIALOG.OK()", " DIALOG.OK();", ""}) {
        dialog.command(unknown); // unknown commands do nothing
    }
    dialog.command("dialog.Help();"); // case is ignored
    QTest::mouseClick(dialog.findChild<QPushButton*>("but_Help"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(services.messages.size(), 2);
    EXPECT_TRUE(services.messages.value(1).startsWith(
        QString::fromUtf8("Hier legen Sie fest, wie sich die eingestellten Werte")));
    QTest::mouseClick(dialog.findChild<QPushButton*>("but_Abort"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.resultOk());
    EXPECT_EQ(engine.speed, 25.0);
    EXPECT_FALSE(autoMode.autoConfigured);
    EXPECT_EQ(autoMode.autoActive, (std::array<bool, 3>{}));
    EXPECT_EQ(autoMode.startConditions.speed, Quantity::of(QuantityId::Speed).startValue);
}

} // namespace
