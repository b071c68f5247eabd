// Automatic mode in the main window: the check box and its menu entry, the options flow that
// applies the dialog's start conditions, and the three automatic timers, whose steps follow the
// experiment's rules and are then shown on gauges, cylinder and piston.
#include "MainWindow.h"

#include "NumberText.h"
#include "OptionsAutoDialog.h"

#include <QCheckBox>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vozavero {

void MainWindow::startAutomaticTimer(int slot) {
    // A period that rounds to no time at all, a negative one or one that is not a number leaves
    // the quantity unstepped; periods beyond the longest timer interval (24.8 days) are capped.
    const double ms =
        std::nearbyint(1000.0 * settings_.autoMode.autoPeriod[static_cast<size_t>(slot)]);
    QTimer* t = automatik_[static_cast<size_t>(slot)];
    if (!(ms >= 1.0)) {
        t->stop();
        return;
    }
    const double capped = std::min(ms, static_cast<double>(std::numeric_limits<int>::max()));
    t->setInterval(static_cast<int>(capped));
    t->start();
}

void MainWindow::automaticToggled(bool checked) {
    AutoModeSettings& a = settings_.autoMode;
    if (checked) {
        if (!a.autoConfigured) {
            openAutomaticOptions();
            if (!a.autoConfigured) {
                automatic_->setChecked(false);
                return;
            }
            if (!automatic_->isChecked()) {
                automatic_->setChecked(true);
                return; // the handling of that change has started the timers
            }
        }
        for (int slot = 0; slot < 3; ++slot) {
            if (a.autoActive[static_cast<size_t>(slot)]) {
                startAutomaticTimer(slot);
            }
        }
    } else {
        for (int slot = 0; slot < 3; ++slot) {
            a.autoActive[static_cast<size_t>(slot)] = false;
            automatik_[static_cast<size_t>(slot)]->stop();
        }
    }
}

void MainWindow::openAutomaticOptions() {
    AutoModeSettings& a = settings_.autoMode;
    if (!optionsDialog_) {
        optionsDialog_ = std::make_unique<OptionsAutoDialog>(a, engine_.engineCopy(), services_,
                                                             env_.twips, this);
    }
    optionsDialog_->exec();
    if (!optionsDialog_->resultOk() || !a.autoConfigured) {
        return;
    }
    applyStartConditionsFromEngine();
    automatic_->setChecked(true);
    // Slot order 0 count, 1 volume, 2 speed; each shows the page of its data series.
    const int pageOfSlot[3] = {0, 2, 1};
    for (int slot = 0; slot < 3; ++slot) {
        if (a.autoActive[static_cast<size_t>(slot)]) {
            startAutomaticTimer(slot);
            tabs_->setCurrentIndex(pageOfSlot[slot]);
        } else {
            automatik_[static_cast<size_t>(slot)]->stop();
        }
    }
}

void MainWindow::applyStartConditionsFromEngine() {
    const EngineCopy copy = engine_.engineCopy();
    experiment_.applyQuantities(copy.particleCount, copy.speed, copy.pistonPosition);
    showQuantities();
}

int MainWindow::readoutDecimals(int slot) const {
    // Since the last confirmed start conditions a quantity has changed by whole gauge and piston
    // values and by its automatic step, so its true value never has more decimals than the
    // start value or the step; more digits can only be noise of the binary sums.
    const AutoModeSettings& a = settings_.autoMode;
    const StartConditions& s = a.startConditions;
    const double start = slot == SlotCount   ? s.particleCount
                         : slot == SlotSpeed ? s.speed
                                             : s.volume;
    return std::max(decimalsOf(start), decimalsOf(a.autoStep.at(static_cast<size_t>(slot))));
}

void MainWindow::automaticStep(int slot) {
    experiment_.automaticStep(slot);
    if (slot == SlotVolume) {
        fitCylinderPicture();
        refreshGauge(SlotVolume);
        placePiston();
    } else {
        refreshGauge(slot);
    }
}

} // namespace vozavero
