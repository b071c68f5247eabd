// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The particle engine: owns the particle set, the cell geometry, the direction tables, the impact
// counter and the engine's copy of the settings, and implements placement and the motion step
// with its wall reflections, cell sharing and piston impact counting. Plain C++ (no toolkit), so
// that tests and benchmarks can build as many engines as they like.
#pragma once
#include "CylinderGeometry.h"
#include "Particle.h"
#include "RandomSource.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vozavero {

class ParticleEngine {
public:
    static constexpr int kTableSize = 361;

    /// The generator is used for placement and scatter; it must outlive the engine.
    explicit ParticleEngine(RandomSource& random);

    /// Fills sinTable/cosTable: entry i = sin/cos(i * 3.1416 / 180), i = 0..360.
    void buildDirectionTables();

    /// Engine side of the window's particle re-initialisation, in order: copies the settings into
    /// engineCopy; allocates the set afresh (keepParticles false) or resizes it keeping existing
    /// records (true) to bounds 0..roundHalfEven(particleCount); reseeds the generator from
    /// timeOfDay; setGeometry from the drawable interior size (pixels) and stepSize; places.
    /// Throws NumericError when a value does not fit its type; the state is then left as far as
    /// the steps before the failing one got.
    void initialise(bool keepParticles, const EngineCopy& settings, double drawableWidth,
                    double drawableHeight, std::int32_t stepSize, double timeOfDay);

    /// Resizes the set to bounds 0..roundHalfEven(count): fresh = all records zero; otherwise
    /// records inside the new bounds are kept and new ones appended zeroed.
    void resizeParticles(double count, bool fresh);

    /// Stores the four geometry values, each converted (roundHalfEven) to a 16-bit integer.
    void setGeometry(double cellsX, double cellsY, double stepCells, double cellSize);

    /// Clamps placed particles to the piston face and places every unplaced slot at random.
    void placeParticles();

    /// One motion step of every placed particle: cell sharing, move, reflections, impacts.
    void advanceParticles();

    /// Brings an angle (degrees) into 0..360, first turning it by 10 degrees at random in one in
    /// ten cases when scatter is set.
    float normaliseDirection(float angle, bool scatter);

    /// Particle records, index 0 unused; size() - 1 is the upper bound.
    std::vector<Particle>& particles() { return particles_; }
    const std::vector<Particle>& particles() const { return particles_; }
    /// Highest valid index of the set (0 for an empty set).
    int upperBound() const { return static_cast<int>(particles_.size()) - 1; }

    const CylinderGeometry& geometry() const { return geometry_; }
    const std::array<double, kTableSize>& sinTable() const { return sinTable_; }
    const std::array<double, kTableSize>& cosTable() const { return cosTable_; }

    /// Impacts on the piston since the counter was last cleared.
    std::int32_t impactCount() const { return impactCount_; }
    void setImpactCount(std::int32_t value) { impactCount_ = value; }

    EngineCopy& engineCopy() { return engineCopy_; }
    const EngineCopy& engineCopy() const { return engineCopy_; }

    RandomSource& random() { return random_; }

private:
    RandomSource& random_;
    std::vector<Particle> particles_{Particle{}};
    CylinderGeometry geometry_{};
    std::array<double, kTableSize> sinTable_{};
    std::array<double, kTableSize> cosTable_{};
    std::int32_t impactCount_ = 0;
    EngineCopy engineCopy_{};
    /// The cell (truncated x and y) of each particle during a motion step.
    std::vector<std::array<float, 2>> cells_;
};

} // namespace vozavero
