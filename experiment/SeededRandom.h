// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A generator whose sequences depend on a chosen seed as well as on the time of day it is
// reseeded from, so that a run on a simulated clock gives the same result for the same seed and
// different results for different seeds.
#pragma once
#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace vozavero {

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed);
    double next() override;
    /// Restarts from the seed mixed with the time of day (seconds since midnight, to the ms).
    void reseed(double secondsSinceMidnight) override;

private:
    std::uint32_t seed_;
    std::mt19937 generator_;
};

} // namespace vozavero
