// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The cell grid laid over the cylinder interior, in cells and pixels per cell.
#pragma once
#include <cstdint>

namespace vozavero {

struct CylinderGeometry {
    /// Highest horizontal cell coordinate: the piston face.
    std::int16_t cellsX = 0;
    /// Highest vertical cell coordinate: the bottom wall.
    std::int16_t cellsY = 0;
    /// Cells a particle advances in one motion step (>= 1).
    std::int16_t stepCells = 0;
    /// Pixels per cell (8).
    std::int16_t cellSize = 0;
};

/// The engine's copy of the three controlled quantities, refreshed by every re-initialisation.
struct EngineCopy {
    /// Number of particles (may be fractional after a fractional automatic step).
    double particleCount = 0.0;
    /// Speed in cells per tenth of a second.
    double speed = 0.0;
    /// Width of the gas space in pixels (50..500).
    float pistonPosition = 0.0f;
};

} // namespace vozavero
