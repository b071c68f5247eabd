// The eleven charts as created, the keyed data series a recorded row feeds, and taking over the
// points of a loaded series.
#include "MeasurementCharts.h"

#include <gtest/gtest.h>
#include <limits>

namespace vozavero {
namespace {

const MeasurementCharts::Colours kColours{QColor(1, 0, 0), QColor(2, 0, 0), QColor(3, 0, 0),
                                          QColor(4, 0, 0)};

TEST(MeasurementCharts, CreatesElevenChartsInOrderWithTheirRangesAndStyles) {
    MeasurementCharts charts(kColours, 100);
    struct Expected {
        const char* name;
        double xMin, xMax, yMin, yMax;
    };
    const Expected expected[] = {
        {"pressureTimeChart", 0, 160, 0, 100},
        {"countTimeChart", 0, 160, 0, 50},
        {"speedTimeChart", 0, 160, 0, 30},
        {"areaTimeChart", 0, 160, 50, 500},
        {"pressureCountChart", 2, 50, 0, 100},
        {"pressureAreaChart", 50, 500, 0, 100},
        {"pressureInverseAreaChart", 0, 0.02, 0, 100},
        {"pressureSpeedChart", 0, 30, 0, 100},
        {"areaCountChart", 0, 50, 50, 500},
        {"areaSpeedChart", 0, 30, 50, 500},
        {"areaPressureChart", 0, 100, 50, 500},
    };
    const chart::ChartDocument& doc = charts.document();
    ASSERT_EQ(doc.chartCount(), 11);
    for (int i = 0; i < 11; ++i) {
        const Expected& e = expected[i];
        const chart::Chart& ch = doc.chart(i);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(ch.name(), QString::fromLatin1(e.name));
        EXPECT_DOUBLE_EQ(ch.xAxis().minimum, e.xMin);
        EXPECT_DOUBLE_EQ(ch.xAxis().maximum, e.xMax);
        EXPECT_DOUBLE_EQ(ch.yAxis().minimum, e.yMin);
        EXPECT_DOUBLE_EQ(ch.yAxis().maximum, e.yMax);
        const bool timeChart = i < 4; // lines over time; markers over the other quantities
        EXPECT_EQ(ch.curve().lineStyle, timeChart ? 1 : 0);
        EXPECT_EQ(ch.curve().markers, !timeChart);
        // Printed tables carry a title for people, never the internal name.
        EXPECT_FALSE(ch.title().isEmpty());
        EXPECT_NE(ch.title(), ch.name());
    }
    EXPECT_EQ(doc.chart(0).title(),
              QStringLiteral("Stöße auf den Kolben (Druck) im Lauf der Zeit"));
    EXPECT_EQ(doc.chart(4).curve().colour, kColours.count);
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
    EXPECT_EQ(QPointF(byCount.x(1), byCount.y(1)), QPointF(5, 33));
    EXPECT_EQ(QPointF(byCount.x(2), byCount.y(2)), QPointF(10, 22));
    const chart::Chart& byInverse = charts.pressureInverseAreaChart();
    ASSERT_EQ(byInverse.count(), 2);
    EXPECT_EQ(byInverse.x(1), 0.004);
    EXPECT_EQ(byInverse.x(2), 0.008);
    EXPECT_EQ(charts.areaCountChart().y(1), 125);
    // Charts over time and over the impact rate keep every row.
    EXPECT_EQ(charts.areaPressureChart().count(), 3);
    EXPECT_EQ(charts.pressureTimeChart().count(), 3);

    // Keys match only when exactly equal.
    chart::Chart c;
    MeasurementCharts::recordKeyed(c, 0.1 + 0.2, 1);
    MeasurementCharts::recordKeyed(c, 0.3, 2);
    EXPECT_EQ(c.count(), 2);

    charts.clearAll();
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(charts.document().chart(i).count(), 0);
    }
}

TEST(MeasurementCharts, LoadedPointsReplaceTheSeriesAndStretchTheAxesToShowThem) {
    MeasurementCharts source(kColours, 100);
    EngineCopy values;
    values.particleCount = 7;
    values.speed = 3;
    values.pistonPosition = 125;
    source.recordRow(0, 40.5, values);
    source.recordRow(200, 250.25, values);

    MeasurementCharts charts(kColours, 100);
    charts.recordRow(0, 11, EngineCopy{5, 2, 250});
    double axisMax = 120;
    QString error;
    ASSERT_TRUE(charts.adoptPoints(source.document(), axisMax, &error)) << error.toStdString();
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(charts.document().chart(i).points(), source.document().chart(i).points()) << i;
    }
    EXPECT_EQ(axisMax, 251); // the next whole number above the largest rate
    EXPECT_EQ(charts.pressureCountChart().yAxis().maximum, 251);
    EXPECT_EQ(charts.areaPressureChart().xAxis().maximum, 251);
    EXPECT_EQ(charts.countTimeChart().xAxis().maximum, 200);

    // A scale already above every loaded rate stays; an empty series leaves the time axis at 160.
    axisMax = 500;
    ASSERT_TRUE(charts.adoptPoints(MeasurementCharts(kColours, 100).document(), axisMax, &error));
    EXPECT_EQ(axisMax, 500);
    EXPECT_EQ(charts.pressureTimeChart().count(), 0);
    EXPECT_EQ(charts.pressureTimeChart().xAxis().maximum, 160);
}

TEST(MeasurementCharts, ADocumentThatIsNoSeriesChangesNothing) {
    MeasurementCharts charts(kColours, 100);
    charts.recordRow(0, 11, EngineCopy{5, 2, 250});
    const auto before = charts.document().chart(4).points();

    chart::ChartDocument fewer(QStringLiteral("Vozavero"));
    fewer.addChart(QStringLiteral("pressureTimeChart")).append(0, 1);
    chart::ChartDocument otherNames(QStringLiteral("Vozavero"));
    for (int i = 0; i < 11; ++i) {
        otherNames.addChart(i == 5 ? QStringLiteral("Druck") : charts.document().chart(i).name());
    }
    MeasurementCharts notFinite(kColours, 100);
    notFinite.pressureSpeedChart().append(2, std::numeric_limits<double>::quiet_NaN());
    MeasurementCharts huge(kColours, 100);
    huge.pressureTimeChart().append(1e12, 5);

    for (const chart::ChartDocument* doc :
         {&fewer, &otherNames, &notFinite.document(), &huge.document()}) {
        double axisMax = 100;
        QString error;
        EXPECT_FALSE(charts.adoptPoints(*doc, axisMax, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(axisMax, 100);
        EXPECT_EQ(charts.document().chart(4).points(), before);
        EXPECT_EQ(charts.pressureTimeChart().count(), 1);
    }
}

} // namespace
} // namespace vozavero
