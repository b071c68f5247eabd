// The dialog's three commands and the ways it closes: what OK stores, what abort and the close box
// leave behind, and the help message.
#include "DialogFixture.h"

#include <QPushButton>
#include <QTimer>

using namespace vozavero;

namespace {

using DialogCommand = DialogFixture;

TEST_F(DialogCommand, OkStoresEveryRowTheSavedCopiesAndTheStartConditions) {
    dialog.load();
    clickOption(SlotCount);
    typeOver(dialog.periodField(SlotCount), "4 s");
    clickOption(SlotSpeed);
    typeOver(dialog.periodField(SlotSpeed), "3");
    typeOver(dialog.stepField(SlotSpeed), "-0.5");
    typeOver(dialog.startField(0), "17");
    dialog.startScrollBar(2)->setValue(321);
    dialog.command("DIALOG.OK();");

    EXPECT_TRUE(dialog.resultOk());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(autoMode.autoConfigured);
    EXPECT_EQ(autoMode.autoActive, (std::array<bool, 3>{false, false, true}));
    // Rows that are not chosen are stored with what their fields show (empty reads as 0).
    EXPECT_EQ(autoMode.autoPeriod, (std::array<double, 3>{4.0, 0.0, 3.0}));
    EXPECT_EQ(autoMode.autoStep, (std::array<double, 3>{1.0, 0.0, -0.5}));
    EXPECT_EQ(autoMode.savedAutoActive, autoMode.autoActive);
    EXPECT_EQ(autoMode.savedAutoPeriod, autoMode.autoPeriod);
    EXPECT_EQ(autoMode.savedAutoStep, autoMode.autoStep);
    EXPECT_EQ(engine.particleCount, 17.0);
    EXPECT_EQ(engine.pistonPosition, 321.0f);
    EXPECT_EQ(autoMode.startConditions.particleCount, 17.0);
    EXPECT_EQ(autoMode.startConditions.speed, 2.0);
    EXPECT_EQ(autoMode.startConditions.volume, 321.0);
}

TEST_F(DialogCommand, AbortKeepsTheStartConditionEditsButIsNotOk) {
    dialog.load();
    clickOption(SlotCount);
    dialog.startScrollBar(1)->setValue(25);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("but_Abort"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.resultOk());
    EXPECT_EQ(engine.speed, 25.0);
    EXPECT_FALSE(autoMode.autoConfigured);
    EXPECT_EQ(autoMode.autoActive, (std::array<bool, 3>{}));
    EXPECT_EQ(autoMode.startConditions.speed, StartConditions{}.speed);
}

TEST_F(DialogCommand, HelpKeepsTheDialogOpenCaseIsIgnoredAndOtherTextsDoNothing) {
    dialog.load();
    dialog.show();
    for (const char* unknown : {"DIALOG.CANCEL();", "DIALOG.OK()", " DIALOG.OK();", ""}) {
        dialog.command(unknown);
    }
    dialog.command("dialog.Help();");
    QTest::mouseClick(dialog.findChild<QPushButton*>("but_Help"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(autoMode.autoConfigured);
    const QString help = QString::fromUtf8(
        "Hier legen Sie fest, wie sich die eingestellten Werte über die Zeit verändern sollen");
    EXPECT_EQ(services.messages, QStringList({help, help}));
    dialog.command("Dialog.Ok();");
    EXPECT_TRUE(dialog.resultOk());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogCommand, ModalOpeningLoadsEndsWithOkAndTheCloseBoxIsNotOk) {
    autoMode.autoConfigured = true;
    autoMode.autoActive = {true, false, false};
    autoMode.autoPeriod = {2.0, 0.0, 0.0};
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

} // namespace
