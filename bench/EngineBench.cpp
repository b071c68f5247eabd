// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Cost of one motion step of the particle engine for the particle counts and cylinder sizes of a
// lesson: the start-up world (250 pixels wide) and the smallest volume (50 pixels wide).
#include "ParticleEngine.h"
#include "RandomSource.h"

#include <benchmark/benchmark.h>

namespace {

using vozavero::EngineCopy;
using vozavero::ParticleEngine;
using vozavero::UniformRandom;

/// Drawable interior height of the cylinder view in pixels.
constexpr double kDrawableHeight = 151.0;

/// Arguments: particle count, drawable width of the gas space in pixels.
void advanceParticles(benchmark::State& state) {
    const auto count = static_cast<double>(state.range(0));
    const auto width = static_cast<double>(state.range(1));
    UniformRandom random;
    ParticleEngine engine(random);
    engine.buildDirectionTables();
    engine.initialise(false, EngineCopy{count, 2.0, static_cast<float>(width)}, width,
                      kDrawableHeight, 1, 36000.0);
    for (auto _ : state) {
        engine.advanceParticles();
        // Keeps the counter from overflowing in very long runs; it is cleared every interval.
        engine.setImpactCount(0);
        benchmark::DoNotOptimize(engine.particles().data());
    }
}

BENCHMARK(advanceParticles)
    ->ArgNames({"particles", "width"})
    ->Args({5, 250})
    ->Args({50, 250})
    ->Args({50, 50});

} // namespace
