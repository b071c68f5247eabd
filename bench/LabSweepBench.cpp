// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// How long the lab's standard sweep takes on one core: particle count 5 to 50 in steps of 5,
// 120 simulated seconds per value, measuring interval 5 s, no frames drawn.
#include "Experiment.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"
#include "Sweep.h"

#include <benchmark/benchmark.h>

namespace {

void sweepOfCount(benchmark::State& state) {
    vozavero::SweepPlan plan;
    plan.from = 5;
    plan.to = 50;
    plan.step = 5;
    plan.fixed.at(static_cast<size_t>(vozavero::QuantityId::Speed)) =
        static_cast<double>(state.range(0));
    for (auto _ : state) {
        vozavero::SimulatedClock clock;
        vozavero::SeededRandom random(plan.seed);
        vozavero::Experiment experiment(random, clock);
        vozavero::Sweep::run(plan, experiment, clock);
        benchmark::DoNotOptimize(experiment.charts().pressureCountChart().count());
    }
}
BENCHMARK(sweepOfCount)->Arg(2)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace
