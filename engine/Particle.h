// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One particle of the gas: its position on the grid of 8-pixel cells, its direction of motion
// and the sprite that draws it.
#pragma once
#include <cstdint>

namespace vozavero {

struct Particle {
    /// Horizontal position in cells; 0 is the closed end, cellsX the piston face.
    float x = 0.0f;
    /// Vertical position in cells; 0 is the top wall, cellsY the bottom wall.
    float y = 0.0f;
    /// Angle of motion in degrees plus one (clockwise on screen); 0 marks an unplaced slot.
    std::int16_t direction = 0;
    /// Index of the sprite picture that draws the particle (3 for every placed particle).
    std::int16_t sprite = 0;
};

} // namespace vozavero
