// Opening the options dialog: what it shows from the settings and the engine's copy, what it
// raises, what survives from an earlier opening, and where its widgets lie.
#include "DialogFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyleOptionButton>

using namespace vozavero;

namespace {

using DialogLoad = DialogFixture;

TEST_F(DialogLoad, FirstOpeningSelectsNoAutomaticRowAndLeavesItsFieldsEmptyAndDisabled) {
    dialog.load();
    EXPECT_TRUE(dialog.option(3)->isChecked());
    for (int slot = 0; slot < 3; ++slot) {
        for (QLineEdit* field : {dialog.periodField(slot), dialog.stepField(slot)}) {
            EXPECT_EQ(field->text(), "") << field->objectName().toStdString();
            EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
        }
    }
    const char* shown[] = {"5", "2", "250"};
    const int positions[] = {5, 2, 250};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(dialog.startField(row)->text(), shown[row]);
        EXPECT_EQ(dialog.startScrollBar(row)->value(), positions[row]);
    }
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dialog.size(), QSize(381, 350)); // 5715 x 5250 twips
    EXPECT_EQ(dialog.pos(), QPoint(screen.x() + (screen.width() - 381) / 2,
                                   screen.y() + (screen.height() - 350) / 2));
}

TEST_F(DialogLoad, StartValuesAreRaisedAndClampedInTheEnginesCopy) {
    engine = {0.0, 0.0, 0.0f};
    dialog.load();
    // Speed is raised to 1 and then the field's own range (2..30) lifts it to 2.
    EXPECT_EQ(engine.particleCount, 2.0);
    EXPECT_EQ(engine.speed, 2.0);
    EXPECT_EQ(engine.pistonPosition, 50.0f);
    EXPECT_EQ(dialog.startField(1)->text(), "2");
    EXPECT_EQ(dialog.startScrollBar(2)->value(), 50);

    engine = {1.0, 31.0, 600.0f};
    dialog.load();
    EXPECT_EQ(dialog.startField(0)->text(), "2"); // raised although the field itself takes 1
    EXPECT_EQ(dialog.startField(1)->text(), "30");
    EXPECT_EQ(dialog.startField(2)->text(), "500");
    EXPECT_EQ(engine.pistonPosition, 500.0f);
}

TEST_F(DialogLoad, ReopeningAfterOkShowsTheChosenRowAndAfterAbortForgetsTheChoice) {
    dialog.load();
    clickOption(SlotVolume);
    typeOver(dialog.periodField(SlotVolume), "2");
    typeOver(dialog.stepField(SlotVolume), "-25");
    dialog.startScrollBar(0)->setValue(12);
    dialog.command("DIALOG.OK();");

    dialog.load();
    EXPECT_TRUE(dialog.option(SlotVolume)->isChecked());
    EXPECT_TRUE(dialog.periodField(SlotVolume)->isEnabled());
    EXPECT_EQ(dialog.periodField(SlotVolume)->text(), "2");
    EXPECT_EQ(dialog.stepField(SlotVolume)->text(), "-25");
    EXPECT_FALSE(dialog.periodField(SlotCount)->isEnabled());
    EXPECT_EQ(dialog.periodField(SlotCount)->text(), "0"); // stored as 0 on OK
    EXPECT_EQ(dialog.startField(0)->text(), "12");
    EXPECT_FALSE(dialog.resultOk());

    clickOption(SlotCount);
    typeOver(dialog.periodField(SlotCount), "7");
    dialog.command("DIALOG.ABORT();");
    dialog.load();
    EXPECT_TRUE(dialog.option(SlotVolume)->isChecked());
    EXPECT_EQ(dialog.periodField(SlotCount)->text(), "0");
}

TEST_F(DialogLoad, OptionCaptionsKeepTheirRunsOfBlanksAndTheFieldsLieInThem) {
    dialog.load();
    const char* captions[3] = {"Teilchenzahl alle            Sekunden um           ändern",
                               "Volumen alle                   Sekunden um           ändern",
                               "Geschwind. alle              Sekunden um           ändern"};
    const char* prefixes[3] = {"Teilchenzahl alle", "Volumen alle", "Geschwind. alle"};
    for (int slot = 0; slot < 3; ++slot) {
        const QRadioButton* option = dialog.option(slot);
        const QString text = option->text();
        ASSERT_EQ(text, QString::fromUtf8(captions[slot]));
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        styleOption.text = text;
        const int textLeft =
            option->x() + option->style()
                              ->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option)
                              .x();
        const QFontMetrics metrics(option->font());
        const auto end = [&](qsizetype characters) {
            return textLeft + metrics.horizontalAdvance(text.left(characters));
        };
        const qsizetype seconds = text.indexOf("Sekunden um");
        const qsizetype change = text.indexOf(QString::fromUtf8("ändern"));
        // The words before and after each field must stay visible beside it.
        const QRect period = dialog.periodField(slot)->geometry();
        const QRect step = dialog.stepField(slot)->geometry();
        EXPECT_GE(period.left(), end(qstrlen(prefixes[slot]))) << slot;
        EXPECT_LE(period.right(), end(seconds)) << slot;
        EXPECT_GE(step.left(), end(seconds + 11)) << slot;
        EXPECT_LE(step.right(), end(change)) << slot;
        EXPECT_LE(end(text.size()), dialog.width()) << slot;
    }
}

} // namespace
