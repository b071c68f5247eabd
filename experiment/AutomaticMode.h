// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Automatic mode of one experiment: the settings the options dialog confirms (which quantity is
// stepped, its period and step, the saved copies and the start conditions), whether the mode is
// switched on ("Automatik aktiv"), and which slots are scheduled at which period, which the
// window's timers follow. Carrying out a step changes the experiment's quantities, so the
// experiment does that with the step and limits read here.
#pragma once
#include "AutoModeSettings.h"
#include "Quantity.h"

#include <array>
#include <optional>

namespace vozavero {

class AutomaticMode {
public:
    /// Never configured, off, nothing scheduled; start conditions at the start values.
    AutomaticMode();

    const AutoModeSettings& settings() const { return settings_; }
    bool on() const { return on_; }
    /// Whether any slot is scheduled, so that something is stepped: switched on alone is not
    /// enough when no row is chosen or its period cannot step.
    bool stepping() const;
    bool configured() const { return settings_.autoConfigured; }
    /// Milliseconds between a slot's steps while it is scheduled; none while it is not.
    std::optional<int> scheduledInterval(int slot) const;
    /// How often a slot was scheduled or unscheduled so far: a timer following the schedule
    /// starts afresh whenever this grows.
    long scheduleCount(int slot) const { return scheduleCount_.at(static_cast<size_t>(slot)); }
    /// The step of a quantity's slot.
    double step(QuantityId id) const;

    /// The timer interval of a period in seconds: 1000 × period rounded (ties to even), capped
    /// at the longest interval a timer takes. None for a period that rounds to no time at all,
    /// a negative one or one that is no number: that quantity is left unstepped.
    static std::optional<int> timerInterval(double periodSeconds);

    /// Checking "Automatik aktiv": every active slot is scheduled (again).
    void switchOn();
    /// Unchecking it: every active flag is cleared and nothing stays scheduled; the saved copies
    /// stay.
    void switchOff();
    /// The dialog's OK: the choice becomes the working settings and their saved copies, the
    /// start conditions are kept, and the mode counts as configured.
    void confirm(const AutomaticChoice& choice, const StartConditions& start);
    /// After a confirmed dialog: on, active slots scheduled, the others not.
    void runConfirmed();
    /// A new series: the working settings take the saved copies; the schedule stays.
    void restoreSaved();

    /// Digits after the point a read-out of the quantity needs: those of its confirmed start
    /// value or of its automatic step, whichever has more (more digits can only be noise of the
    /// binary sums of the steps).
    int readoutDecimals(QuantityId id) const;

private:
    void schedule(int slot, bool active);

    AutoModeSettings settings_;
    bool on_ = false;
    std::array<std::optional<int>, 3> schedule_{};
    std::array<long, 3> scheduleCount_{};
};

} // namespace vozavero
