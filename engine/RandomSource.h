// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The uniform random generator on [0, 1) that placement and wall scatter draw from. Injected so
// that tests can replay a fixed sequence.
#pragma once
#include <cstdint>
#include <random>

namespace vozavero {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    /// Next uniform number in [0, 1).
    virtual double next() = 0;
    /// Restarts the sequence from a seed derived from the time of day (seconds since midnight).
    virtual void reseed(double secondsSinceMidnight) = 0;
};

/// Production generator: a 32-bit Mersenne Twister seeded from the time of day in milliseconds.
class UniformRandom : public RandomSource {
public:
    double next() override;
    void reseed(double secondsSinceMidnight) override;

private:
    std::mt19937 generator_{5489u};
};

} // namespace vozavero
