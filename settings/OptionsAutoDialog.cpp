// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The options dialog at work: filling it at every opening, the choice of the automatic row, the
// start conditions kept in step with the engine's copy, and the three commands.
#include "OptionsAutoDialog.h"

#include "NumberText.h"
#include "RoundHalfEven.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace vozavero {

namespace {

/// The quantity of a start-condition row (0 count, 1 speed, 2 volume).
QuantityId rowQuantity(int row) {
    return static_cast<QuantityId>(row);
}

double copyValue(const EngineCopy& copy, QuantityId id) {
    switch (id) {
    case QuantityId::Count:
        return copy.particleCount;
    case QuantityId::Speed:
        return copy.speed;
    case QuantityId::Volume:
        return copy.pistonPosition;
    }
    return 0.0;
}

} // namespace

OptionsAutoDialog::OptionsAutoDialog(Experiment& experiment, FrameworkServices& services,
                                     const Twips& twips, QWidget* parent)
    : QDialog(parent)
    , experiment_(experiment)
    , services_(services)
    , twips_(twips) {
    build();
}

void OptionsAutoDialog::resetFields() {
    for (size_t row = 0; row < 3; ++row) {
        const QSignalBlocker fieldBlocker(scro_.at(row));
        scro_.at(row)->setText(QStringLiteral("2"));
        const QSignalBlocker barBlocker(schroll_.at(row));
        schroll_.at(row)->setValue(2); // the scroll bar clamps it to its range
    }
    for (size_t slot = 0; slot < 3; ++slot) {
        for (QLineEdit* field : {zeit_.at(slot), anz_.at(slot)}) {
            field->setText(QStringLiteral("0"));
            field->setEnabled(true);
        }
    }
}

int OptionsAutoDialog::exec() {
    load();
    return QDialog::exec();
}

void OptionsAutoDialog::load() {
    loading_ = true;
    resultOk_ = false;
    resetFields();
    placeAutomaticFields();

    for (const Quantity& q : Quantity::all()) {
        const double value = copyValue(experiment_.engine().engineCopy(), q.id);
        if (value < q.startConditionFloor) {
            experiment_.editStartCondition(q.id, q.startConditionFloor);
        }
    }
    // Each text runs the start-condition handling, which may change the engine's copy again.
    for (int row = 0; row < 3; ++row) {
        scro_.at(static_cast<size_t>(row))
            ->setText(fittedNumberText(
                copyValue(experiment_.engine().engineCopy(), rowQuantity(row)), kFieldLength));
    }

    const AutoModeSettings& autoMode = experiment_.automatic().settings();
    selectOption(kNoOption);
    for (size_t slot = 0; slot < 3; ++slot) {
        // The row chosen at the last OK, even when "Automatik aktiv" was unchecked since: an OK
        // then starts that row again instead of confirming "no automatic change".
        if (autoMode.savedAutoActive.at(slot)) {
            selectOption(static_cast<int>(slot));
        }
        // Before the first OK nothing was ever stored, which shows as empty fields.
        const bool stored = autoMode.autoConfigured;
        // A number typed shorter than it is written (".12345", "1e14") is shown as it fits.
        zeit_.at(slot)->setText(
            stored ? fittedNumberText(autoMode.autoPeriod.at(slot), kFieldLength) : QString());
        anz_.at(slot)->setText(stored ? fittedNumberText(autoMode.autoStep.at(slot), kFieldLength)
                                      : QString());
    }
    centreOnScreen();
    loading_ = false;
}

void OptionsAutoDialog::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void OptionsAutoDialog::selectOption(int index) {
    auto_.at(static_cast<size_t>(index))->setChecked(true);
    for (size_t slot = 0; slot < 3; ++slot) {
        const bool selected = auto_.at(slot)->isChecked();
        zeit_.at(slot)->setEnabled(selected);
        anz_.at(slot)->setEnabled(selected);
    }
    if (index == kNoOption) {
        showPeriodHint();
        return;
    }
    QLineEdit* period = zeit_.at(static_cast<size_t>(index));
    QLineEdit* step = anz_.at(static_cast<size_t>(index));
    if (typedNumber(period->text()) == 0.0) {
        period->setText(QStringLiteral("1"));
    }
    if (typedNumber(step->text()) == 0.0) {
        step->setText(QStringLiteral("1"));
    }
    showPeriodHint();
    if (!loading_ && isVisible()) {
        period->setFocus(Qt::OtherFocusReason);
        // Choosing the row with an arrow key gives the focus back to the option after this
        // handler has run, so the period field takes it again once that is done.
        QMetaObject::invokeMethod(
            period,
            [this, period, index] {
                if (isVisible() && auto_.at(static_cast<size_t>(index))->isChecked() &&
                    period->isEnabled()) {
                    period->setFocus(Qt::OtherFocusReason);
                }
            },
            Qt::QueuedConnection);
    }
}

void OptionsAutoDialog::showPeriodHint() {
    bool cannotStep = false;
    for (size_t slot = 0; slot < 3; ++slot) {
        QLineEdit* period = zeit_.at(slot);
        const bool refused = auto_.at(slot)->isChecked() &&
                             !AutomaticMode::timerInterval(typedNumber(period->text()));
        period->setAccessibleDescription(refused ? periodHint_->text() : QString());
        cannotStep = cannotStep || refused;
    }
    periodHint_->setVisible(cannotStep);
}

void OptionsAutoDialog::setStartValue(int row, double value) {
    experiment_.editStartCondition(rowQuantity(row), value);
}

void OptionsAutoDialog::startTextChanged(int row) {
    if (startChangeDepth_ > 4) {
        return;
    }
    ++startChangeDepth_;
    QLineEdit* field = scro_.at(static_cast<size_t>(row));
    QScrollBar* bar = schroll_.at(static_cast<size_t>(row));
    // The scroll bar's range is the row's range: count 1..50, speed 2..30, volume 50..500.
    const double value = std::clamp(typedNumber(field->text()), static_cast<double>(bar->minimum()),
                                    static_cast<double>(bar->maximum()));
    setStartValue(row, value);
    if (field->isModified()) {
        // While the user types, the text stays as typed ("1" on the way to "15" in a field whose
        // minimum is 2): the engine's copy and the scroll bar follow the clamped number, and the
        // text itself is clamped when the field is left or confirmed.
        const QSignalBlocker blocker(bar);
        bar->setValue(roundTo<int>(value));
    } else {
        const QString shown = numberText(value);
        if (field->text() != shown) {
            field->setText(shown);
        }
        // Moving the bar runs startScrollChanged, which keeps the whole number.
        bar->setValue(roundTo<int>(value));
    }
    --startChangeDepth_;
}

void OptionsAutoDialog::confirmStartField(int row) {
    QLineEdit* field = scro_.at(static_cast<size_t>(row));
    if (!field->isModified()) {
        return;
    }
    field->setModified(false);
    startTextChanged(row);
}

void OptionsAutoDialog::startScrollChanged(int row) {
    const int value = schroll_.at(static_cast<size_t>(row))->value();
    setStartValue(row, value);
    QLineEdit* field = scro_.at(static_cast<size_t>(row));
    const QString shown = numberText(value);
    if (field->text() != shown) {
        field->setText(shown);
    }
}

void OptionsAutoDialog::startFieldClicked(int row, const QString& caption) {
    services_.inputAid(scro_.at(static_cast<size_t>(row)), caption);
    startTextChanged(row);
}

void OptionsAutoDialog::command(const QString& text) {
    const auto is = [&text](const char* command) {
        return text.compare(QLatin1String(command), Qt::CaseInsensitive) == 0;
    };
    if (is("DIALOG.OK();")) {
        for (int row = 0; row < 3; ++row) {
            confirmStartField(row); // a number still being typed is clamped first
        }
        AutomaticChoice choice;
        for (size_t slot = 0; slot < 3; ++slot) {
            // Rows that are not chosen are kept too, with whatever their fields show.
            choice.active.at(slot) = auto_.at(slot)->isChecked();
            choice.period.at(slot) = typedNumber(zeit_.at(slot)->text());
            choice.step.at(slot) = typedNumber(anz_.at(slot)->text());
        }
        const StartConditions start{typedNumber(scro_[0]->text()), typedNumber(scro_[1]->text()),
                                    typedNumber(scro_[2]->text())};
        experiment_.confirmAutomaticChoice(choice, start);
        resultOk_ = true;
        accept();
    } else if (is("DIALOG.ABORT();")) {
        resultOk_ = false;
        reject();
    } else if (is("DIALOG.HELP();")) {
        services_.message(
            tr("Hier legen Sie fest, wie sich die eingestellten Werte über die Zeit verändern "
               "sollen"));
    }
}

} // namespace vozavero
