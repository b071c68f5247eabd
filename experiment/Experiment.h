#pragma once
// One experiment without any window: the settings record, the particle engine with its cylinder
// size and step size, the eleven series with the measuring interval that records into them, the
// rules of automatic stepping, the regression line of a data series and the restart of a series.
// The main window and the headless lab both drive it; it creates no widget.
#include "Clock.h"
#include "MeasurementCharts.h"
#include "MeasuringInterval.h"
#include "ParticleEngine.h"
#include "RandomSource.h"
#include "Regression.h"
#include "SimulationSettings.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace vozavero {

class Experiment {
public:
    /// Height of the cylinder interior the particles move in, pixels.
    static constexpr double kCylinderHeight = 151.0;

    /// random and clock must outlive the experiment; colours give the curve colours.
    Experiment(RandomSource& random, const Clock& clock, const MeasurementCharts::Colours& colours);

    /// The start of a run: prepare, a fresh particle set, then the start values.
    void start();
    /// The start of a run before any particle exists: recording on, step size 1, interval 5 s,
    /// direction tables, impact scale 100, generator seeded from the clock.
    void prepare();
    /// The start values: 5 particles, speed 2 cells per tenth second, width 250 pixels.
    void applyStartValues() { applyQuantities(5, 2, 250); }
    /// Sets count (particles), speed (cells per tenth second) and width (pixels) together and
    /// re-initialises, keeping the particles.
    void applyQuantities(double count, double speed, double width);

    /// Re-initialises the particles from the settings: keep false makes a fresh set.
    void initialiseParticles(bool keep);

    /// Sets the particle count (particles) and re-initialises, keeping the particles.
    void setParticleCount(double count);
    /// Sets the speed (cells per tenth second) and re-initialises, keeping the particles.
    void setSpeed(double speed);
    /// Sets the cylinder width and with it the volume (pixels), then re-initialises.
    void setWidth(double width);
    /// Sets the cylinder width (pixels) alone, as the single-precision number the piston
    /// position is, held as the double of its shortest decimal form (123.4f gives 123.4), so
    /// that setting, engine and read-out all show the same number.
    void setCylinderWidth(double width);

    /// Seconds per measuring interval (1, 2, 3, 5 or 10).
    void setMeasuringInterval(std::int32_t seconds) { settings_.measuringInterval = seconds; }

    /// One second of the measuring clock; closes the interval when it is complete. A closed
    /// row goes to show while the impact scale is still the old one (a raised scale reaches
    /// the graph at its next redraw); then the scale is raised and the impact counter cleared.
    /// usableWidth is the impact gauge's bar length, pixels.
    MeasuringInterval::Closed
    measuringTick(double usableWidth,
                  const std::function<void(const MeasuringInterval::Closed&)>& show = {});

    /// Drops the running interval unrecorded (the particles stood still during it): the
    /// interval starts again and the impact counter is cleared.
    void discardInterval() {
        interval_.reset();
        engine_.setImpactCount(0);
    }

    /// One automatic step of a quantity slot (0 count, 1 volume, 2 speed): adds the slot's
    /// step, clamped to 1..50 particles, 50..500 pixels or 1..30 cells per tenth second.
    void automaticStep(int slot);

    /// Why a regression line could not be drawn.
    enum class RegressionRefusal { None, TooFewPoints, SameX };
    /// Fits the line to the data series of page kind (DataSeriesKind) and shows it, or hides
    /// it and says why not.
    RegressionRefusal showRegression(int kind);
    void hideRegression() { regressionShown_ = false; }
    /// The line while it is shown.
    std::optional<RegressionLine> shownRegression() const;
    /// The line last fitted, shown or not.
    const RegressionLine& lastRegression() const { return regression_; }

    /// A new series: fresh particles, interval and counter cleared, the line hidden, the
    /// series emptied, automatic mode and the quantities back to the last confirmed settings.
    void restart();

    SimulationSettings& settings() { return settings_; }
    const SimulationSettings& settings() const { return settings_; }
    ParticleEngine& engine() { return engine_; }
    MeasurementCharts& charts() { return charts_; }
    const MeasurementCharts& charts() const { return charts_; }
    MeasuringInterval& interval() { return interval_; }
    std::int32_t& stepSize() { return stepSize_; }
    /// The cylinder width, pixels.
    double cylinderWidth() const { return cylinderWidth_; }
    /// The height the particles move in, pixels (the window passes its cylinder's height).
    void setCylinderHeight(double height) { cylinderHeight_ = height; }

private:
    const Clock& clock_;
    SimulationSettings settings_;
    ParticleEngine engine_;
    MeasurementCharts charts_;
    MeasuringInterval interval_;
    std::int32_t stepSize_ = 1;
    double cylinderWidth_ = 250.0;
    double cylinderHeight_ = kCylinderHeight;
    bool regressionShown_ = false;
    RegressionLine regression_;
};

} // namespace vozavero
