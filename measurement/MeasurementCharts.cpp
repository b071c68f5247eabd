// The chart document "Vozavero" and its eleven charts: creation with axes, ranges and curve
// styles, recording of one row per closed measuring interval, and clearing for a new series.
#include "MeasurementCharts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vozavero {

namespace {

// Upper end of every time axis until the series runs longer, seconds.
constexpr double kTimeAxisMax = 160.0;

const QString kTimeTitle = QStringLiteral("Zeit");
const QString kImpactsTitle = QStringLiteral("Stöße (=Druck)");
const QString kCountTitle = QStringLiteral("Vozavero");
const QString kSpeedTitle = QStringLiteral("Geschwindigkeit");
const QString kAreaTitle = QStringLiteral("Fläche");
const QString kInverseAreaTitle = QStringLiteral("1:Fläche");
const QString kDimensionless = QStringLiteral("-");

void setAxis(chart::ChartAxis& axis, const QString& title, const QString& unit, double minimum,
             double maximum) {
    axis.title = title;
    axis.unit = unit;
    axis.minimum = minimum;
    axis.maximum = maximum;
}

// A time chart: x is the row time, y one quantity over time, drawn as a connected line.
chart::Chart& addTimeChart(chart::ChartDocument& doc, const QString& name, const QString& yTitle,
                           double yMinimum, double yMaximum, const QColor& colour) {
    chart::Chart& c = doc.addChart(name);
    setAxis(c.xAxis(), kTimeTitle, QStringLiteral("s"), 0.0, kTimeAxisMax);
    setAxis(c.yAxis(), yTitle, kDimensionless, yMinimum, yMaximum);
    c.curve().colour = colour;
    c.curve().lineWidth = 2;
    c.curve().lineStyle = 1;
    c.curve().markers = false;
    return c;
}

// A keyed data series: one point per setting value in order of first measurement, so the points
// stand unconnected, each with a filled marker.
chart::Chart& addKeyedChart(chart::ChartDocument& doc, const QString& name, const QString& xTitle,
                            double xMinimum, double xMaximum, const QString& yTitle,
                            double yMinimum, double yMaximum, const QColor& colour) {
    chart::Chart& c = doc.addChart(name);
    setAxis(c.xAxis(), xTitle, kDimensionless, xMinimum, xMaximum);
    setAxis(c.yAxis(), yTitle, kDimensionless, yMinimum, yMaximum);
    c.curve().colour = colour;
    c.curve().lineWidth = 2;
    c.curve().lineStyle = 0;
    c.curve().markers = true;
    c.curve().markerShape = 1;
    return c;
}

} // namespace

MeasurementCharts::MeasurementCharts(const Colours& colours, double impactAxisMax)
    : document_(QStringLiteral("Vozavero")) {
    const double m = impactAxisMax;
    // Creation order fixes the index of every chart (see the accessors).
    addTimeChart(document_, QStringLiteral("pressureTimeChart"), kImpactsTitle, 0.0, m,
                 colours.impacts);
    addTimeChart(document_, QStringLiteral("countTimeChart"), QStringLiteral("Anzahl"), 0.0, 50.0,
                 colours.count);
    addTimeChart(document_, QStringLiteral("speedTimeChart"), kSpeedTitle, 0.0, 30.0,
                 colours.speed);
    addTimeChart(document_, QStringLiteral("areaTimeChart"), kAreaTitle, 50.0, 500.0,
                 colours.volume);
    addKeyedChart(document_, QStringLiteral("pressureCountChart"), kCountTitle, 2.0, 50.0,
                  kImpactsTitle, 0.0, m, colours.count);
    addKeyedChart(document_, QStringLiteral("pressureAreaChart"), kAreaTitle, 50.0, 500.0,
                  kImpactsTitle, 0.0, m, colours.volume);
    addKeyedChart(document_, QStringLiteral("pressureInverseAreaChart"), kInverseAreaTitle, 0.0,
                  0.02, kImpactsTitle, 0.0, m, colours.volume);
    addKeyedChart(document_, QStringLiteral("pressureSpeedChart"), kSpeedTitle, 0.0, 30.0,
                  kImpactsTitle, 0.0, m, colours.speed);
    addKeyedChart(document_, QStringLiteral("areaCountChart"), kCountTitle, 0.0, 50.0, kAreaTitle,
                  50.0, 500.0, colours.count);
    addKeyedChart(document_, QStringLiteral("areaSpeedChart"), kSpeedTitle, 0.0, 30.0, kAreaTitle,
                  50.0, 500.0, colours.speed);
    addKeyedChart(document_, QStringLiteral("areaPressureChart"), kImpactsTitle, 0.0, m, kAreaTitle,
                  50.0, 500.0, colours.speed);
    setTitles();
}

void MeasurementCharts::setTitles() {
    // The titles people read above a printed table; the names above are the program's own.
    const char* titles[11] = {"Stöße auf den Kolben (Druck) im Lauf der Zeit",
                              "Teilchenzahl im Lauf der Zeit",
                              "Geschwindigkeit im Lauf der Zeit",
                              "Fläche (Volumen) im Lauf der Zeit",
                              "Stöße (Druck) und Teilchenzahl",
                              "Stöße (Druck) und Fläche (Volumen)",
                              "Stöße (Druck) und 1:Fläche",
                              "Stöße (Druck) und Geschwindigkeit (Temperatur)",
                              "Fläche (Volumen) und Teilchenzahl",
                              "Fläche (Volumen) und Geschwindigkeit (Temperatur)",
                              "Fläche (Volumen) und Stöße (Druck)"};
    for (int i = 0; i < document_.chartCount() && i < 11; ++i) {
        document_.chart(i).setTitle(QString::fromUtf8(titles[i]));
    }
}

chart::Chart& MeasurementCharts::chartFor(int kind) {
    switch (kind) {
    case SeriesCount:
        return pressureCountChart();
    case SeriesSpeed:
        return pressureSpeedChart();
    case SeriesArea:
        return pressureAreaChart();
    case SeriesInverseArea:
        return pressureInverseAreaChart();
    default:
        throw std::out_of_range("no data series with this index");
    }
}

void MeasurementCharts::recordKeyed(chart::Chart& chart, double key, double y) {
    for (int i = 1; i <= chart.count(); ++i) {
        if (chart.x(i) == key) {
            chart.replaceY(i, y);
            return;
        }
    }
    chart.append(key, y);
}

void MeasurementCharts::recordRow(double t, double rate, const EngineCopy& values) {
    const double count = values.particleCount;
    const double speed = values.speed;
    const double area = static_cast<double>(values.pistonPosition);

    pressureTimeChart().append(t, rate);
    countTimeChart().append(t, count);
    speedTimeChart().append(t, speed);
    areaTimeChart().append(t, area);

    recordKeyed(pressureCountChart(), count, rate);
    recordKeyed(pressureAreaChart(), area, rate);
    recordKeyed(pressureInverseAreaChart(), 1.0 / area, rate);
    recordKeyed(pressureSpeedChart(), speed, rate);
    recordKeyed(areaCountChart(), count, area);
    recordKeyed(areaSpeedChart(), speed, area);
    recordKeyed(areaPressureChart(), rate, area);
}

void MeasurementCharts::setTimeAxisMaximum(double maximum) {
    pressureTimeChart().xAxis().maximum = maximum;
    countTimeChart().xAxis().maximum = maximum;
    speedTimeChart().xAxis().maximum = maximum;
    areaTimeChart().xAxis().maximum = maximum;
}

void MeasurementCharts::setImpactAxisMaximum(double maximum) {
    pressureTimeChart().yAxis().maximum = maximum;
    pressureCountChart().yAxis().maximum = maximum;
    pressureAreaChart().yAxis().maximum = maximum;
    pressureInverseAreaChart().yAxis().maximum = maximum;
    pressureSpeedChart().yAxis().maximum = maximum;
    areaPressureChart().xAxis().maximum = maximum;
}

bool MeasurementCharts::adoptPoints(const chart::ChartDocument& loaded, double& impactAxisMax,
                                    QString* error) {
    const auto refuse = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    const QString notASeries =
        QStringLiteral("Die Datei enthält keine Messreihe dieses Simulators (erwartet werden die "
                       "elf Diagramme einer Messreihe).");
    if (loaded.chartCount() != document_.chartCount()) {
        return refuse(notASeries);
    }
    for (int c = 0; c < loaded.chartCount(); ++c) {
        if (loaded.chart(c).name() != document_.chart(c).name()) {
            return refuse(notASeries);
        }
        for (const QPointF& p : loaded.chart(c).points()) {
            for (const double v : {p.x(), p.y()}) {
                if (!(std::abs(v) <= kLargestLoadedValue)) {
                    return refuse(QStringLiteral("Die Datei enthält Werte, die keine Messwerte "
                                                 "sein können („%1“ in „%2“).")
                                      .arg(v)
                                      .arg(loaded.chart(c).name()));
                }
            }
        }
    }

    for (int c = 0; c < loaded.chartCount(); ++c) {
        chart::Chart& target = document_.chart(c);
        target.clear();
        for (const QPointF& p : loaded.chart(c).points()) {
            target.append(p.x(), p.y());
        }
    }

    double lastTime = kTimeAxisMax;
    for (const QPointF& p : pressureTimeChart().points()) {
        lastTime = std::max(lastTime, p.x());
    }
    setTimeAxisMaximum(lastTime);

    double largestRate = 0.0;
    for (chart::Chart* c : {&pressureTimeChart(), &pressureCountChart(), &pressureAreaChart(),
                            &pressureInverseAreaChart(), &pressureSpeedChart()}) {
        for (const QPointF& p : c->points()) {
            largestRate = std::max(largestRate, p.y());
        }
    }
    for (const QPointF& p : areaPressureChart().points()) {
        largestRate = std::max(largestRate, p.x());
    }
    if (std::ceil(largestRate) > impactAxisMax) {
        impactAxisMax = std::ceil(largestRate);
        setImpactAxisMaximum(impactAxisMax);
    }
    return true;
}

void MeasurementCharts::clearAll() {
    for (int i = 0; i < document_.chartCount(); ++i) {
        document_.chart(i).clear();
    }
}

} // namespace vozavero
