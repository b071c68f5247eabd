// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The settings record of one experiment: the three quantities the user controls and the
// measuring settings that go with them. Its owner fills it with the start values; everything
// lasts for the run only.
#pragma once
#include <cstdint>

namespace vozavero {

/// The four gauges, in the order of their control arrays.
enum GaugeId { GaugeCount = 0, GaugeSpeed = 1, GaugeImpacts = 2, GaugeVolume = 3 };

struct SimulationSettings {
    /// Number of particles ("Teilchenzahl"); may be fractional after an automatic step.
    double particleCount = 0.0;
    /// Speed ("Geschwindigkeit") in cells per tenth second.
    double speed = 0.0;
    /// Width of the gas space in pixels; always equal to the cylinder's width.
    float pistonPosition = 0.0f;
    /// Seconds per measuring interval: 1, 2, 3, 5 or 10.
    std::int32_t measuringInterval = 5;
    /// Rows are recorded only while set.
    bool recordingEnabled = true;
};

} // namespace vozavero
