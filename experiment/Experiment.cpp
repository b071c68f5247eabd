// The rules of one experiment, free of widgets: re-initialising the particles, closing measuring
// intervals, automatic steps with their limits, the regression line and the restart.
#include "Experiment.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vozavero {

Experiment::Experiment(RandomSource& random, const Clock& clock,
                       const MeasurementCharts::Colours& colours)
    : clock_(clock)
    , engine_(random)
    , charts_(colours, settings_.impactAxisMax) {}

void Experiment::start() {
    prepare();
    initialiseParticles(false);
    applyStartValues();
}

void Experiment::prepare() {
    settings_.recordingEnabled = true;
    stepSize_ = 1;
    settings_.measuringInterval = 5;
    engine_.buildDirectionTables();
    settings_.impactAxisMax = 100;
    engine_.random().reseed(clock_.secondsSinceMidnight());
    charts_.setImpactAxisMaximum(settings_.impactAxisMax);
}

void Experiment::applyQuantities(double count, double speed, double width) {
    settings_.particleCount = count;
    settings_.speed = speed;
    settings_.pistonPosition = static_cast<float>(width);
    initialiseParticles(true);
    initialiseParticles(true);
    setCylinderWidth(settings_.pistonPosition);
    initialiseParticles(true);
}

void Experiment::initialiseParticles(bool keep) {
    const EngineCopy values{settings_.particleCount, settings_.speed, settings_.pistonPosition};
    engine_.initialise(keep, values, cylinderWidth_, cylinderHeight_, stepSize_,
                       clock_.secondsSinceMidnight());
}

void Experiment::setCylinderWidth(double width) {
    const float f = static_cast<float>(width);
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), f);
    double shortest = f;
    std::from_chars(text.data(), written.ptr, shortest);
    cylinderWidth_ = shortest;
}

void Experiment::setParticleCount(double count) {
    settings_.particleCount = count;
    initialiseParticles(true);
}

void Experiment::setSpeed(double speed) {
    settings_.speed = speed;
    initialiseParticles(true);
}

void Experiment::setWidth(double width) {
    setCylinderWidth(width);
    settings_.pistonPosition = static_cast<float>(cylinderWidth_);
    initialiseParticles(true);
}

MeasuringInterval::Closed
Experiment::measuringTick(double usableWidth,
                          const std::function<void(const MeasuringInterval::Closed&)>& show) {
    double raisedAxisMax = settings_.impactAxisMax;
    const MeasuringInterval::Closed row = interval_.tick(
        settings_.measuringInterval, engine_.impactCount(), settings_.recordingEnabled,
        engine_.engineCopy(), charts_, raisedAxisMax, usableWidth);
    if (row.closed) {
        if (show) {
            show(row);
        }
        settings_.impactAxisMax = raisedAxisMax;
        engine_.setImpactCount(0);
    }
    return row;
}

void Experiment::automaticStep(int slot) {
    const AutoModeSettings& a = settings_.autoMode;
    switch (slot) {
    case SlotCount:
        setParticleCount(std::clamp(settings_.particleCount + a.autoStep[0], 1.0, 50.0));
        break;
    case SlotVolume: {
        // The width is a single-precision number, as the piston position has always been.
        const float w = static_cast<float>(cylinderWidth_) + static_cast<float>(a.autoStep[1]);
        setWidth(std::clamp(w, 50.0f, 500.0f));
        break;
    }
    case SlotSpeed:
        setSpeed(std::clamp(settings_.speed + a.autoStep[2], 1.0, 30.0));
        break;
    default:
        break;
    }
}

Experiment::RegressionRefusal Experiment::showRegression(int kind) {
    regressionShown_ = false;
    const chart::Chart& c = charts_.chartFor(kind);
    if (c.count() < 2) {
        return RegressionRefusal::TooFewPoints;
    }
    const std::optional<RegressionLine> line = computeRegression(c);
    if (!line) {
        return RegressionRefusal::SameX;
    }
    regression_ = *line;
    regressionShown_ = true;
    return RegressionRefusal::None;
}

std::optional<RegressionLine> Experiment::shownRegression() const {
    if (!regressionShown_) {
        return std::nullopt;
    }
    return regression_;
}

void Experiment::restart() {
    initialiseParticles(false);
    interval_.reset();
    regressionShown_ = false;
    engine_.setImpactCount(0);
    charts_.clearAll();
    AutoModeSettings& a = settings_.autoMode;
    a.autoActive = a.savedAutoActive;
    a.autoPeriod = a.savedAutoPeriod;
    a.autoStep = a.savedAutoStep;
    EngineCopy& copy = engine_.engineCopy();
    copy.particleCount = a.startConditions.particleCount;
    copy.speed = a.startConditions.speed;
    copy.pistonPosition = static_cast<float>(a.startConditions.volume);
    settings_.particleCount = copy.particleCount;
    settings_.speed = copy.speed;
    settings_.pistonPosition = copy.pistonPosition;
    setCylinderWidth(settings_.pistonPosition);
    initialiseParticles(true);
}

} // namespace vozavero
