// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The chart document "Vozavero" and its eleven charts: creation from the series table, recording
// of one row per closed measuring interval, taking over an opened series and clearing.
#include "MeasurementCharts.h"

#include <algorithm>
#include <cmath>

namespace vozavero {

namespace {

using Catalogue = SeriesCatalogue;

void setAxis(chart::ChartAxis& axis, const Catalogue::Axis& from, double impactAxisMax) {
    const ValueRange range = Catalogue::range(from, impactAxisMax);
    axis.unit = QString::fromLatin1(from.unit);
    axis.minimum = range.low;
    axis.maximum = range.high;
}

/// A time chart is drawn as a connected line; a keyed data series holds one point per setting
/// value in order of first measurement, so its points stand unconnected, each with a marker.
void setCurve(chart::CurveStyle& curve, const Catalogue::Entry& entry) {
    curve.colour = Catalogue::colour(entry);
    curve.lineWidth = 2;
    curve.lineStyle = entry.timeline ? 1 : 0;
    curve.markers = !entry.timeline;
    curve.markerShape = 1;
}

/// The value of one column of a row.
double valueOf(Catalogue::Value value, double t, double rate, const EngineCopy& values) {
    switch (value) {
    case Catalogue::Value::Time:
        return t;
    case Catalogue::Value::Rate:
        return rate;
    case Catalogue::Value::Count:
        return values.particleCount;
    case Catalogue::Value::Speed:
        return values.speed;
    case Catalogue::Value::Area:
        return static_cast<double>(values.pistonPosition);
    case Catalogue::Value::InverseArea:
        return 1.0 / static_cast<double>(values.pistonPosition);
    }
    return 0.0;
}

/// Whether v can be a measured value of this column.
bool plausible(Catalogue::Value value, double v) {
    if (!(std::abs(v) <= MeasurementCharts::kLargestLoadedValue)) {
        return false;
    }
    switch (value) {
    case Catalogue::Value::Time:
    case Catalogue::Value::Rate:
        return v >= 0.0;
    case Catalogue::Value::Count:
        return Quantity::of(QuantityId::Count).fileValue.contains(v);
    case Catalogue::Value::Speed:
        return Quantity::of(QuantityId::Speed).fileValue.contains(v);
    case Catalogue::Value::Area:
        return Quantity::of(QuantityId::Volume).fileValue.contains(v);
    case Catalogue::Value::InverseArea: {
        const ValueRange area = Quantity::of(QuantityId::Volume).fileValue;
        return v >= 1.0 / area.high && v <= 1.0 / area.low;
    }
    }
    return false;
}

} // namespace

MeasurementCharts::MeasurementCharts(double impactAxisMax)
    : document_(QStringLiteral("Vozavero")) {
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        chart::Chart& c = document_.addChart(QString::fromLatin1(entry.name));
        setAxis(c.xAxis(), entry.x, impactAxisMax);
        setAxis(c.yAxis(), entry.y, impactAxisMax);
        setCurve(c.curve(), entry);
    }
    retitle();
}

void MeasurementCharts::retitle() {
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        chart::Chart& c = chart(entry.id);
        c.setTitle(Catalogue::titleText(entry));
        c.xAxis().title = Catalogue::axisTitleText(entry.x);
        c.yAxis().title = Catalogue::axisTitleText(entry.y);
    }
}

const chart::Chart& MeasurementCharts::chartFor(int kind) const {
    return chart(Catalogue::page(kind).chart);
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
    // Creation order is the order of recording: the four time charts, then the keyed series.
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        chart::Chart& c = chart(entry.id);
        const double x = valueOf(entry.x.value, t, rate, values);
        const double y = valueOf(entry.y.value, t, rate, values);
        if (entry.timeline) {
            c.append(x, y);
        } else {
            recordKeyed(c, x, y);
        }
    }
}

void MeasurementCharts::setTimeAxisMaximum(double maximum) {
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        if (entry.x.span == Catalogue::Span::Time) {
            chart(entry.id).xAxis().maximum = maximum;
        }
    }
}

void MeasurementCharts::setImpactAxisMaximum(double maximum, double timeChartMaximum) {
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        chart::Chart& c = chart(entry.id);
        const double end = entry.timeline ? timeChartMaximum : maximum;
        if (entry.x.span == Catalogue::Span::Impacts) {
            c.xAxis().maximum = end;
        }
        if (entry.y.span == Catalogue::Span::Impacts) {
            c.yAxis().maximum = end;
        }
    }
}

bool MeasurementCharts::accepts(const chart::ChartDocument& loaded, QString* error) const {
    const auto refuse = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    const QString notASeries =
        tr("Die Datei enthält keine Messreihe dieses Simulators (erwartet werden die "
           "elf Diagramme einer Messreihe).");
    if (loaded.chartCount() != document_.chartCount()) {
        return refuse(notASeries);
    }
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        const chart::Chart& source = loaded.chart(static_cast<int>(entry.id));
        if (source.name() != QLatin1String(entry.name)) {
            return refuse(notASeries);
        }
        for (const QPointF& p : source.points()) {
            for (const auto& [value, v] :
                 {std::pair{entry.x.value, p.x()}, {entry.y.value, p.y()}}) {
                if (!plausible(value, v)) {
                    return refuse(tr("Die Datei enthält Werte, die keine Messwerte "
                                     "sein können („%1“ in „%2“).")
                                      .arg(v)
                                      .arg(source.name()));
                }
            }
        }
    }
    return true;
}

bool MeasurementCharts::adoptPoints(const chart::ChartDocument& loaded, QString* error) {
    if (!accepts(loaded, error)) {
        return false;
    }
    for (int c = 0; c < loaded.chartCount(); ++c) {
        chart::Chart& target = document_.chart(c);
        target.clear();
        for (const QPointF& p : loaded.chart(c).points()) {
            target.append(p.x(), p.y());
        }
    }
    double lastTime = Catalogue::kTimeAxisMinimumEnd;
    for (const QPointF& p : pressureTimeChart().points()) {
        lastTime = std::max(lastTime, p.x());
    }
    setTimeAxisMaximum(lastTime);
    return true;
}

double MeasurementCharts::largestRate() const {
    double largest = 0.0;
    for (const Catalogue::Entry& entry : Catalogue::charts()) {
        for (const QPointF& p : chart(entry.id).points()) {
            if (entry.x.value == Catalogue::Value::Rate) {
                largest = std::max(largest, p.x());
            }
            if (entry.y.value == Catalogue::Value::Rate) {
                largest = std::max(largest, p.y());
            }
        }
    }
    return largest;
}

void MeasurementCharts::clearAll() {
    for (int i = 0; i < document_.chartCount(); ++i) {
        document_.chart(i).clear();
    }
}

} // namespace vozavero
