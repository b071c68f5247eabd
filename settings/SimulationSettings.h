#pragma once
// The main window's settings record: the three quantities the user controls and the measuring
// and automatic-mode settings that go with them. Everything lasts for the run only.
#include "AutoModeSettings.h"

#include <cstdint>

namespace vozavero {

/// The four gauges, in the order of their control arrays.
enum GaugeId { GaugeCount = 0, GaugeSpeed = 1, GaugeImpacts = 2, GaugeVolume = 3 };

struct SimulationSettings {
    /// Number of particles ("Teilchenzahl"), 2..50 from the gauge, may be fractional.
    double particleCount = 5.0;
    /// Speed ("Geschwindigkeit") in cells per tenth second, 1..30 from the gauge.
    double speed = 2.0;
    /// Width of the gas space in pixels, 50..500; always equal to the cylinder's width.
    float pistonPosition = 250.0f;
    /// Seconds per measuring interval: 1, 2, 3, 5 or 10.
    std::int32_t measuringInterval = 5;
    /// Rows are recorded only while set.
    bool recordingEnabled = true;
    /// Full scale of the impact gauge and of every impact axis; only grows.
    double impactAxisMax = 100.0;
    AutoModeSettings autoMode;
};

} // namespace vozavero
