// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The eleven charts, the keyed series a recorded row feeds, the impact scale, loaded series, the
// closing of measuring intervals, and the least-squares line with its equation text.
#include "MeasurementCharts.h"
#include "ImpactScale.h"
#include "MeasuringInterval.h"
#include "Regression.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace vozavero {
namespace {

TEST(MeasurementCharts, EveryValueTheGaugesCanSetLiesOnTheAxesAndTheLargestOnTheirEnd) {
    // Rows at both ends of every gauge and of the impact scale, the second at the time axis' end:
    // no point may fall off a chart, and no axis reaches further than the largest value.
    MeasurementCharts charts(100);
    const ValueRange count = Quantity::of(QuantityId::Count).gauge;
    const ValueRange speed = Quantity::of(QuantityId::Speed).gauge;
    const ValueRange area = Quantity::of(QuantityId::Volume).gauge;
    for (const bool high : {false, true}) {
        const auto end = [high](ValueRange r) { return high ? r.high : r.low; };
        charts.recordRow(high ? 160 : 0, high ? 100 : 0,
                         EngineCopy{end(count), end(speed), static_cast<float>(end(area))});
    }
    const chart::ChartDocument& doc = charts.document();
    ASSERT_EQ(doc.chartCount(), 11);
    for (int i = 0; i < 11; ++i) {
        const chart::Chart& ch = doc.chart(i);
        SCOPED_TRACE(ch.name().toStdString());
        double largestX = 0.0;
        double largestY = 0.0;
        for (const QPointF& p : ch.points()) {
            EXPECT_GE(p.x(), ch.xAxis().minimum);
            EXPECT_LE(p.x(), ch.xAxis().maximum);
            EXPECT_GE(p.y(), ch.yAxis().minimum);
            EXPECT_LE(p.y(), ch.yAxis().maximum);
            largestX = std::max(largestX, p.x());
            largestY = std::max(largestY, p.y());
        }
        EXPECT_DOUBLE_EQ(ch.xAxis().maximum, largestX);
        EXPECT_DOUBLE_EQ(ch.yAxis().maximum, largestY);
        EXPECT_EQ(ch.curve().markers, i >= 4); // lines over time, markers over the others
        EXPECT_NE(ch.title(), ch.name());      // printed tables carry a title for people
    }
    EXPECT_EQ(doc.chart(4).curve().colour, Quantity::of(QuantityId::Count).colourValue());
}

/// Every chart's name and points, one chart a line.
std::string pointsText(const chart::ChartDocument& doc) {
    std::ostringstream out;
    for (int i = 0; i < doc.chartCount(); ++i) {
        out << doc.chart(i).name().toStdString() << ':';
        for (const QPointF& p : doc.chart(i).points()) {
            out << ' ' << p.x() << ',' << p.y();
        }
        out << '\n';
    }
    return out.str();
}

TEST(MeasurementCharts, ARowFeedsEveryChartAndKeyedSeriesKeepTheLatestPointPerValue) {
    MeasurementCharts charts(100);
    charts.recordRow(0, 11, EngineCopy{5, 2, 250});
    charts.recordRow(5, 22, EngineCopy{10, 2, 250});
    charts.recordRow(10, 33.5, EngineCopy{5, 3, 125});
    // Each keyed chart holds a value once, where it first came, with its latest measurement.
    EXPECT_EQ(pointsText(charts.document()), "pressureTimeChart: 0,11 5,22 10,33.5\n"
                                             "countTimeChart: 0,5 5,10 10,5\n"
                                             "speedTimeChart: 0,2 5,2 10,3\n"
                                             "areaTimeChart: 0,250 5,250 10,125\n"
                                             "pressureCountChart: 5,33.5 10,22\n"
                                             "pressureAreaChart: 250,22 125,33.5\n"
                                             "pressureInverseAreaChart: 0.004,22 0.008,33.5\n"
                                             "pressureSpeedChart: 2,22 3,33.5\n"
                                             "areaCountChart: 5,125 10,250\n"
                                             "areaSpeedChart: 2,250 3,125\n"
                                             "areaPressureChart: 11,250 22,250 33.5,125\n");

    // Keys match only when exactly equal.
    chart::Chart c;
    MeasurementCharts::recordKeyed(c, 0.1 + 0.2, 1);
    MeasurementCharts::recordKeyed(c, 0.3, 2);
    EXPECT_EQ(c.count(), 2);
    charts.clearAll();
    EXPECT_EQ(pointsText(charts.document()), pointsText(MeasurementCharts(100).document()));
}

TEST(MeasurementCharts, LoadedPointsReplaceTheSeriesAndTheScaleRisesToShowThem) {
    MeasurementCharts source(100);
    source.recordRow(0, 40.5, EngineCopy{7, 3, 125});
    source.recordRow(200, 250.25, EngineCopy{7, 3, 125});

    MeasurementCharts charts(100);
    ImpactScale scale(charts);
    ASSERT_TRUE(scale.closeInterval(120));
    charts.recordRow(0, 11, EngineCopy{5, 2, 250});
    QString error;
    ASSERT_TRUE(charts.adoptPoints(source.document(), &error)) << error.toStdString();
    EXPECT_EQ(pointsText(charts.document()), pointsText(source.document()));
    EXPECT_EQ(charts.chart(ChartId::CountTime).xAxis().maximum, 200);
    ASSERT_TRUE(scale.cover(charts.largestRate()));
    EXPECT_EQ(scale.maximum(), 251); // the next whole number above the largest rate
    EXPECT_EQ(scale.gauge().maximumText(), QStringLiteral("251"));
    EXPECT_EQ(scale.gauge().middleText(), QStringLiteral("125"));
    for (const ChartId id :
         {ChartId::PressureTime, ChartId::PressureCount, ChartId::PressureSpeed}) {
        EXPECT_EQ(charts.chart(id).yAxis().maximum, 251);
    }
    EXPECT_EQ(charts.chart(ChartId::AreaPressure).xAxis().maximum, 251);

    // A scale already above every loaded rate stays; an empty series leaves the time axis at 160.
    ASSERT_TRUE(charts.adoptPoints(MeasurementCharts(100).document(), &error));
    EXPECT_FALSE(scale.cover(charts.largestRate()));
    EXPECT_EQ(scale.maximum(), 251);
    EXPECT_EQ(charts.pressureTimeChart().count(), 0);
    EXPECT_EQ(charts.pressureTimeChart().xAxis().maximum, 160);
}

TEST(ImpactScale, StartsAtTheDesignCaptionsAndRisesWithTheShownRateOnly) {
    MeasurementCharts charts(100);
    ImpactScale scale(charts);
    // Until an interval closes the gauge reads as designed, and the time chart follows it.
    EXPECT_EQ(scale.gauge().maximumText(), QStringLiteral("300"));
    EXPECT_EQ(charts.pressureTimeChart().yAxis().maximum, 300);
    EXPECT_EQ(charts.pressureCountChart().yAxis().maximum, 100);

    EXPECT_FALSE(scale.closeInterval(37));
    EXPECT_EQ(scale.gauge().minimumText(), QStringLiteral("1"));
    EXPECT_EQ(charts.pressureTimeChart().yAxis().maximum, 100);

    EXPECT_TRUE(scale.closeInterval(125));
    EXPECT_FALSE(scale.closeInterval(3)); // never lowered
    EXPECT_EQ(scale.maximum(), 125);
    EXPECT_EQ(scale.barWidth(3, 217), 5.0); // 217 / 125 * 3 = 5.2, whole
    EXPECT_EQ(scale.barWidth(0, 217), 1.0); // never below one unit
}

TEST(MeasurementCharts, ADocumentThatIsNoSeriesChangesNothing) {
    MeasurementCharts charts(100);
    charts.recordRow(0, 11, EngineCopy{5, 2, 250});
    const std::string before = pointsText(charts.document());

    chart::ChartDocument fewer(QStringLiteral("Vozavero"));
    fewer.addChart(QStringLiteral("pressureTimeChart")).append(0, 1);
    chart::ChartDocument otherNames(QStringLiteral("Vozavero"));
    for (int i = 0; i < 11; ++i) {
        otherNames.addChart(i == 5 ? QStringLiteral("Druck") : charts.document().chart(i).name());
    }
    MeasurementCharts notFinite(100);
    notFinite.chart(ChartId::PressureSpeed).append(2, std::numeric_limits<double>::quiet_NaN());
    MeasurementCharts huge(100);
    huge.chart(ChartId::PressureTime).append(1e12, 5);
    MeasurementCharts noParticles(100); // a count the program never sets
    noParticles.chart(ChartId::CountTime).append(0, 0);

    for (const chart::ChartDocument* doc :
         {&fewer, &otherNames, &notFinite.document(), &huge.document(), &noParticles.document()}) {
        QString error;
        EXPECT_FALSE(charts.adoptPoints(*doc, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(pointsText(charts.document()), before);
    }
}

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

std::optional<RegressionLine> fit(std::initializer_list<std::pair<double, double>> points) {
    chart::Chart c;
    for (const auto& [x, y] : points) {
        c.append(x, y);
    }
    return computeRegression(c);
}

TEST(Regression, FitsTheLeastSquaresLineOrNoneWithoutTwoDistinctX) {
    struct Case {
        std::optional<RegressionLine> line;
        double slope, intercept, rSquared;
    };
    const Case cases[] = {
        {fit({{2, 10}, {4, 20}}), 5, 0, 1},
        {fit({{1, 1}, {2, 3}, {3, 2}}), 0.5, 1, 0.25}, // SSres 1.5 of SStot 2
        // The mean of y (6) is not that of x (2.5): SSres 7.2 of SStot 20.
        {fit({{1, 3}, {2, 7}, {3, 5}, {4, 9}}), 1.6, 2, 0.64},
        {fit({{1, 7}, {2, 7}, {5, 7}}), 0, 7, 1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.line);
        EXPECT_NEAR(c.line->slope, c.slope, 1e-12);
        EXPECT_NEAR(c.line->intercept, c.intercept, 1e-12);
        EXPECT_NEAR(c.line->rSquared, c.rSquared, 1e-12);
    }
    EXPECT_FALSE(fit({}));
    EXPECT_FALSE(fit({{3, 4}}));
    EXPECT_FALSE(fit({{3, 4}, {3, 8}}));
    // Sums of 0.1 do not cancel exactly; the equal x must still be seen.
    EXPECT_FALSE(fit({{0.1, 1}, {0.1, 2}, {0.1, 3}}));
}

TEST(Regression, EquationInGermanWithThreeSignificantDigits) {
    // The digits the lab prints (its exact line is LabRunnerTest's), beyond three places too.
    EXPECT_EQ(significantDigits(0.000444), "0.000444");
    EXPECT_EQ(significantDigits(12512.3), "12500");

    // The same digits on the graph, with the user's decimal separator and a real minus sign.
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(regressionText({1.1523, -1.0, 0.98212}, german), "y = 1,15·x − 1,00   R² = 0,982");
    EXPECT_EQ(regressionText({-0.5, 0, 0.25}, german), "y = −0,500·x + 0,00   R² = 0,250");
    // No group separator and no exponent for large slopes (1/area charts), noise is 0.
    EXPECT_EQ(regressionText({12512.3, 1e-15, 0.9996}, german), "y = 12500·x + 0,00   R² = 1,000");
    EXPECT_EQ(regressionText({0.0012345, -4e-16, 0.5}, german),
              "y = 0,00123·x + 0,00   R² = 0,500");
    EXPECT_EQ(regressionText({1.5, 2, 1}, QLocale(QLocale::English)),
              "y = 1.50·x + 2.00   R² = 1.00");
}

} // namespace
} // namespace vozavero
