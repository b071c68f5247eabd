// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One experiment, the model every view shows: the three quantities, the particle engine with its
// cylinder and step size, the measuring interval with its recording switch, the eleven series,
// the impact scale, the last closed rate, the regression line, the data series shown, and
// automatic mode with its schedule. Every change goes through a named operation, and observers
// are told what changed by the signals below. It creates no widget: the window, the tests and
// the headless lab all drive it.
#pragma once
#include "AutomaticMode.h"
#include "Clock.h"
#include "ImpactScale.h"
#include "MeasurementCharts.h"
#include "MeasuringInterval.h"
#include "ParticleEngine.h"
#include "RandomSource.h"
#include "Regression.h"
#include "SimulationSettings.h"

#include <QObject>
#include <cstdint>
#include <optional>

namespace vozavero {

/// What set a quantity off; a view that set it itself need not be told the value again.
enum class ChangeOrigin { Gauge, Piston, Automatic, StartConditions, Restart, Start };

/// Which quantities changed, and what changed them.
struct QuantityChange {
    std::array<bool, 3> changed{};
    ChangeOrigin origin = ChangeOrigin::Gauge;

    bool has(QuantityId id) const { return changed.at(static_cast<size_t>(id)); }
};

class Experiment : public QObject {
    Q_OBJECT
public:
    /// Height of the cylinder interior the particles move in, pixels.
    static constexpr double kCylinderHeight = 151.0;
    /// Largest step size (cells per motion step).
    static constexpr std::int32_t kLargestStepSize = 10;

    /// random and clock must outlive the experiment.
    Experiment(RandomSource& random, const Clock& clock, QObject* parent = nullptr);

    // The start of a run.
    /// prepare, a fresh particle set, then the start values.
    void start();
    /// Before any particle exists: recording on, step size 1, interval 5 s, direction tables,
    /// impact scale at its start, generator seeded from the clock.
    void prepare();
    /// The start values of the quantity table, each applied as the start-up applies it.
    void applyStartValues();
    /// The height the particles move in, pixels (the window passes its cylinder's height).
    void setCylinderHeight(double height) { cylinderHeight_ = height; }

    // The quantities.
    double value(QuantityId id) const;
    const SimulationSettings& settings() const { return settings_; }
    /// The cylinder width in pixels ("the width of Bild"), the volume.
    double cylinderWidth() const { return cylinderWidth_; }
    /// Sets one quantity (particles, cells per tenth second, or pixels of width) and
    /// re-initialises the particles, keeping them. A width is held as the single-precision
    /// number the piston position is, in its shortest decimal form, capped at the largest.
    void setQuantity(QuantityId id, double value, ChangeOrigin origin);
    /// Sets all three together as start-up and the confirmed start conditions do: count, then
    /// speed, then the width, re-initialising after each.
    void setQuantities(double count, double speed, double width, ChangeOrigin origin);
    /// Re-initialises the particles from the settings: keep false makes a fresh set.
    void initialiseParticles(bool keep);

    // The particles.
    const ParticleEngine& engine() const { return engine_; }
    /// One motion step of every particle.
    void advanceParticles() { engine_.advanceParticles(); }
    std::int32_t stepSize() const { return stepSize_; }
    /// The loop found frames starving: one cell more per step (up to the largest), and the
    /// particles re-initialised with it.
    void raiseStepSize();

    // Measuring.
    /// Seconds per measuring interval (one of MeasuringInterval::kChoices).
    void setMeasuringInterval(std::int32_t seconds);
    void setRecording(bool on);
    std::int32_t intervalTicks() const { return interval_.ticks(); }
    /// One second of the measuring clock; closes the interval when it is complete: the row is
    /// recorded and shown (intervalClosed) while the impact scale is still the old one, then
    /// the scale is raised (impactReadingChanged) and the impact counter cleared.
    std::optional<MeasuringInterval::Closed> measuringTick();
    /// Drops the running interval unrecorded (the particles stood still during it).
    void discardInterval();
    /// Impacts per second of the last closed interval, as shown (truncated).
    std::int32_t lastShownRate() const { return lastShownRate_; }
    const ImpactScale& impactScale() const { return impactScale_; }

    // The series.
    const MeasurementCharts& charts() const { return charts_; }
    const chart::ChartDocument& document() const { return charts_.document(); }
    /// The file name a save offers first.
    void setDefaultFileName(const QString& name);
    /// A new series: fresh particles, interval and counter cleared, the line hidden, the series
    /// emptied, automatic mode and the quantities back to the last confirmed settings.
    void restartMeasurement();
    /// Whether loaded is a series of this program that openSeries takes; otherwise a
    /// reason goes to error.
    bool canOpenSeries(const chart::ChartDocument& loaded, QString* error) const;
    /// Replaces the series by the points of loaded, shown as if measured: recording switched off,
    /// the line hidden, the impact scale raised to show every point, nothing unsaved. False with
    /// a reason in error when loaded is no series of this program; nothing changes then.
    bool openSeries(const chart::ChartDocument& loaded, QString* error);
    /// Whether the series holds points recorded since it was last saved, opened or restarted
    /// (a restart empties it, so it holds nothing to lose).
    bool hasUnsavedPoints() const { return unsavedPoints_; }
    /// The series as it is now was written to a file.
    void markSeriesSaved() { unsavedPoints_ = false; }
    /// The series as it is now is in no file the user chose (a lost series taken back).
    void markSeriesUnsaved() { unsavedPoints_ = true; }
    /// Sets the four pressure series' points at the given settings to rate, as if the last
    /// measurement there had given it (the lab keeps a hold's mean rate).
    void setKeyedRate(const EngineCopy& at, double rate);
    /// Gives the charts and their axes their titles in the language now in effect; points,
    /// names (the keys in a saved file) and ranges stay.
    void retitleCharts();

    // The graph.
    /// The data series page shown (DataSeriesKind, 0..3).
    int shownSeries() const { return shownSeries_; }
    /// Shows another data series; a change of series hides the regression line.
    void selectSeries(int kind);
    /// Why a regression line could not be drawn.
    enum class RegressionRefusal { None, TooFewPoints, SameX };
    /// Fits the line to the data series shown and shows it, or hides it and says why not.
    RegressionRefusal showRegression();
    void hideRegression();
    /// The line while it is shown.
    std::optional<RegressionLine> shownRegression() const;
    /// The line last fitted, shown or not.
    const RegressionLine& lastRegression() const { return regression_; }

    // Automatic mode.
    const AutomaticMode& automatic() const { return automatic_; }
    /// Switches automatic mode on (active slots scheduled) or off (active flags cleared,
    /// nothing scheduled).
    void setAutomaticOn(bool on);
    /// The options dialog's OK: the choice and start conditions become the confirmed settings,
    /// and the engine's copy takes the start conditions.
    void confirmAutomaticChoice(const AutomaticChoice& choice, const StartConditions& start);
    /// After a confirmed dialog: the quantities take the engine's copy, automatic mode is on with
    /// its active slots scheduled, and the series of each active quantity is shown.
    void runConfirmedAutomatic();
    /// A start condition being edited in the options dialog: it takes effect in the engine's
    /// copy at once (rows recorded meanwhile carry it); the settings follow at the next
    /// re-initialisation or confirmation.
    void editStartCondition(QuantityId id, double value);
    /// One automatic step of a slot: adds the slot's step, kept within the quantity's limits.
    void automaticStep(int slot);

signals:
    void quantitiesChanged(const vozavero::QuantityChange& change);
    void measuringIntervalChanged(int seconds);
    void recordingChanged(bool on);
    /// A measuring interval closed; the row is in the charts when it was recorded.
    void intervalClosed(const vozavero::MeasuringInterval::Closed& closed);
    /// The impact gauge's reading or scale changed (after every closed interval and when an
    /// opened series raised the scale).
    void impactReadingChanged();
    /// The series' points were replaced as a whole (a restart, an opened series).
    void seriesReplaced();
    /// The charts' titles and axis titles are now those of another language.
    void chartsRetitled();
    void seriesSelected(int kind);
    void regressionChanged();
    /// On/off or a slot's schedule changed.
    void automaticChanged();
    /// A choice of the options dialog was confirmed (its OK), after automaticChanged.
    void automaticConfirmed();

private:
    void setCylinderWidth(double width);
    QuantityChange all(ChangeOrigin origin) const;

    const Clock& clock_;
    SimulationSettings settings_;
    ParticleEngine engine_;
    MeasurementCharts charts_;
    ImpactScale impactScale_;
    MeasuringInterval interval_;
    AutomaticMode automatic_;
    std::int32_t stepSize_ = 1;
    double cylinderWidth_ = 0.0;
    double cylinderHeight_ = kCylinderHeight;
    std::int32_t lastShownRate_ = 0;
    int shownSeries_ = SeriesCount;
    bool regressionShown_ = false;
    RegressionLine regression_;
    bool unsavedPoints_ = false;

    friend class ExperimentProbe;
};

} // namespace vozavero

Q_DECLARE_METATYPE(vozavero::QuantityChange)
Q_DECLARE_METATYPE(vozavero::MeasuringInterval::Closed)
