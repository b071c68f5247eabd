// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The values of a sweep, and running it: start, fixed quantities, hold, automatic step, mean rate.
#include "Sweep.h"

#include "PacedRun.h"

#include <cmath>

namespace vozavero {

std::vector<double> SweepPlan::values() const {
    std::vector<double> v;
    if (!(step != 0.0) || !std::isfinite(step)) {
        return v;
    }
    const double n = std::floor((to - from) / step + 1e-6);
    for (double i = 0; i <= n; ++i) {
        v.push_back(from + i * step);
    }
    return v;
}

double SweepPlan::firstValue(QuantityId id) const {
    return id == varied ? from : fixed.at(static_cast<size_t>(id));
}

int SweepPlan::seriesKind() const {
    return varied == QuantityId::Volume ? SeriesInverseArea : Quantity::of(varied).seriesPage;
}

const chart::Chart& SweepPlan::keyedChart(const MeasurementCharts& charts) const {
    return charts.chartFor(Quantity::of(varied).seriesPage);
}

std::optional<double> Sweep::meanRate(const MeasurementCharts& charts, int rowsBefore) {
    const chart::Chart& timeline = charts.pressureTimeChart();
    const int rows = timeline.count() - rowsBefore;
    if (rows <= 0) {
        return std::nullopt;
    }
    double sum = 0.0;
    for (int i = rowsBefore + 1; i <= timeline.count(); ++i) {
        sum += timeline.y(i);
    }
    return sum / rows;
}

void Sweep::run(const SweepPlan& plan, Experiment& experiment, SimulatedClock& clock,
                const std::function<void(int, int)>& progress) {
    experiment.start();
    const StartConditions first{plan.firstValue(QuantityId::Count),
                                plan.firstValue(QuantityId::Speed),
                                plan.firstValue(QuantityId::Volume)};
    experiment.setQuantity(QuantityId::Count, first.particleCount, ChangeOrigin::Start);
    experiment.setQuantity(QuantityId::Speed, first.speed, ChangeOrigin::Start);
    experiment.setQuantity(QuantityId::Volume, first.volume, ChangeOrigin::Start);
    experiment.setMeasuringInterval(plan.interval);

    const int slot = Quantity::of(plan.varied).slot;
    AutomaticChoice choice;
    choice.active.at(static_cast<size_t>(slot)) = true;
    choice.step.at(static_cast<size_t>(slot)) = plan.step;
    choice.period.at(static_cast<size_t>(slot)) = plan.seconds;
    experiment.confirmAutomaticChoice(choice, first);

    experiment.discardInterval();
    PacedRun run(experiment, clock);
    run.start();
    const int total = static_cast<int>(plan.values().size());
    for (int i = 0; i < total; ++i) {
        if (i > 0) {
            experiment.automaticStep(slot);
        }
        const int rowsBefore = experiment.charts().pressureTimeChart().count();
        run.runSeconds(plan.seconds);
        if (const std::optional<double> mean = meanRate(experiment.charts(), rowsBefore)) {
            experiment.setKeyedRate(experiment.engine().engineCopy(), *mean);
        }
        if (progress) {
            progress(i + 1, total);
        }
    }
}

} // namespace vozavero
