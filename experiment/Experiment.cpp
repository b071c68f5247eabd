// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The rules of one experiment, free of widgets: setting the quantities and re-initialising the
// particles, closing measuring intervals, the series, the regression line, the restart, and
// carrying out automatic mode.
#include "Experiment.h"

#include "LoopPacer.h"

#include <array>
#include <charconv>

namespace vozavero {

namespace {

const Quantity& quantity(QuantityId id) {
    return Quantity::of(id);
}

} // namespace

Experiment::Experiment(RandomSource& random, const Clock& clock, QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , engine_(random)
    , charts_(MeasuredQuantity::impacts().startAxisMaximum)
    , impactScale_(charts_) {
    settings_.particleCount = quantity(QuantityId::Count).startValue;
    settings_.speed = quantity(QuantityId::Speed).startValue;
    settings_.pistonPosition = static_cast<float>(quantity(QuantityId::Volume).startValue);
    cylinderWidth_ = settings_.pistonPosition;
}

QuantityChange Experiment::all(ChangeOrigin origin) const {
    return QuantityChange{{true, true, true}, origin};
}

void Experiment::start() {
    prepare();
    initialiseParticles(false);
    applyStartValues();
}

void Experiment::prepare() {
    setRecording(true);
    stepSize_ = 1;
    setMeasuringInterval(5);
    engine_.buildDirectionTables();
    impactScale_.reset();
    engine_.random().reseed(clock_.secondsSinceMidnight());
}

void Experiment::applyStartValues() {
    setQuantities(quantity(QuantityId::Count).startValue, quantity(QuantityId::Speed).startValue,
                  quantity(QuantityId::Volume).startValue, ChangeOrigin::Start);
}

double Experiment::value(QuantityId id) const {
    switch (id) {
    case QuantityId::Count:
        return settings_.particleCount;
    case QuantityId::Speed:
        return settings_.speed;
    case QuantityId::Volume:
        return cylinderWidth_;
    }
    return 0.0;
}

void Experiment::setCylinderWidth(double width) {
    // The width is a single-precision number, held as the double of its shortest decimal form
    // (123.4f gives 123.4), so that setting, engine and read-out all show the same number.
    const float f = static_cast<float>(width);
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), f);
    double shortest = f;
    std::from_chars(text.data(), written.ptr, shortest);
    const double largest = quantity(QuantityId::Volume).gauge.high;
    cylinderWidth_ = shortest > largest ? largest : shortest;
}

void Experiment::setQuantity(QuantityId id, double value, ChangeOrigin origin) {
    switch (id) {
    case QuantityId::Count:
        settings_.particleCount = value;
        break;
    case QuantityId::Speed:
        settings_.speed = value;
        break;
    case QuantityId::Volume:
        setCylinderWidth(value);
        settings_.pistonPosition = static_cast<float>(cylinderWidth_);
        break;
    }
    initialiseParticles(true);
    QuantityChange change{{}, origin};
    change.changed.at(static_cast<size_t>(id)) = true;
    emit quantitiesChanged(change);
}

void Experiment::setQuantities(double count, double speed, double width, ChangeOrigin origin) {
    settings_.particleCount = count;
    settings_.speed = speed;
    settings_.pistonPosition = static_cast<float>(width);
    initialiseParticles(true);
    initialiseParticles(true);
    setCylinderWidth(settings_.pistonPosition);
    initialiseParticles(true);
    emit quantitiesChanged(all(origin));
}

void Experiment::initialiseParticles(bool keep) {
    const EngineCopy values{settings_.particleCount, settings_.speed, settings_.pistonPosition};
    engine_.initialise(keep, values, cylinderWidth_, cylinderHeight_, stepSize_,
                       clock_.secondsSinceMidnight());
}

void Experiment::raiseStepSize() {
    if (stepSize_ >= LoopPacer::kLargestStepSize) {
        return;
    }
    ++stepSize_;
    initialiseParticles(true);
}

void Experiment::setMeasuringInterval(std::int32_t seconds) {
    settings_.measuringInterval = seconds;
    emit measuringIntervalChanged(seconds);
}

void Experiment::setRecording(bool on) {
    settings_.recordingEnabled = on;
    emit recordingChanged(on);
}

std::optional<MeasuringInterval::Closed> Experiment::measuringTick() {
    MeasuringInterval::Closed closed;
    if (!interval_.tick(settings_.measuringInterval, engine_.impactCount(),
                        settings_.recordingEnabled, engine_.engineCopy(), charts_, closed)) {
        return std::nullopt;
    }
    lastShownRate_ = closed.shownRate;
    if (closed.recorded) {
        unsavedPoints_ = true;
    }
    emit intervalClosed(closed);
    impactScale_.closeInterval(closed.shownRate);
    emit impactReadingChanged();
    engine_.setImpactCount(0);
    return closed;
}

void Experiment::discardInterval() {
    interval_.reset();
    engine_.setImpactCount(0);
}

void Experiment::setDefaultFileName(const QString& name) {
    charts_.document().setDefaultFileName(name);
}

void Experiment::restartMeasurement() {
    initialiseParticles(false);
    interval_.reset();
    regressionShown_ = false;
    engine_.setImpactCount(0);
    charts_.clearAll();
    unsavedPoints_ = false;
    automatic_.restoreSaved();
    const StartConditions& start = automatic_.settings().startConditions;
    EngineCopy& copy = engine_.engineCopy();
    copy = {start.particleCount, start.speed, static_cast<float>(start.volume)};
    settings_.particleCount = copy.particleCount;
    settings_.speed = copy.speed;
    settings_.pistonPosition = copy.pistonPosition;
    setCylinderWidth(settings_.pistonPosition);
    initialiseParticles(true);
    emit quantitiesChanged(all(ChangeOrigin::Restart));
    emit automaticChanged();
    emit seriesReplaced();
}

bool Experiment::canOpenSeries(const chart::ChartDocument& loaded, QString* error) const {
    return charts_.accepts(loaded, error);
}

bool Experiment::openSeries(const chart::ChartDocument& loaded, QString* error) {
    if (!charts_.adoptPoints(loaded, error)) {
        return false;
    }
    unsavedPoints_ = false;
    // The running simulation must not overwrite the loaded points.
    if (settings_.recordingEnabled) {
        setRecording(false);
    }
    regressionShown_ = false;
    if (impactScale_.cover(charts_.largestRate())) {
        emit impactReadingChanged();
    }
    emit seriesReplaced();
    return true;
}

void Experiment::setKeyedRate(const EngineCopy& at, double rate) {
    const double area = static_cast<double>(at.pistonPosition);
    MeasurementCharts::recordKeyed(charts_.chart(ChartId::PressureCount), at.particleCount, rate);
    MeasurementCharts::recordKeyed(charts_.chart(ChartId::PressureArea), area, rate);
    MeasurementCharts::recordKeyed(charts_.chart(ChartId::PressureInverseArea), 1.0 / area, rate);
    MeasurementCharts::recordKeyed(charts_.chart(ChartId::PressureSpeed), at.speed, rate);
}

void Experiment::retitleCharts() {
    charts_.retitle();
    emit chartsRetitled();
}

void Experiment::selectSeries(int kind) {
    SeriesCatalogue::page(kind); // throws for a page that does not exist
    if (kind == shownSeries_) {
        return;
    }
    shownSeries_ = kind;
    regressionShown_ = false;
    emit seriesSelected(kind);
}

Experiment::RegressionRefusal Experiment::showRegression() {
    // A refusal leaves a line drawn earlier on the picture until the next redraw.
    regressionShown_ = false;
    const chart::Chart& c = charts_.chartFor(shownSeries_);
    if (c.count() < 2) {
        return RegressionRefusal::TooFewPoints;
    }
    const std::optional<RegressionLine> line = computeRegression(c);
    if (!line) {
        return RegressionRefusal::SameX;
    }
    regression_ = *line;
    regressionShown_ = true;
    emit regressionChanged();
    return RegressionRefusal::None;
}

void Experiment::hideRegression() {
    regressionShown_ = false;
    emit regressionChanged();
}

std::optional<RegressionLine> Experiment::shownRegression() const {
    if (!regressionShown_) {
        return std::nullopt;
    }
    return regression_;
}

void Experiment::setAutomaticOn(bool on) {
    if (on) {
        automatic_.switchOn();
    } else {
        automatic_.switchOff();
    }
    emit automaticChanged();
}

void Experiment::confirmAutomaticChoice(const AutomaticChoice& choice,
                                        const StartConditions& start) {
    automatic_.confirm(choice, start);
    engine_.engineCopy() = {start.particleCount, start.speed, static_cast<float>(start.volume)};
    emit automaticChanged();
    emit automaticConfirmed();
}

void Experiment::runConfirmedAutomatic() {
    const EngineCopy copy = engine_.engineCopy();
    setQuantities(copy.particleCount, copy.speed, copy.pistonPosition,
                  ChangeOrigin::StartConditions);
    automatic_.runConfirmed();
    emit automaticChanged();
    // Each stepped quantity shows its own data series.
    for (int slot = 0; slot < 3; ++slot) {
        if (automatic_.settings().autoActive.at(static_cast<size_t>(slot))) {
            selectSeries(Quantity::ofSlot(slot)->seriesPage);
        }
    }
}

void Experiment::editStartCondition(QuantityId id, double value) {
    EngineCopy& copy = engine_.engineCopy();
    switch (id) {
    case QuantityId::Count:
        copy.particleCount = value;
        break;
    case QuantityId::Speed:
        copy.speed = value;
        break;
    case QuantityId::Volume:
        copy.pistonPosition = static_cast<float>(value);
        break;
    }
}

void Experiment::automaticStep(int slot) {
    const Quantity* q = Quantity::ofSlot(slot);
    if (q == nullptr) {
        return;
    }
    const ValueRange limits = q->automaticStep;
    const double step = automatic_.step(q->id);
    if (q->id == QuantityId::Volume) {
        // The width is a single-precision number, as the piston position has always been.
        const float w = static_cast<float>(cylinderWidth_) + static_cast<float>(step);
        const float limited = w < static_cast<float>(limits.low) ? static_cast<float>(limits.low)
                              : w > static_cast<float>(limits.high)
                                  ? static_cast<float>(limits.high)
                                  : w;
        setQuantity(q->id, limited, ChangeOrigin::Automatic);
        return;
    }
    setQuantity(q->id, limits.clamp(value(q->id) + step), ChangeOrigin::Automatic);
}

} // namespace vozavero
