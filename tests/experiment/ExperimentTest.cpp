// The experiment without a window: automatic steps and their limits, closing intervals, the
// regression refusals, restart to the confirmed start conditions, pacing on the simulated clock
// and the values a sweep visits.
#include "Experiment.h"
#include "PacedRun.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"
#include "Sweep.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

class ExperimentTest : public ::testing::Test {
protected:
    void SetUp() override { experiment.start(); }

    /// Closes one interval with impacts on the counter.
    void closeInterval(int impacts) {
        experiment.engine().setImpactCount(impacts);
        for (int i = 0; i < experiment.settings().measuringInterval; ++i) {
            experiment.measuringTick(100);
        }
    }

    SimulatedClock clock{36000.0};
    SeededRandom random{7};
    Experiment experiment{random, clock, {Qt::blue, Qt::green, Qt::red, Qt::yellow}};
};

TEST_F(ExperimentTest, StartsWithTheStartValuesAndAFullParticleSet) {
    EXPECT_EQ(experiment.settings().particleCount, 5.0);
    EXPECT_EQ(experiment.settings().speed, 2.0);
    EXPECT_EQ(experiment.cylinderWidth(), 250.0);
    EXPECT_EQ(experiment.engine().upperBound(), 5);
    EXPECT_EQ(experiment.engine().engineCopy().pistonPosition, 250.0f);
    EXPECT_EQ(experiment.settings().measuringInterval, 5);
}

TEST_F(ExperimentTest, EachQuantitySetterReachesTheParticlesAtOnce) {
    experiment.setParticleCount(12);
    EXPECT_EQ(experiment.engine().upperBound(), 12);
    EXPECT_EQ(experiment.engine().engineCopy().particleCount, 12.0);

    experiment.setSpeed(7);
    EXPECT_EQ(experiment.engine().engineCopy().speed, 7.0);
    EXPECT_EQ(experiment.engine().upperBound(), 12);

    // A fractional width is held as the decimal the piston shows, in setting and engine alike.
    experiment.setWidth(123.4);
    EXPECT_EQ(experiment.cylinderWidth(), 123.4);
    EXPECT_EQ(experiment.settings().pistonPosition, 123.4f);
    EXPECT_EQ(experiment.engine().engineCopy().pistonPosition, 123.4f);

    experiment.applyQuantities(3, 4, 333.3);
    EXPECT_EQ(experiment.engine().upperBound(), 3);
    EXPECT_EQ(experiment.engine().engineCopy().speed, 4.0);
    EXPECT_EQ(experiment.cylinderWidth(), 333.3);
    EXPECT_EQ(experiment.engine().engineCopy().pistonPosition, 333.3f);

    experiment.applyStartValues();
    EXPECT_EQ(experiment.engine().upperBound(), 5);
    EXPECT_EQ(experiment.cylinderWidth(), 250.0);
}

TEST_F(ExperimentTest, AutomaticStepsStopAtTheLimitsOfEachQuantity) {
    AutoModeSettings& a = experiment.settings().autoMode;
    a.autoStep = {20.0, 200.0, 20.0};
    for (int i = 0; i < 3; ++i) {
        experiment.automaticStep(SlotCount);
        experiment.automaticStep(SlotVolume);
        experiment.automaticStep(SlotSpeed);
    }
    EXPECT_EQ(experiment.settings().particleCount, 50.0);
    EXPECT_EQ(experiment.engine().upperBound(), 50);
    EXPECT_EQ(experiment.cylinderWidth(), 500.0);
    EXPECT_EQ(experiment.settings().pistonPosition, 500.0f);
    EXPECT_EQ(experiment.settings().speed, 30.0);

    a.autoStep = {-100.0, -1000.0, -100.0};
    experiment.automaticStep(SlotCount);
    experiment.automaticStep(SlotVolume);
    experiment.automaticStep(SlotSpeed);
    EXPECT_EQ(experiment.settings().particleCount, 1.0);
    EXPECT_EQ(experiment.cylinderWidth(), 50.0);
    EXPECT_EQ(experiment.settings().speed, 1.0);
}

TEST_F(ExperimentTest, AClosedIntervalRecordsTheRateAndClearsTheCounter) {
    experiment.engine().setImpactCount(40);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(experiment.measuringTick(100).closed);
    }
    EXPECT_EQ(experiment.engine().impactCount(), 40); // still counting
    const MeasuringInterval::Closed row = experiment.measuringTick(100);
    ASSERT_TRUE(row.closed);
    EXPECT_EQ(row.rate, 8.0);
    EXPECT_EQ(experiment.engine().impactCount(), 0);
    EXPECT_EQ(experiment.charts().pressureCountChart().points(),
              (std::vector<QPointF>{{5.0, 8.0}}));
}

TEST_F(ExperimentTest, RegressionIsRefusedUntilTwoDifferentValuesWereMeasured) {
    EXPECT_EQ(experiment.showRegression(SeriesCount), Experiment::RegressionRefusal::TooFewPoints);
    closeInterval(50);
    experiment.charts().pressureCountChart().append(5.0, 12.0);
    EXPECT_EQ(experiment.showRegression(SeriesCount), Experiment::RegressionRefusal::SameX);
    EXPECT_FALSE(experiment.shownRegression());

    experiment.setParticleCount(10);
    closeInterval(100); // 20 per second at 10 particles: with (5, 10) and (5, 12) ...
    ASSERT_EQ(experiment.showRegression(SeriesCount), Experiment::RegressionRefusal::None);
    // ... the least-squares line through (5, 10), (5, 12), (10, 20) is y = 1.8x + 2.
    EXPECT_NEAR(experiment.shownRegression()->slope, 1.8, 1e-12);
    EXPECT_NEAR(experiment.shownRegression()->intercept, 2.0, 1e-12);
    experiment.hideRegression();
    EXPECT_FALSE(experiment.shownRegression());
}

TEST_F(ExperimentTest, RestartReturnsToTheConfirmedSettingsWithAnEmptySeries) {
    AutoModeSettings& a = experiment.settings().autoMode;
    a.savedAutoActive = {true, false, false};
    a.savedAutoStep = {3.0, 0.0, 0.0};
    a.savedAutoPeriod = {10.0, 0.0, 0.0};
    a.startConditions = {12.0, 7.0, 320.0};
    experiment.setParticleCount(40);
    experiment.setWidth(90);
    closeInterval(10);
    experiment.showRegression(SeriesCount);
    experiment.engine().setImpactCount(3);

    experiment.restart();
    EXPECT_EQ(experiment.settings().particleCount, 12.0);
    EXPECT_EQ(experiment.settings().speed, 7.0);
    EXPECT_EQ(experiment.cylinderWidth(), 320.0);
    EXPECT_EQ(experiment.engine().upperBound(), 12);
    EXPECT_EQ(a.autoActive, a.savedAutoActive);
    EXPECT_EQ(a.autoStep, a.savedAutoStep);
    EXPECT_EQ(experiment.engine().impactCount(), 0);
    EXPECT_FALSE(experiment.shownRegression());
    for (int c = 0; c < experiment.charts().document().chartCount(); ++c) {
        EXPECT_EQ(experiment.charts().document().chart(c).count(), 0) << c;
    }
}

TEST(PacedRunTest, MakesTenStepsPerSecondPerSpeedUnitAndTicksEverySecond) {
    SimulatedClock clock{0.0};
    SeededRandom random{1};
    Experiment experiment{random, clock, {Qt::blue, Qt::green, Qt::red, Qt::yellow}};
    experiment.start();
    experiment.setSpeed(3);
    PacedRun run(experiment, clock);
    int frames = 0;
    run.frame = [&frames](bool) { ++frames; };
    run.start();
    run.runSeconds(10);
    // 3 cells per tenth second at 1 cell per step: 30 steps a second (the pacer's sliding
    // window lets it run a few per cent ahead).
    EXPECT_NEAR(run.stepsMade(), 300, 15);
    EXPECT_EQ(experiment.stepSize(), 1);
    EXPECT_NEAR(frames, 10000 / PacedRun::kMomentsPerFrame, 1);
    EXPECT_NEAR(clock.secondsSinceMidnight(), 10.0, 1e-6);
    // Two closed 5-second intervals.
    EXPECT_EQ(experiment.charts().pressureTimeChart().count(), 2);
}

TEST(SeededRandomTest, TheSeedAndTheTimeBothChooseTheSequence) {
    SeededRandom a{1}, b{1}, c{2};
    for (RandomSource* r : {static_cast<RandomSource*>(&a), static_cast<RandomSource*>(&b),
                            static_cast<RandomSource*>(&c)}) {
        r->reseed(100.0);
    }
    const double first = a.next();
    EXPECT_EQ(first, b.next());
    EXPECT_NE(first, c.next());
    b.reseed(100.001);
    a.reseed(100.0);
    EXPECT_NE(a.next(), b.next());
}

TEST(SweepTest, VisitsEveryValueUpOrDownAndKeepsEachValuesMeanRate) {
    SweepPlan plan;
    plan.from = 50;
    plan.to = 5;
    plan.step = -15;
    EXPECT_EQ(plan.values(), (std::vector<double>{50, 35, 20, 5}));
    plan.step = 0.1;
    plan.from = 1;
    plan.to = 1.3;
    EXPECT_EQ(plan.values().size(), 4u); // 1.3 is reached despite binary sums

    plan = SweepPlan{};
    plan.varied = SweepPlan::Quantity::Area;
    plan.from = 100;
    plan.to = 300;
    plan.step = 100;
    plan.seconds = 20;
    plan.interval = 5;
    SimulatedClock clock;
    SeededRandom random{plan.seed};
    Experiment experiment{random, clock, {Qt::blue, Qt::green, Qt::red, Qt::yellow}};
    std::vector<int> progress;
    Sweep::run(plan, experiment, clock, [&progress](int done, int) { progress.push_back(done); });
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3}));

    const chart::Chart& time = experiment.charts().pressureTimeChart();
    ASSERT_EQ(time.count(), 12); // four intervals per value
    const chart::Chart& keyed = experiment.charts().pressureAreaChart();
    ASSERT_EQ(keyed.count(), 3);
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(keyed.x(v + 1), 100.0 * (v + 1));
        const double mean =
            (time.y(4 * v + 1) + time.y(4 * v + 2) + time.y(4 * v + 3) + time.y(4 * v + 4)) / 4;
        EXPECT_DOUBLE_EQ(keyed.y(v + 1), mean) << v;
        EXPECT_DOUBLE_EQ(experiment.charts().pressureInverseAreaChart().y(v + 1), mean);
    }
    EXPECT_EQ(experiment.settings().particleCount, 5.0); // the fixed quantities stay
    EXPECT_EQ(experiment.settings().speed, 2.0);
}

} // namespace
} // namespace vozavero
