// Working in the open dialog: choosing the automatic row, typing into and scrolling the start
// conditions, and the input aid on clicks into number fields.
#include "DialogFixture.h"

using namespace vozavero;

namespace {

using DialogEdit = DialogFixture;

TEST_F(DialogEdit, SelectingTheCountRowFillsOnesAndPutsTheFocusIntoItsPeriodField) {
    dialog.load();
    showActive();
    clickOption(SlotCount);
    EXPECT_EQ(dialog.periodField(SlotCount)->text(), "1");
    EXPECT_EQ(dialog.stepField(SlotCount)->text(), "1");
    EXPECT_TRUE(dialog.stepField(SlotCount)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), dialog.periodField(SlotCount));
    EXPECT_EQ(dialog.periodField(SlotCount)->selectedText(), "1"); // gaining focus selects all
    EXPECT_FALSE(dialog.periodField(SlotSpeed)->isEnabled());
}

TEST_F(DialogEdit, ReselectingARowKeepsItsNumbersButNeverAZero) {
    dialog.load();
    clickOption(SlotSpeed);
    typeOver(dialog.periodField(SlotSpeed), "5");
    typeOver(dialog.stepField(SlotSpeed), "0");
    clickOption(3);
    EXPECT_FALSE(dialog.periodField(SlotSpeed)->isEnabled());
    EXPECT_EQ(dialog.stepField(SlotSpeed)->text(), "0"); // the user may leave a 0 behind
    clickOption(SlotSpeed);
    EXPECT_EQ(dialog.periodField(SlotSpeed)->text(), "5");
    EXPECT_EQ(dialog.stepField(SlotSpeed)->text(), "1");
}

TEST_F(DialogEdit, StartFieldsAreClampedAtEveryKeystroke) {
    dialog.load();
    typeOver(dialog.startField(0), "70");
    EXPECT_EQ(dialog.startField(0)->text(), "50");
    EXPECT_EQ(dialog.startScrollBar(0)->value(), dialog.startScrollBar(0)->maximum());
    EXPECT_EQ(engine.particleCount, 50.0);

    typeOver(dialog.startField(1), "0");
    EXPECT_EQ(dialog.startField(1)->text(), "2");
    EXPECT_EQ(engine.speed, 2.0);

    typeOver(dialog.startField(2), "3"); // a first digit already falls below 50
    EXPECT_EQ(dialog.startField(2)->text(), "50");
    EXPECT_EQ(engine.pistonPosition, 50.0f);

    typeOver(dialog.startField(0), "abc"); // no number reads as 0; the count's floor is 1
    EXPECT_EQ(dialog.startField(0)->text(), "1");
    EXPECT_EQ(engine.particleCount, 1.0);
}

TEST_F(DialogEdit, FieldScrollBarAndEngineCopyMoveTogether) {
    dialog.load();
    typeOver(dialog.startField(0), "17");
    EXPECT_EQ(dialog.startScrollBar(0)->value(), 17);
    dialog.startScrollBar(2)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.startField(2)->text(), "251");
    EXPECT_EQ(engine.pistonPosition, 251.0f);

    // A fraction moves the bar to its whole number (a tie to the even one), which is then kept.
    services.inputAidEdit = [](const QString&) { return QStringLiteral("12.5"); };
    clickField(dialog.startField(1));
    EXPECT_EQ(dialog.startScrollBar(1)->value(), 12);
    EXPECT_EQ(dialog.startField(1)->text(), "12");
    EXPECT_EQ(engine.speed, 12.0);
}

TEST_F(DialogEdit, ClicksHandTheFieldsToTheInputAidWithTheirQuantity) {
    dialog.load();
    clickField(dialog.periodField(SlotVolume)); // disabled: no aid
    services.inputAidEdit = [](const QString&) { return QStringLiteral("70"); };
    for (int row = 0; row < 3; ++row) {
        clickField(dialog.startField(row));
    }
    EXPECT_EQ(dialog.startField(0)->text(), "50"); // the aid's text is checked like typing
    EXPECT_EQ(services.inputAidCaptions,
              QStringList({"Anzahl", "Geschwindigkeit", QString::fromUtf8("Fläche")}));

    services.inputAidCaptions.clear();
    for (const int slot : {SlotCount, SlotVolume, SlotSpeed}) {
        clickOption(slot);
        clickField(dialog.periodField(slot));
        EXPECT_EQ(dialog.periodField(slot)->text(), "70") << slot; // not limited
        EXPECT_EQ(dialog.periodField(slot)->selectedText(), "70") << slot;
        clickField(dialog.stepField(slot));
    }
    EXPECT_EQ(services.inputAidCaptions,
              QStringList({"Sekunden", "Anzahl", "Sekunden", QString::fromUtf8("Fläche"),
                           "Sekunden", "Geschwindigkeit"}));
}

TEST_F(DialogEdit, EnterInANumberFieldDoesNotCloseTheDialog) {
    dialog.load();
    showActive();
    clickOption(SlotCount);
    QTest::keyClick(dialog.periodField(SlotCount), Qt::Key_Return);
    QTest::keyClick(dialog.startField(0), Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.resultOk());
}

} // namespace
