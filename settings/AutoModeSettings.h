#pragma once
// What automatic mode needs, per quantity slot (0 particle count, 1 volume, 2 speed): whether the
// quantity is stepped, its period and step, the copies confirmed by the last OK of the options
// dialog, whether the mode was ever configured, and the confirmed start conditions.
#include <array>

namespace vozavero {

/// Quantity slots of automatic mode, the dialog's automatic rows and refreshGauge.
enum QuantitySlot { SlotCount = 0, SlotVolume = 1, SlotSpeed = 2 };

struct StartConditions {
    double particleCount = 5.0;
    double speed = 2.0;
    double volume = 250.0;
};

struct AutoModeSettings {
    std::array<bool, 3> autoActive{};
    /// Seconds between two steps.
    std::array<double, 3> autoPeriod{};
    /// Amount added at each step; may be negative or fractional.
    std::array<double, 3> autoStep{};
    std::array<bool, 3> savedAutoActive{};
    std::array<double, 3> savedAutoPeriod{};
    std::array<double, 3> savedAutoStep{};
    /// Set by every OK of the options dialog, never cleared.
    bool autoConfigured = false;
    /// Start conditions of the last OK; the start-up values until then.
    StartConditions startConditions;
};

} // namespace vozavero
