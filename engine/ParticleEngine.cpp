// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The particle engine: builds the direction tables, sizes and places the particle set, and makes
// the motion step in which particles sharing a cell swap directions, reflect off the four walls
// with a small random scatter, and count their impacts on the piston.
//
// The number types are part of the model, not an accident of the implementation: positions are
// 32-bit floats, directions and geometry 16-bit integers, displacements doubles. Rounding of
// results back into the narrow types is what keeps runs comparable, so every conversion below
// goes through roundHalfEven (or truncation where placement asks for whole cells).
#include "ParticleEngine.h"

#include "NumericError.h"
#include "RoundHalfEven.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vozavero {

namespace {

/// The approximation of pi the direction tables are built with; the tables keep its small error.
constexpr double kTablePi = 3.1416;

/// Pixels per cell: the size of the particle sprite.
constexpr double kCellPixels = 8.0;

/// Beyond this magnitude (degrees) an angle cannot come out of the motion step; folding it into
/// 0..360 by whole turns would take unreasonably long, so it is rejected.
constexpr float kLargestAngle = 1.0e6f;

/// 2 * value formed as a 16-bit integer: the mirror line doubled for a reflection.
std::int16_t doubledWall(std::int16_t value) {
    const std::int32_t doubled = 2 * static_cast<std::int32_t>(value);
    if (doubled > std::numeric_limits<std::int16_t>::max() ||
        doubled < std::numeric_limits<std::int16_t>::min()) {
        throw NumericError("wall position overflows 16 bits when doubled");
    }
    return static_cast<std::int16_t>(doubled);
}

/// Truncated random cell coordinate r * limit, kept inside 0..limit (cells).
float randomCell(double r, std::int16_t limit) {
    auto cell = static_cast<std::int32_t>(r * limit); // truncation toward zero
    if (cell > limit) {
        cell = limit;
    }
    if (cell < 0) {
        cell = 0;
    }
    return static_cast<float>(cell);
}

} // namespace

ParticleEngine::ParticleEngine(RandomSource& random)
    : random_(random) {}

void ParticleEngine::buildDirectionTables() {
    for (int i = 0; i < kTableSize; ++i) {
        sinTable_[i] = std::sin(i * kTablePi / 180.0);
        cosTable_[i] = std::cos(i * kTablePi / 180.0);
    }
}

void ParticleEngine::initialise(bool keepParticles, const EngineCopy& settings,
                                double drawableWidth, double drawableHeight, std::int32_t stepSize,
                                double timeOfDay) {
    engineCopy_ = settings;
    resizeParticles(settings.particleCount, !keepParticles);
    random_.reseed(timeOfDay);
    setGeometry(roundHalfEven(drawableWidth / kCellPixels) - 1.0,
                roundHalfEven(drawableHeight / kCellPixels) - 1.0, std::max(stepSize, 1),
                kCellPixels);
    placeParticles();
}

void ParticleEngine::resizeParticles(double count, bool fresh) {
    const auto upper = roundTo<std::int32_t>(count);
    if (upper < 0) {
        throw NumericError("negative particle count");
    }
    const auto size = static_cast<std::size_t>(upper) + 1;
    if (fresh) {
        particles_.assign(size, Particle{});
    } else {
        particles_.resize(size, Particle{});
    }
}

void ParticleEngine::setGeometry(double cellsX, double cellsY, double stepCells, double cellSize) {
    // Convert all four before storing any, so that a value out of range leaves the old geometry.
    const CylinderGeometry converted{roundTo<std::int16_t>(cellsX), roundTo<std::int16_t>(cellsY),
                                     roundTo<std::int16_t>(stepCells),
                                     roundTo<std::int16_t>(cellSize)};
    geometry_ = converted;
}

void ParticleEngine::placeParticles() {
    const std::int16_t cellsX = geometry_.cellsX;
    const std::int16_t cellsY = geometry_.cellsY;
    for (std::size_t i = 1; i < particles_.size(); ++i) {
        Particle& p = particles_[i];
        if (p.direction != 0) {
            // The piston may have moved in past this particle: put it onto the piston face.
            if (p.x >= cellsX) {
                p.x = cellsX;
            }
            continue;
        }
        const double r1 = random_.next();
        const double r2 = random_.next();
        const double r3 = random_.next();
        auto angle = static_cast<std::int16_t>(r1 * 361.0); // truncation toward zero
        if (angle < 1) {
            angle = 1;
        }
        p.y = randomCell(r2, cellsY);
        p.x = randomCell(r3, cellsX);
        p.direction = angle;
        p.sprite = 3;
    }
}

void ParticleEngine::advanceParticles() {
    const std::int16_t cellsX = geometry_.cellsX;
    const std::int16_t cellsY = geometry_.cellsY;
    const double stepCells = geometry_.stepCells;
    const std::size_t count = particles_.size();
    Particle* const set = particles_.data();
    // Each particle's cell, kept up to date through the pass: with many particles, comparing
    // cells is most of the step.
    cells_.resize(count);
    for (std::size_t j = 0; j < count; ++j) {
        cells_[j] = {std::trunc(set[j].x), std::trunc(set[j].y)};
    }
    const std::array<float, 2>* const cells = cells_.data();

    for (std::size_t i = 1; i < count; ++i) {
        if (set[i].direction <= 0) {
            continue;
        }
        float x = set[i].x;
        float y = set[i].y;
        float d = static_cast<float>(set[i].direction - 1);

        // Cell sharing: every other placed particle now in i's cell takes i's current angle and
        // hands its own on to i. Lower indices have already moved in this pass.
        const float cellX = cells[i][0];
        const float cellY = cells[i][1];
        for (std::size_t j = 1; j < count; ++j) {
            Particle& other = set[j];
            if (j == i || other.direction <= 0) {
                continue;
            }
            if (cells[j][0] == cellX && cells[j][1] == cellY) {
                const std::int16_t formerDirection = other.direction;
                other.direction = roundTo<std::int16_t>(static_cast<double>(d) + 1.0);
                d = normaliseDirection(static_cast<float>(formerDirection - 1), false);
            }
        }

        // Table index; d is already within 0..360 whenever it comes from the step itself.
        float a = d;
        if (a > 360.0f) {
            a = static_cast<float>(std::fmod(roundHalfEven(a), 360.0));
        }
        if (a < 0.0f) {
            a += 360.0f;
        }
        const auto k = static_cast<std::size_t>(roundTo<std::int16_t>(a));

        const double dx = stepCells * cosTable_[k];
        const double dy = stepCells * sinTable_[k];
        y = static_cast<float>(static_cast<double>(y) + dy);
        x = static_cast<float>(static_cast<double>(x) + dx);

        // Reflections, each wall tested once in this order; a particle exactly on a wall stays.
        if (y > cellsY) {
            y = static_cast<float>(doubledWall(cellsY)) - y;
            d = normaliseDirection(360.0f - d, true);
        }
        if (y < 0.0f) {
            y = -y;
            d = normaliseDirection(360.0f - d, true);
        }
        if (x > cellsX) {
            x = static_cast<float>(doubledWall(cellsX)) - x;
            d = 180.0f - d;
            if (impactCount_ == std::numeric_limits<std::int32_t>::max()) {
                throw NumericError("impact counter overflow");
            }
            ++impactCount_;
            d = normaliseDirection(d, true);
        }
        if (x < 0.0f) {
            x = -x;
            d = normaliseDirection(180.0f - d, true);
        }

        set[i].direction = roundTo<std::int16_t>(static_cast<double>(d) + 1.0);
        set[i].x = x;
        set[i].y = y;
        cells_[i] = {std::trunc(x), std::trunc(y)};
    }
}

float ParticleEngine::normaliseDirection(float angle, bool scatter) {
    float w = angle;
    if (scatter && static_cast<float>(random_.next() * 100.0) < 10.0f) {
        // One wall impact in ten turns the outgoing angle, half of them each way.
        if (static_cast<float>(random_.next() * 100.0) >= 50.0f) {
            w -= 10.0f;
        } else {
            w += 10.0f;
        }
    }
    if (!std::isfinite(w) || std::fabs(w) > kLargestAngle) {
        throw NumericError("angle out of range");
    }
    while (w > 360.0f || w < 0.0f) {
        if (w > 360.0f) {
            w -= 360.0f;
        }
        if (w < 0.0f) {
            w += 360.0f;
        }
    }
    return w;
}

} // namespace vozavero
