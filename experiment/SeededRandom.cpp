// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The seeded generator: a Mersenne Twister restarted from the seed and the time of day together.
#include "SeededRandom.h"

#include <cmath>

namespace vozavero {

SeededRandom::SeededRandom(std::uint32_t seed)
    : seed_(seed) {
    reseed(0.0);
}

double SeededRandom::next() {
    return static_cast<double>(generator_()) / 4294967296.0;
}

void SeededRandom::reseed(double secondsSinceMidnight) {
    const double ms = std::floor(std::fabs(secondsSinceMidnight) * 1000.0);
    const auto time = static_cast<std::uint32_t>(std::fmod(ms, 4294967296.0));
    std::seed_seq sequence{seed_, time};
    generator_.seed(sequence);
}

} // namespace vozavero
