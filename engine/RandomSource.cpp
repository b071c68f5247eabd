// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "RandomSource.h"

#include <cmath>

namespace vozavero {

double UniformRandom::next() {
    // 32 random bits scaled into [0, 1): never reaches 1.
    return static_cast<double>(generator_()) / 4294967296.0;
}

void UniformRandom::reseed(double secondsSinceMidnight) {
    const double ms = std::floor(std::fabs(secondsSinceMidnight) * 1000.0);
    generator_.seed(static_cast<std::uint32_t>(std::fmod(ms, 4294967296.0)));
}

} // namespace vozavero
