// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The automatic-mode options dialog as the user works it: what an opening shows, choosing the
// stepped row, typing and scrolling the start conditions, the input aid, OK, abort and help, the
// hint for a period that never steps, and fields that fit their numbers beside the captions.
#include "OptionsAutoDialog.h"
#include "DefaultLocale.h"
#include "NumberText.h"
#include "ScriptedServices.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace vozavero;

namespace {

inline const int SlotCount = Quantity::of(QuantityId::Count).slot;
inline const int SlotSpeed = Quantity::of(QuantityId::Speed).slot;
inline const int SlotVolume = Quantity::of(QuantityId::Volume).slot;

class OptionsDialog : public ::testing::Test {
protected:
    SimulatedClock clock{36000};
    SeededRandom random{1};
    Experiment experiment{random, clock};
    const AutoModeSettings& autoMode = experiment.automatic().settings();
    const EngineCopy& engine = experiment.engine().engineCopy();
    ScriptedServices services;
    OptionsAutoDialog dialog{experiment, services, Twips{}};

    OptionsDialog() {
        experiment.start();
        dialog.load();
    }
    static void typeOver(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    /// Clicks the round indicator of option index, where no field lies over the caption.
    void clickOption(int index) {
        QRadioButton* option = dialog.option(index);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    /// A finger on the touch screen, lifted again, over the field of the shown dialog.
    void tapField(QLineEdit* field) {
        static QPointingDevice* screen = QTest::createTouchDevice();
        const QPoint at = field->mapTo(&dialog, QPoint(6, field->height() / 2));
        QTest::touchEvent(&dialog, screen).press(0, at, &dialog);
        QTest::touchEvent(&dialog, screen).release(0, at, &dialog);
        QCoreApplication::processEvents();
    }
    static QToolButton* padButton(QLineEdit* field) {
        return field->findChild<QToolButton*>("numberPadButton");
    }
};

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
    EXPECT_EQ(autoMode.startConditions.particleCount, 17.0);
    EXPECT_EQ(autoMode.startConditions.speed, 2.0);
    EXPECT_EQ(autoMode.startConditions.volume, 321.0);
    const AutoModeSettings first = autoMode;
    experiment.setAutomaticOn(false); // unchecked: the saved copy keeps the choice, shown next

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

    // An aborted choice is forgotten; the start conditions scrolled meanwhile reach the engine.
    clickOption(SlotCount);
    typeOver(dialog.periodField(SlotCount), "7");
    dialog.startScrollBar(1)->setValue(25);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("but_Abort"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.resultOk());
    EXPECT_EQ(engine.speed, 25.0);
    EXPECT_EQ(autoMode.startConditions.speed, 2.0);
    dialog.load();
    EXPECT_TRUE(dialog.option(SlotVolume)->isChecked());
    EXPECT_EQ(dialog.periodField(SlotCount)->text(), "4");
}

TEST_F(OptionsDialog, AHintShowsWhileThePeriodCannotStepHelpShowsItsTextAndFieldsFitTheirText) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QLabel* hint = dialog.periodHint();
    QLineEdit* period = dialog.periodField(SlotSpeed);
    EXPECT_FALSE(hint->isVisible());
    clickOption(SlotSpeed); // fills in "1"
    EXPECT_FALSE(hint->isVisible());
    const struct {
        QString text;
        bool shown;
    } cases[] = {{"abc", true}, {"2", false}, {"0.0004", true}, {QLocale().toString(0.5), false}};
    for (const auto& c : cases) {
        typeOver(period, c.text);
        EXPECT_EQ(hint->isVisible(), c.shown) << c.text.toStdString();
    }
    EXPECT_EQ(hint->text(), QString::fromUtf8("Die Zeit muss größer als 0 sein"));
    typeOver(period, "0");
    clickOption(3); // "Keine automatische Veränderung": no period is used
    EXPECT_FALSE(hint->isVisible());
    clickOption(SlotSpeed);
    typeOver(period, "0");
    dialog.command("DIALOG.OK();");
    dialog.load(); // reopened on the 0 just confirmed
    EXPECT_EQ(period->text(), "0");
    EXPECT_FALSE(hint->isHidden());

    // Whole, inside the window, below the last row and above the command bar.
    EXPECT_GE(hint->width(), hint->sizeHint().width());
    EXPECT_TRUE(dialog.rect().contains(hint->geometry()));
    EXPECT_GT(hint->y(), dialog.option(SlotVolume)->geometry().bottom());
    EXPECT_LT(hint->geometry().bottom(), dialog.findChild<QWidget*>("bar_Buttons")->y());

    dialog.show();
    dialog.command("dialog.Help();"); // case is ignored
    QTest::mouseClick(dialog.findChild<QPushButton*>("but_Help"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_TRUE(services.messages.value(1).startsWith(
        QString::fromUtf8("Hier legen Sie fest, wie sich die eingestellten Werte")));

    // Every field holds six characters and shows the widest numbers of that length whole beside
    // the pad button, with decimal commas.
    const QStringList startTexts{"500", "499,75", "12,125"};
    const QStringList automaticTexts{"99999", "100000", "-0,125", "0,0005"};
    for (int i = 0; i < 3; ++i) {
        for (QLineEdit* field :
             {dialog.startField(i), dialog.periodField(i), dialog.stepField(i)}) {
            for (const QString& text :
                 field == dialog.startField(i) ? startTexts : automaticTexts) {
                field->setText(text);
                field->setCursorPosition(0); // unscrolled: the cursor stands where text starts
                const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
                EXPECT_LE(cursor.center().x() + field->fontMetrics().horizontalAdvance(text),
                          padButton(field)->x())
                    << field->objectName().toStdString() << " " << text.toStdString();
            }
            if (field->isEnabled()) { // the start fields and the chosen row: no seventh digit
                typeOver(field, "1234567");
                EXPECT_EQ(field->text(), "123456") << field->objectName().toStdString();
            }
        }
    }

    // The period and step fields lie over blanks of their option's caption: the caption as
    // drawn has no ink under a field or within two pixels of it.
    for (int slot = 0; slot < 3; ++slot) {
        QRadioButton* option = dialog.option(slot);
        const QImage caption = option->grab().toImage();
        const QColor paper = caption.pixelColor(caption.width() - 1, 0);
        for (const QLineEdit* field : {dialog.periodField(slot), dialog.stepField(slot)}) {
            const int from = field->x() - option->x() - 2;
            const int to = field->geometry().right() - option->x() + 2;
            for (int x = std::max(0, from); x <= std::min(to, caption.width() - 1); ++x) {
                for (int y = 0; y < caption.height(); ++y) {
                    ASSERT_EQ(caption.pixelColor(x, y), paper) << field->objectName().toStdString();
                }
            }
            EXPECT_GT(from, 40) << field->objectName().toStdString(); // after the round button
        }
    }
}

} // namespace
