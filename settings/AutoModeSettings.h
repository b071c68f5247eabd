// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// What automatic mode needs, per automatic slot (0 particle count, 1 volume, 2 speed): whether the
// quantity is stepped, its period and step, the copies confirmed by the last OK of the options
// dialog, whether the mode was ever configured, and the confirmed start conditions.
#pragma once
#include <array>

namespace vozavero {

/// Particle count, speed and volume to start a series from.
struct StartConditions {
    double particleCount = 0.0;
    double speed = 0.0;
    double volume = 0.0;
};

/// What the options dialog's OK confirms for the automatic rows, per slot.
struct AutomaticChoice {
    std::array<bool, 3> active{};
    /// Seconds between two steps.
    std::array<double, 3> period{};
    /// Amount added at each step; may be negative or fractional.
    std::array<double, 3> step{};
};

struct AutoModeSettings {
    std::array<bool, 3> autoActive{};
    std::array<double, 3> autoPeriod{};
    std::array<double, 3> autoStep{};
    std::array<bool, 3> savedAutoActive{};
    std::array<double, 3> savedAutoPeriod{};
    std::array<double, 3> savedAutoStep{};
    /// Set by every OK of the options dialog, never cleared.
    bool autoConfigured = false;
    /// Start conditions of the last OK; the start values until then.
    StartConditions startConditions;
};

} // namespace vozavero
