// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The rows of the series table: the eleven charts and the four pages of the graph.
#include "SeriesCatalogue.h"

#include <QCoreApplication>
#include <stdexcept>

namespace vozavero {

namespace {

using V = SeriesCatalogue::Value;
using S = SeriesCatalogue::Span;

const Quantity* const kCount = &Quantity::of(QuantityId::Count);
const Quantity* const kSpeed = &Quantity::of(QuantityId::Speed);
const Quantity* const kVolume = &Quantity::of(QuantityId::Volume);

const char* const kTime = QT_TRANSLATE_NOOP("Series", "Zeit");
const char* const kImpacts = QT_TRANSLATE_NOOP("Series", "Stöße (=Druck)");
const char* const kCountTitle = QT_TRANSLATE_NOOP("Series", "Vozavero");
const char* const kSpeedTitle = QT_TRANSLATE_NOOP("Series", "Geschwindigkeit");
const char* const kAreaTitle = QT_TRANSLATE_NOOP("Series", "Fläche");
const char* const kSeconds = "s";
const char* const kNone = "-";

const SeriesCatalogue::Axis kTimeAxis{V::Time, kTime, kSeconds, S::Time};
const SeriesCatalogue::Axis kRateAxis{V::Rate, kImpacts, kNone, S::Impacts};
const SeriesCatalogue::Axis kAreaAxis{V::Area, kAreaTitle, kNone, S::QuantityAxis};
const SeriesCatalogue::Axis kSpeedAxis{V::Speed, kSpeedTitle, kNone, S::QuantityAxis};

const std::array<SeriesCatalogue::Entry, SeriesCatalogue::kChartCount> kCharts{{
    {ChartId::PressureTime, "pressureTimeChart",
     QT_TRANSLATE_NOOP("Series", "Stöße auf den Kolben (Druck) im Lauf der Zeit"), kTimeAxis,
     kRateAxis, nullptr, true},
    {ChartId::CountTime,
     "countTimeChart",
     QT_TRANSLATE_NOOP("Series", "Teilchenzahl im Lauf der Zeit"),
     kTimeAxis,
     {V::Count, QT_TRANSLATE_NOOP("Series", "Anzahl"), kNone, S::QuantityAxis},
     kCount,
     true},
    {ChartId::SpeedTime, "speedTimeChart",
     QT_TRANSLATE_NOOP("Series", "Geschwindigkeit im Lauf der Zeit"), kTimeAxis, kSpeedAxis, kSpeed,
     true},
    {ChartId::AreaTime, "areaTimeChart",
     QT_TRANSLATE_NOOP("Series", "Fläche (Volumen) im Lauf der Zeit"), kTimeAxis, kAreaAxis,
     kVolume, true},
    {ChartId::PressureCount,
     "pressureCountChart",
     QT_TRANSLATE_NOOP("Series", "Stöße (Druck) und Teilchenzahl"),
     {V::Count, kCountTitle, kNone, S::QuantityGauge},
     kRateAxis,
     kCount,
     false},
    {ChartId::PressureArea, "pressureAreaChart",
     QT_TRANSLATE_NOOP("Series", "Stöße (Druck) und Fläche (Volumen)"), kAreaAxis, kRateAxis,
     kVolume, false},
    {ChartId::PressureInverseArea,
     "pressureInverseAreaChart",
     QT_TRANSLATE_NOOP("Series", "Stöße (Druck) und 1:Fläche"),
     {V::InverseArea, QT_TRANSLATE_NOOP("Series", "1:Fläche"), kNone, S::InverseVolume},
     kRateAxis,
     kVolume,
     false},
    {ChartId::PressureSpeed, "pressureSpeedChart",
     QT_TRANSLATE_NOOP("Series", "Stöße (Druck) und Geschwindigkeit (Temperatur)"), kSpeedAxis,
     kRateAxis, kSpeed, false},
    {ChartId::AreaCount,
     "areaCountChart",
     QT_TRANSLATE_NOOP("Series", "Fläche (Volumen) und Teilchenzahl"),
     {V::Count, kCountTitle, kNone, S::QuantityAxis},
     kAreaAxis,
     kCount,
     false},
    {ChartId::AreaSpeed, "areaSpeedChart",
     QT_TRANSLATE_NOOP("Series", "Fläche (Volumen) und Geschwindigkeit (Temperatur)"), kSpeedAxis,
     kAreaAxis, kSpeed, false},
    {ChartId::AreaPressure, "areaPressureChart",
     QT_TRANSLATE_NOOP("Series", "Fläche (Volumen) und Stöße (Druck)"), kRateAxis, kAreaAxis,
     kSpeed, false},
}};

const std::array<SeriesCatalogue::Page, SeriesCatalogue::kPageCount> kPages{{
    {ChartId::PressureCount, QT_TRANSLATE_NOOP("Series", "Stöße / Teilchenzahl"),
     QT_TRANSLATE_NOOP("Series", "Stöße/&Teilchenzahl(Stoffmenge)")},
    {ChartId::PressureSpeed, QT_TRANSLATE_NOOP("Series", "Stöße / Geschwindigkeit"),
     QT_TRANSLATE_NOOP("Series", "Stöße/&Geschwindigkeit (Temp.)")},
    {ChartId::PressureArea, QT_TRANSLATE_NOOP("Series", "Stöße / Fläche"),
     QT_TRANSLATE_NOOP("Series", "Stöße/&Fläche (Volumen)")},
    {ChartId::PressureInverseArea, QT_TRANSLATE_NOOP("Series", "Stöße / (1:Fläche)"),
     QT_TRANSLATE_NOOP("Series", "&Stöße/(1:Fläche) (1:Druck)")},
}};

const Quantity& quantityOf(V value) {
    switch (value) {
    case V::Count:
        return *kCount;
    case V::Speed:
        return *kSpeed;
    default:
        return *kVolume;
    }
}

QString translated(const char* source) {
    return QCoreApplication::translate("Series", source);
}

} // namespace

const std::array<SeriesCatalogue::Entry, SeriesCatalogue::kChartCount>& SeriesCatalogue::charts() {
    return kCharts;
}

const SeriesCatalogue::Entry& SeriesCatalogue::chart(ChartId id) {
    return kCharts.at(static_cast<size_t>(id));
}

const std::array<SeriesCatalogue::Page, SeriesCatalogue::kPageCount>& SeriesCatalogue::pages() {
    return kPages;
}

const SeriesCatalogue::Page& SeriesCatalogue::page(int kind) {
    if (kind < 0 || kind >= kPageCount) {
        throw std::out_of_range("no data series with this index");
    }
    return kPages.at(static_cast<size_t>(kind));
}

QString SeriesCatalogue::titleText(const Entry& entry) {
    return translated(entry.title);
}

QString SeriesCatalogue::titleTextOf(const QString& name) {
    for (const Entry& entry : kCharts) {
        if (name == QLatin1String(entry.name)) {
            return titleText(entry);
        }
    }
    return {};
}

QString SeriesCatalogue::axisTitleText(const Axis& axis) {
    return translated(axis.title);
}

QString SeriesCatalogue::tabCaptionText(const Page& page) {
    return translated(page.tabCaption);
}

QString SeriesCatalogue::menuCaptionText(const Page& page) {
    return translated(page.menuCaption);
}

QColor SeriesCatalogue::colour(const Entry& entry) {
    return entry.colourOf != nullptr ? entry.colourOf->colourValue()
                                     : MeasuredQuantity::impacts().colourValue();
}

ValueRange SeriesCatalogue::range(const Axis& axis, double impactMaximum) {
    switch (axis.span) {
    case Span::Time:
        return {0.0, kTimeAxisMinimumEnd};
    case Span::Impacts:
        return {0.0, impactMaximum};
    case Span::QuantityAxis:
        return quantityOf(axis.value).axis;
    case Span::QuantityGauge:
        return quantityOf(axis.value).gauge;
    case Span::InverseVolume:
        return {0.0, 1.0 / kVolume->gauge.low};
    }
    return {0.0, 1.0};
}

} // namespace vozavero
