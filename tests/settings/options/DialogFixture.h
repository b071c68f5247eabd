#pragma once
// Shared set-up of the options dialog tests: the settings it edits, scripted framework services,
// and short ways to reach its widgets and to type into them.
#include "OptionsAutoDialog.h"
#include "ScriptedServices.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace vozavero {

class DialogFixture : public ::testing::Test {
protected:
    AutoModeSettings autoMode;
    EngineCopy engine{5.0, 2.0, 250.0f};
    ScriptedServices services;
    OptionsAutoDialog dialog{autoMode, engine, services, Twips{}};

    /// Replaces the field's whole text by typing text, one keystroke at a time.
    static void typeOver(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    /// Shows the loaded dialog without a modal loop and waits until it has the focus.
    void showActive() {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    /// Clicks the round indicator of option index, where no field lies over the caption.
    void clickOption(int index) {
        QRadioButton* option = dialog.option(index);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }
    static void clickField(QLineEdit* field) {
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    }
};

} // namespace vozavero
