// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The experiment without a window: what each operation changes and tells its observers, automatic
// steps, closing intervals, regression refusals, restart and opening. (Paced runs and sweeps are
// pinned by the lab's exact output.)
#include "Experiment.h"
#include "ExperimentProbe.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

class ExperimentTest : public ::testing::Test {
protected:
    void SetUp() override { experiment.start(); }

    /// Closes one interval with impacts on the counter.
    void closeInterval(int impacts) {
        ExperimentProbe::setImpactCount(experiment, impacts);
        for (int i = 0; i < experiment.settings().measuringInterval; ++i) {
            experiment.measuringTick();
        }
    }
    static int slot(QuantityId id) { return Quantity::of(id).slot; }

    SimulatedClock clock{36000.0};
    SeededRandom random{7};
    Experiment experiment{random, clock};
};

TEST_F(ExperimentTest, EachQuantityReachesTheParticlesAtOnceAndTellsWhatChanged) {
    QSignalSpy changes(&experiment, &Experiment::quantitiesChanged);
    experiment.setQuantity(QuantityId::Count, 12, ChangeOrigin::Gauge);
    // A fractional width is held as the decimal the piston shows, in setting and engine alike.
    experiment.setQuantity(QuantityId::Volume, 123.4, ChangeOrigin::Automatic);
    EXPECT_EQ(experiment.engine().upperBound(), 12);
    EXPECT_EQ(experiment.settings().pistonPosition, 123.4f);
    EXPECT_EQ(experiment.engine().engineCopy().pistonPosition, 123.4f);
    experiment.setQuantities(3, 4, 333.3, ChangeOrigin::StartConditions);
    EXPECT_EQ(experiment.engine().engineCopy().speed, 4.0);
    ASSERT_EQ(changes.size(), 3);
    const auto first = changes.at(0).at(0).value<QuantityChange>();
    EXPECT_EQ(first.changed, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(first.origin, ChangeOrigin::Gauge);
    EXPECT_EQ(changes.at(2).at(0).value<QuantityChange>().changed,
              (std::array<bool, 3>{true, true, true}));
}

TEST_F(ExperimentTest, AutomaticStepsStopOnTheLimitsOfEachQuantity) {
    // One step short of each end, a step past it lands on the end and the next one stays there.
    for (const int sign : {1, -1}) {
        for (const Quantity& q : Quantity::all()) {
            SCOPED_TRACE(::testing::Message() << q.key << " going " << sign);
            const double end = sign > 0 ? q.automaticStep.high : q.automaticStep.low;
            std::array<double, 3> start{5, 2, 250};
            start[static_cast<size_t>(q.id)] = end - sign;
            AutomaticChoice choice;
            choice.step[static_cast<size_t>(q.slot)] = 3.0 * sign;
            experiment.confirmAutomaticChoice(choice, {start[0], start[1], start[2]});
            experiment.runConfirmedAutomatic();
            experiment.automaticStep(q.slot);
            EXPECT_EQ(experiment.value(q.id), end);
            experiment.automaticStep(q.slot);
            EXPECT_EQ(experiment.value(q.id), end);
        }
    }
}

TEST_F(ExperimentTest, AutomaticModeSchedulesOnlyActiveSlotsWithAPeriodThatCanStep) {
    AutomaticChoice choice;
    choice.active = {true, false, false};
    choice.period = {2.5, 3.0, 0.0};
    experiment.confirmAutomaticChoice(choice, {7, 3, 200});
    // The engine's copy takes the start conditions at once; the settings at the run.
    EXPECT_EQ(experiment.engine().engineCopy().particleCount, 7.0);
    EXPECT_EQ(experiment.settings().particleCount, 5.0);
    EXPECT_FALSE(experiment.automatic().on());

    experiment.selectSeries(SeriesSpeed);
    experiment.runConfirmedAutomatic();
    EXPECT_EQ(experiment.settings().particleCount, 7.0);
    EXPECT_EQ(experiment.cylinderWidth(), 200.0);
    EXPECT_TRUE(experiment.automatic().on());
    EXPECT_TRUE(experiment.automatic().stepping());
    EXPECT_EQ(experiment.automatic().scheduledInterval(slot(QuantityId::Count)), 2500);
    EXPECT_FALSE(experiment.automatic().scheduledInterval(slot(QuantityId::Volume)));
    EXPECT_EQ(experiment.shownSeries(), SeriesCount); // the stepped quantity's series

    experiment.setAutomaticOn(false);
    EXPECT_FALSE(experiment.automatic().scheduledInterval(slot(QuantityId::Count)));
    EXPECT_EQ(experiment.automatic().settings().autoActive, (std::array<bool, 3>{}));
    // Checking again starts nothing until the dialog is confirmed or the series restarts.
    experiment.setAutomaticOn(true);
    EXPECT_FALSE(experiment.automatic().scheduledInterval(slot(QuantityId::Count)));
    EXPECT_TRUE(experiment.automatic().on());
    EXPECT_FALSE(experiment.automatic().stepping()); // on, but nothing to step

    // Periods that round to no time, negative ones and no number leave the quantity unstepped.
    EXPECT_FALSE(AutomaticMode::timerInterval(0.0004));
    EXPECT_FALSE(AutomaticMode::timerInterval(-3));
    EXPECT_FALSE(AutomaticMode::timerInterval(std::nan("")));
    EXPECT_EQ(AutomaticMode::timerInterval(1e12), std::numeric_limits<int>::max());
}

TEST_F(ExperimentTest, AClosedIntervalIsShownBeforeTheScaleRisesAndThenClearsTheCounter) {
    ExperimentProbe::setImpactCount(experiment, 40);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(experiment.measuringTick());
    }
    EXPECT_EQ(experiment.engine().impactCount(), 40); // still counting
    const std::optional<MeasuringInterval::Closed> row = experiment.measuringTick();
    ASSERT_TRUE(row);
    EXPECT_EQ(experiment.lastShownRate(), 8);
    EXPECT_EQ(experiment.engine().impactCount(), 0);

    // 1000 impacts in 5 s: the graph drawn for the row still has the old scale, the gauge then
    // the new one, and a save afterwards holds the raised axes.
    std::vector<double> axisWhenShown;
    std::vector<double> axisWhenRaised;
    QObject::connect(&experiment, &Experiment::intervalClosed, [&] {
        axisWhenShown.push_back(experiment.charts().pressureCountChart().yAxis().maximum);
    });
    QObject::connect(&experiment, &Experiment::impactReadingChanged, [&] {
        axisWhenRaised.push_back(experiment.charts().pressureCountChart().yAxis().maximum);
    });
    closeInterval(1000);
    EXPECT_EQ(axisWhenShown, (std::vector<double>{100}));
    EXPECT_EQ(axisWhenRaised, (std::vector<double>{200}));
}

TEST_F(ExperimentTest, RegressionIsRefusedUntilTwoDifferentValuesWereMeasured) {
    EXPECT_EQ(experiment.showRegression(), Experiment::RegressionRefusal::TooFewPoints);
    closeInterval(50);
    ExperimentProbe::addPoint(experiment, ChartId::PressureCount, 5.0, 12.0);
    EXPECT_EQ(experiment.showRegression(), Experiment::RegressionRefusal::SameX);
    EXPECT_FALSE(experiment.shownRegression());

    experiment.setQuantity(QuantityId::Count, 10, ChangeOrigin::Gauge);
    closeInterval(100); // 20 per second at 10 particles: with (5, 10) and (5, 12) ...
    QSignalSpy lines(&experiment, &Experiment::regressionChanged);
    ASSERT_EQ(experiment.showRegression(), Experiment::RegressionRefusal::None);
    EXPECT_EQ(lines.size(), 1);
    // ... the least-squares line through (5, 10), (5, 12), (10, 20) is y = 1.8x + 2.
    EXPECT_NEAR(experiment.shownRegression()->slope, 1.8, 1e-12);
    // Another series hides it; choosing the shown series again changes nothing.
    experiment.selectSeries(SeriesCount);
    EXPECT_TRUE(experiment.shownRegression());
    experiment.selectSeries(SeriesArea);
    EXPECT_FALSE(experiment.shownRegression());
    experiment.selectSeries(SeriesCount);
    ASSERT_EQ(experiment.showRegression(), Experiment::RegressionRefusal::None);
    experiment.hideRegression();
    EXPECT_FALSE(experiment.shownRegression());
}

TEST_F(ExperimentTest, RestartReturnsToTheConfirmedSettingsWithAnEmptySeries) {
    AutomaticChoice choice;
    choice.active = {true, false, false};
    choice.step = {3.0, 0.0, 0.0};
    choice.period = {10.0, 0.0, 0.0};
    experiment.confirmAutomaticChoice(choice, {12.0, 7.0, 320.0});
    experiment.setAutomaticOn(false); // clears the working flags, keeps the saved ones
    experiment.setQuantity(QuantityId::Count, 40, ChangeOrigin::Gauge);
    experiment.setQuantity(QuantityId::Volume, 90, ChangeOrigin::Piston);
    closeInterval(10);
    experiment.showRegression();
    ExperimentProbe::setImpactCount(experiment, 3);
    QSignalSpy replaced(&experiment, &Experiment::seriesReplaced);

    experiment.restartMeasurement();
    const AutoModeSettings& a = experiment.automatic().settings();
    EXPECT_EQ(experiment.settings().particleCount, 12.0);
    EXPECT_EQ(experiment.cylinderWidth(), 320.0);
    EXPECT_EQ(experiment.engine().upperBound(), 12);
    EXPECT_EQ(a.autoActive, a.savedAutoActive);
    EXPECT_EQ(a.autoStep, a.savedAutoStep);
    EXPECT_EQ(experiment.engine().impactCount(), 0);
    EXPECT_FALSE(experiment.shownRegression());
    EXPECT_EQ(experiment.charts().pressureTimeChart().count(), 0);
    EXPECT_EQ(replaced.size(), 1);
}

TEST_F(ExperimentTest, PointsAreUnsavedFromTheirRecordingToTheNextSaveOpenOrRestart) {
    EXPECT_FALSE(experiment.hasUnsavedPoints()); // nothing measured yet
    experiment.setRecording(false);
    closeInterval(20);
    EXPECT_FALSE(experiment.hasUnsavedPoints()); // an interval that recorded no row
    experiment.setRecording(true);
    closeInterval(20);
    EXPECT_TRUE(experiment.hasUnsavedPoints());
    experiment.markSeriesSaved();
    EXPECT_FALSE(experiment.hasUnsavedPoints());
    closeInterval(20);
    EXPECT_TRUE(experiment.hasUnsavedPoints());

    // A file that is no series leaves the points unsaved; an opened series has nothing unsaved.
    QString error;
    EXPECT_FALSE(experiment.openSeries(chart::ChartDocument(QStringLiteral("Vozavero")), &error));
    EXPECT_TRUE(experiment.hasUnsavedPoints());
    EXPECT_EQ(experiment.charts().pressureTimeChart().count(), 2);
    // An opened series is shown as measured, with recording off and nothing unsaved.
    experiment.selectSeries(SeriesCount);
    experiment.setQuantity(QuantityId::Count, 9, ChangeOrigin::Gauge);
    closeInterval(40);
    ASSERT_EQ(experiment.showRegression(), Experiment::RegressionRefusal::None);
    Experiment other{random, clock};
    other.start();
    ExperimentProbe::setImpactCount(other, 3000); // 600 per second
    for (int i = 0; i < 5; ++i) {
        other.measuringTick();
    }
    QSignalSpy replaced(&experiment, &Experiment::seriesReplaced);
    EXPECT_TRUE(experiment.canOpenSeries(other.document(), &error));
    ASSERT_TRUE(experiment.openSeries(other.document(), &error)) << error.toStdString();
    EXPECT_FALSE(experiment.hasUnsavedPoints());
    EXPECT_EQ(replaced.size(), 1);
    EXPECT_FALSE(experiment.settings().recordingEnabled);
    EXPECT_FALSE(experiment.shownRegression());
    EXPECT_EQ(experiment.impactScale().maximum(), 600);
    EXPECT_EQ(experiment.charts().pressureTimeChart().points(),
              other.charts().pressureTimeChart().points());

    experiment.setRecording(true);
    closeInterval(20);
    EXPECT_TRUE(experiment.hasUnsavedPoints());
    experiment.restartMeasurement(); // the series is empty again
    EXPECT_FALSE(experiment.hasUnsavedPoints());
}

} // namespace
} // namespace vozavero
