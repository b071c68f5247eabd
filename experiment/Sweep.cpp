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

int SweepPlan::slot() const {
    switch (varied) {
    case Quantity::Count:
        return SlotCount;
    case Quantity::Speed:
        return SlotSpeed;
    case Quantity::Area:
        return SlotVolume;
    }
    return SlotCount;
}

int SweepPlan::seriesKind() const {
    switch (varied) {
    case Quantity::Count:
        return SeriesCount;
    case Quantity::Speed:
        return SeriesSpeed;
    case Quantity::Area:
        return SeriesInverseArea;
    }
    return SeriesCount;
}

chart::Chart& SweepPlan::keyedChart(MeasurementCharts& c) const {
    switch (varied) {
    case Quantity::Count:
        return c.pressureCountChart();
    case Quantity::Speed:
        return c.pressureSpeedChart();
    case Quantity::Area:
        return c.pressureAreaChart();
    }
    return c.pressureCountChart();
}

void Sweep::keepMeanRate(MeasurementCharts& charts, int rowsBefore, const EngineCopy& values) {
    const chart::Chart& timeline = charts.pressureTimeChart();
    const int rows = timeline.count() - rowsBefore;
    if (rows <= 0) {
        return;
    }
    double sum = 0.0;
    for (int i = rowsBefore + 1; i <= timeline.count(); ++i) {
        sum += timeline.y(i);
    }
    const double mean = sum / rows;
    const double area = static_cast<double>(values.pistonPosition);
    MeasurementCharts::recordKeyed(charts.pressureCountChart(), values.particleCount, mean);
    MeasurementCharts::recordKeyed(charts.pressureAreaChart(), area, mean);
    MeasurementCharts::recordKeyed(charts.pressureInverseAreaChart(), 1.0 / area, mean);
    MeasurementCharts::recordKeyed(charts.pressureSpeedChart(), values.speed, mean);
}

void Sweep::run(const SweepPlan& plan, Experiment& experiment, SimulatedClock& clock,
                const std::function<void(int, int)>& progress) {
    experiment.start();
    const double count = plan.varied == SweepPlan::Quantity::Count ? plan.from : plan.count;
    const double speed = plan.varied == SweepPlan::Quantity::Speed ? plan.from : plan.speed;
    const double width = plan.varied == SweepPlan::Quantity::Area ? plan.from : plan.width;
    experiment.setParticleCount(count);
    experiment.setSpeed(speed);
    experiment.setWidth(width);
    experiment.setMeasuringInterval(plan.interval);

    AutoModeSettings& a = experiment.settings().autoMode;
    a.autoActive = {};
    a.autoStep = {};
    a.autoActive[static_cast<size_t>(plan.slot())] = true;
    a.autoStep[static_cast<size_t>(plan.slot())] = plan.step;
    a.autoPeriod[static_cast<size_t>(plan.slot())] = plan.seconds;
    a.startConditions = {count, speed, width};

    experiment.interval().reset();
    experiment.engine().setImpactCount(0);
    PacedRun run(experiment, clock);
    run.start();
    const int total = static_cast<int>(plan.values().size());
    MeasurementCharts& charts = experiment.charts();
    for (int i = 0; i < total; ++i) {
        if (i > 0) {
            experiment.automaticStep(plan.slot());
        }
        const int rowsBefore = charts.pressureTimeChart().count();
        run.runSeconds(plan.seconds);
        keepMeanRate(charts, rowsBefore, experiment.engine().engineCopy());
        if (progress) {
            progress(i + 1, total);
        }
    }
}

} // namespace vozavero
