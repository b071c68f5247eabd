#pragma once
// An options dialog over a started experiment, and the ways a user works its fields and options.
#include "OptionsAutoDialog.h"
#include "ScriptedServices.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"

#include <QLineEdit>
#include <QPointingDevice>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace vozavero {

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

} // namespace vozavero
