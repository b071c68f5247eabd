// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Automatic mode: switching on and off, confirming the dialog, the schedule and the read-out
// digits.
#include "AutomaticMode.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vozavero {

AutomaticMode::AutomaticMode() {
    settings_.startConditions = {Quantity::of(QuantityId::Count).startValue,
                                 Quantity::of(QuantityId::Speed).startValue,
                                 Quantity::of(QuantityId::Volume).startValue};
}

std::optional<int> AutomaticMode::scheduledInterval(int slot) const {
    return schedule_.at(static_cast<size_t>(slot));
}

bool AutomaticMode::stepping() const {
    return on_ &&
           std::any_of(schedule_.begin(), schedule_.end(),
                       [](const std::optional<int>& interval) { return interval.has_value(); });
}

double AutomaticMode::step(QuantityId id) const {
    return settings_.autoStep.at(static_cast<size_t>(Quantity::of(id).slot));
}

std::optional<int> AutomaticMode::timerInterval(double periodSeconds) {
    const double ms = std::nearbyint(1000.0 * periodSeconds);
    if (!(ms >= 1.0)) {
        return std::nullopt;
    }
    // Longer periods than a timer takes (24.8 days) are capped.
    return static_cast<int>(std::min(ms, static_cast<double>(std::numeric_limits<int>::max())));
}

void AutomaticMode::schedule(int slot, bool active) {
    const size_t s = static_cast<size_t>(slot);
    schedule_.at(s) = active ? timerInterval(settings_.autoPeriod.at(s)) : std::nullopt;
    ++scheduleCount_.at(s);
}

void AutomaticMode::switchOn() {
    on_ = true;
    for (int slot = 0; slot < 3; ++slot) {
        // Slots that are not active keep whatever schedule they have.
        if (settings_.autoActive.at(static_cast<size_t>(slot))) {
            schedule(slot, true);
        }
    }
}

void AutomaticMode::switchOff() {
    on_ = false;
    settings_.autoActive = {};
    for (int slot = 0; slot < 3; ++slot) {
        schedule(slot, false);
    }
}

void AutomaticMode::confirm(const AutomaticChoice& choice, const StartConditions& start) {
    settings_.autoConfigured = true;
    settings_.autoActive = choice.active;
    settings_.savedAutoActive = choice.active;
    settings_.autoPeriod = choice.period;
    settings_.savedAutoPeriod = choice.period;
    settings_.autoStep = choice.step;
    settings_.savedAutoStep = choice.step;
    settings_.startConditions = start;
}

void AutomaticMode::runConfirmed() {
    on_ = true;
    for (int slot = 0; slot < 3; ++slot) {
        schedule(slot, settings_.autoActive.at(static_cast<size_t>(slot)));
    }
}

void AutomaticMode::restoreSaved() {
    settings_.autoActive = settings_.savedAutoActive;
    settings_.autoPeriod = settings_.savedAutoPeriod;
    settings_.autoStep = settings_.savedAutoStep;
}

int AutomaticMode::readoutDecimals(QuantityId id) const {
    const StartConditions& s = settings_.startConditions;
    const double start = id == QuantityId::Count   ? s.particleCount
                         : id == QuantityId::Speed ? s.speed
                                                   : s.volume;
    return std::max(decimalsOf(start), decimalsOf(step(id)));
}

} // namespace vozavero
