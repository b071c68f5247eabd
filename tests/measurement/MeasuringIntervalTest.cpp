// When a measuring interval closes, the row it records and the time axis.
#include "MeasuringInterval.h"

#include <gtest/gtest.h>
#include <vector>

namespace vozavero {
namespace {

class MeasuringIntervalTest : public ::testing::Test {
protected:
    bool tick(std::int32_t interval, std::int32_t impacts, bool recording = true) {
        return interval_.tick(interval, impacts, recording, values_, charts_, last);
    }
    // Ticks until the interval closes; an interval never takes more ticks than its length.
    MeasuringInterval::Closed close(std::int32_t interval, std::int32_t impacts,
                                    bool recording = true) {
        for (int i = 0; i < interval; ++i) {
            if (tick(interval, impacts, recording)) {
                return last;
            }
        }
        ADD_FAILURE() << "no interval closed within " << interval << " ticks";
        return last;
    }

    MeasurementCharts charts_{100};
    MeasuringInterval interval_;
    EngineCopy values_{5, 2, 250};
    MeasuringInterval::Closed last;
};

TEST_F(MeasuringIntervalTest, ClosesWhenTheCountReachesOrPassesTheInterval) {
    std::vector<int> closedAt;
    for (int i = 1; i <= 15; ++i) {
        if (tick(5, 10)) {
            closedAt.push_back(i);
        }
    }
    EXPECT_EQ(closedAt, (std::vector<int>{5, 10, 15}));
    EXPECT_TRUE(tick(1, 0));
    EXPECT_TRUE(tick(1, 0));

    interval_.reset();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(tick(10, 0));
    }
    EXPECT_TRUE(tick(2, 0)); // shortened from 10 to 2 s
}

TEST_F(MeasuringIntervalTest, RecordsTheRateWithItsFractionAndShowsItTruncated) {
    auto r = close(5, 0);
    EXPECT_EQ(r.rate, 0);
    EXPECT_EQ(charts_.pressureTimeChart().x(1), 0);
    EXPECT_EQ(charts_.pressureTimeChart().y(1), 0);

    r = close(2, 7);
    EXPECT_EQ(r.rate, 3.5);
    EXPECT_EQ(r.shownRate, 3);
    EXPECT_EQ(charts_.pressureTimeChart().y(2), 3.5);
    EXPECT_EQ(charts_.pressureCountChart().y(1), 3.5);
}

TEST_F(MeasuringIntervalTest, RowTimeAdvancesStretchesTheTimeAxisAndStandsStillWhileNotRecording) {
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
    EXPECT_EQ(charts_.chart(ChartId::AreaTime).xAxis().maximum, 170);

    for (int i = 0; i < 3; ++i) {
        r = close(10, 400, false);
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
