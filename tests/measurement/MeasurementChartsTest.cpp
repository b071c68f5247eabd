// The eleven charts as created, the keyed data series and the recording of a row.
#include "MeasurementCharts.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

const MeasurementCharts::Colours kColours{QColor(1, 0, 0), QColor(2, 0, 0), QColor(3, 0, 0),
                                          QColor(4, 0, 0)};

struct Expected {
    const char* name;
    const char* xTitle;
    const char* xUnit;
    double xMin, xMax;
    const char* yTitle;
    double yMin, yMax;
    QColor colour;
    bool timeChart;
};

TEST(MeasurementCharts, CreatesElevenChartsInOrderWithAxesAndStyles) {
    MeasurementCharts charts(kColours, 100);
    const auto c = kColours;
    const Expected expected[] = {
        {"pressureTimeChart", "Zeit", "s", 0, 160, "Stöße (=Druck)", 0, 100, c.impacts, true},
        {"countTimeChart", "Zeit", "s", 0, 160, "Anzahl", 0, 50, c.count, true},
        {"speedTimeChart", "Zeit", "s", 0, 160, "Geschwindigkeit", 0, 30, c.speed, true},
        {"areaTimeChart", "Zeit", "s", 0, 160, "Fläche", 50, 500, c.volume, true},
        {"pressureCountChart", "Vozavero", "-", 2, 50, "Stöße (=Druck)", 0, 100, c.count, false},
        {"pressureAreaChart", "Fläche", "-", 50, 500, "Stöße (=Druck)", 0, 100, c.volume, false},
        {"pressureInverseAreaChart", "1:Fläche", "-", 0, 0.02, "Stöße (=Druck)", 0, 100, c.volume,
         false},
        {"pressureSpeedChart", "Geschwindigkeit", "-", 0, 30, "Stöße (=Druck)", 0, 100, c.speed,
         false},
        {"areaCountChart", "Vozavero", "-", 0, 50, "Fläche", 50, 500, c.count, false},
        {"areaSpeedChart", "Geschwindigkeit", "-", 0, 30, "Fläche", 50, 500, c.speed, false},
        {"areaPressureChart", "Stöße (=Druck)", "-", 0, 100, "Fläche", 50, 500, c.speed, false},
    };
    const chart::ChartDocument& doc = charts.document();
    EXPECT_EQ(doc.name(), "Vozavero");
    ASSERT_EQ(doc.chartCount(), 11);
    for (int i = 0; i < 11; ++i) {
        const Expected& e = expected[i];
        const chart::Chart& ch = doc.chart(i);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(ch.name(), QString::fromUtf8(e.name));
        EXPECT_EQ(ch.xAxis().title, QString::fromUtf8(e.xTitle));
        EXPECT_EQ(ch.xAxis().unit, QString::fromUtf8(e.xUnit));
        EXPECT_DOUBLE_EQ(ch.xAxis().minimum, e.xMin);
        EXPECT_DOUBLE_EQ(ch.xAxis().maximum, e.xMax);
        EXPECT_EQ(ch.yAxis().title, QString::fromUtf8(e.yTitle));
        EXPECT_EQ(ch.yAxis().unit, "-");
        EXPECT_DOUBLE_EQ(ch.yAxis().minimum, e.yMin);
        EXPECT_DOUBLE_EQ(ch.yAxis().maximum, e.yMax);
        EXPECT_EQ(ch.curve().colour, e.colour);
        EXPECT_EQ(ch.curve().lineWidth, 2);
        EXPECT_EQ(ch.curve().lineStyle, e.timeChart ? 1 : 0);
        EXPECT_EQ(ch.curve().markers, !e.timeChart);
        if (!e.timeChart) {
            EXPECT_EQ(ch.curve().markerShape, 1);
        }
    }
    EXPECT_EQ(&charts.chartFor(SeriesCount), &charts.pressureCountChart());
    EXPECT_EQ(&charts.chartFor(SeriesSpeed), &charts.pressureSpeedChart());
    EXPECT_EQ(&charts.chartFor(SeriesArea), &charts.pressureAreaChart());
    EXPECT_EQ(&charts.chartFor(SeriesInverseArea), &charts.pressureInverseAreaChart());
}

TEST(MeasurementCharts, KeyedSeriesKeepOnePointPerValueWithTheLatestMeasurement) {
    MeasurementCharts charts(kColours, 100);
    charts.recordRow(0, 11, EngineCopy{5, 2, 250});
    charts.recordRow(5, 22, EngineCopy{10, 2, 250});
    charts.recordRow(10, 33, EngineCopy{5, 2, 125});

    const chart::Chart& byCount = charts.pressureCountChart();
    ASSERT_EQ(byCount.count(), 2);
    EXPECT_EQ(byCount.x(1), 5);
    EXPECT_EQ(byCount.y(1), 33);
    EXPECT_EQ(byCount.x(2), 10);
    EXPECT_EQ(byCount.y(2), 22);

    const chart::Chart& byInverse = charts.pressureInverseAreaChart();
    ASSERT_EQ(byInverse.count(), 2);
    EXPECT_EQ(byInverse.x(1), 0.004);
    EXPECT_EQ(byInverse.y(1), 22);
    EXPECT_EQ(byInverse.x(2), 0.008);

    EXPECT_EQ(charts.pressureSpeedChart().count(), 1);
    EXPECT_EQ(charts.pressureSpeedChart().y(1), 33);
    EXPECT_EQ(charts.areaSpeedChart().y(1), 125);
    EXPECT_EQ(charts.areaCountChart().y(1), 125);
    EXPECT_EQ(charts.areaPressureChart().count(), 3);
    EXPECT_EQ(charts.areaPressureChart().x(3), 33);
    EXPECT_EQ(charts.areaPressureChart().y(3), 125);
    EXPECT_EQ(charts.pressureTimeChart().count(), 3);
    EXPECT_EQ(charts.areaTimeChart().y(3), 125);
    EXPECT_EQ(charts.countTimeChart().x(2), 5);
}

TEST(MeasurementCharts, KeysMatchOnlyByExactEquality) {
    chart::Chart c;
    MeasurementCharts::recordKeyed(c, 0.1 + 0.2, 1);
    MeasurementCharts::recordKeyed(c, 0.3, 2);
    MeasurementCharts::recordKeyed(c, 0.1 + 0.2, 3);
    ASSERT_EQ(c.count(), 2);
    EXPECT_EQ(c.y(1), 3);
    EXPECT_EQ(c.y(2), 2);
}

TEST(MeasurementCharts, AxisMaximaAndClearingReachTheRightCharts) {
    MeasurementCharts charts(kColours, 100);
    charts.setImpactAxisMaximum(125);
    charts.setTimeAxisMaximum(170);
    for (int i = 0; i < 11; ++i) {
        const chart::Chart& c = charts.document().chart(i);
        SCOPED_TRACE(c.name().toStdString());
        const bool impactY = i == 0 || (i >= 4 && i <= 7);
        EXPECT_EQ(c.yAxis().maximum == 125, impactY);
        EXPECT_EQ(c.xAxis().maximum == 125, i == 10);
        EXPECT_EQ(c.xAxis().maximum == 170, i <= 3);
    }
    charts.recordRow(0, 1, EngineCopy{5, 2, 250});
    charts.clearAll();
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(charts.document().chart(i).count(), 0);
    }
}

} // namespace
} // namespace vozavero
