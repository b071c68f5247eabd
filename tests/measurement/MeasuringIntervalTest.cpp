// Closing of measuring intervals: when an interval closes, the row it records, the time axis,
// the impact scale and the impact gauge's bar and captions.
#include "MeasuringInterval.h"

#include <gtest/gtest.h>
#include <vector>

namespace vozavero {
namespace {

class MeasuringIntervalTest : public ::testing::Test {
protected:
    // One tick with the window's state; usable bar width 300 units.
    MeasuringInterval::Closed tick(std::int32_t interval, std::int32_t impacts,
                                   bool recording = true) {
        return interval_.tick(interval, impacts, recording, values_, charts_, axisMax_, 300);
    }
    // Ticks until the interval closes.
    MeasuringInterval::Closed close(std::int32_t interval, std::int32_t impacts,
                                    bool recording = true) {
        for (;;) {
            if (auto result = tick(interval, impacts, recording); result.closed) {
                return result;
            }
        }
    }

    MeasurementCharts charts_{{Qt::red, Qt::green, Qt::blue, Qt::gray}, 100};
    MeasuringInterval interval_;
    EngineCopy values_{5, 2, 250};
    double axisMax_ = 100;
};

TEST_F(MeasuringIntervalTest, ClosesWhenTheCountReachesOrPassesTheInterval) {
    std::vector<int> closedAt;
    for (int i = 1; i <= 15; ++i) {
        if (tick(5, 10).closed) {
            closedAt.push_back(i);
        }
    }
    EXPECT_EQ(closedAt, (std::vector<int>{5, 10, 15}));
    EXPECT_TRUE(tick(1, 0).closed);
    EXPECT_TRUE(tick(1, 0).closed);

    interval_.reset();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(tick(10, 0).closed);
    }
    EXPECT_TRUE(tick(2, 0).closed); // shortened from 10 to 2 s
}

TEST_F(MeasuringIntervalTest, RateSetsTheBarAndRaisesButNeverLowersTheImpactScale) {
    auto r = close(5, 0);
    EXPECT_EQ(r.rate, 0);
    EXPECT_EQ(r.barWidth, 1); // never narrower
    EXPECT_EQ(r.maxCaption, "100");
    EXPECT_EQ(charts_.pressureTimeChart().x(1), 0);
    EXPECT_EQ(charts_.pressureTimeChart().y(1), 0);

    r = close(2, 7);
    EXPECT_EQ(r.rate, 3.5);
    EXPECT_EQ(r.shownRate, 3);
    EXPECT_EQ(charts_.pressureTimeChart().y(2), 3.5);
    EXPECT_EQ(charts_.pressureCountChart().y(1), 3.5);

    r = close(2, 250);
    EXPECT_EQ(r.rate, 125.0);
    EXPECT_EQ(axisMax_, 125);
    EXPECT_EQ(r.maxCaption, "125");
    EXPECT_EQ(r.middleCaption, "62");
    EXPECT_EQ(r.barWidth, 300);

    r = close(2, 20);
    EXPECT_EQ(axisMax_, 125);
    EXPECT_EQ(r.barWidth, 24);
}

TEST_F(MeasuringIntervalTest, RowTimeAdvancesByTheIntervalAndStretchesTheTimeAxis) {
    MeasuringInterval::Closed r;
    for (int row = 1; row <= 6; ++row) {
        r = close(5, 10);
    }
    EXPECT_EQ(r.time, 25);

    charts_.clearAll();
    for (int row = 0; row <= 16; ++row) { // t = 0, 10, ..., 160
        r = close(10, 10);
        EXPECT_EQ(r.timeAxisMax, 160) << "t = " << r.time;
    }
    r = close(10, 10);
    EXPECT_EQ(r.time, 170);
    EXPECT_EQ(r.timeAxisMax, 170);
    EXPECT_EQ(charts_.areaTimeChart().xAxis().maximum, 170);
}

TEST_F(MeasuringIntervalTest, TimeStandsStillWhileRecordingIsOff) {
    for (int row = 0; row <= 17; ++row) { // last recorded t = 170
        close(10, 10);
    }
    for (int i = 0; i < 3; ++i) {
        const auto r = close(10, 400, false);
        EXPECT_EQ(r.time, 180);
        EXPECT_EQ(r.shownRate, 40);
    }
    EXPECT_EQ(charts_.pressureTimeChart().count(), 18);
    EXPECT_EQ(charts_.pressureCountChart().y(1), 1);

    EXPECT_EQ(close(10, 10).time, 180);
    EXPECT_EQ(charts_.pressureTimeChart().x(19), 180);
}

} // namespace
} // namespace vozavero
