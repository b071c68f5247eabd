// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The rows of the quantity table and the lookups by each index order.
#include "Quantity.h"

#include <QCoreApplication>

namespace vozavero {

namespace {

// Blanks between "Sekunden um" and "ändern" in every automatic row: room for the step field.
constexpr int kStepBlanks = 11;
/// The blanks on either side of "%1" and "%2" in the captions' text, part of their runs.
constexpr int kBlanksAroundMarker = 2;

const std::array<Quantity, 3> kQuantities{{
    {QuantityId::Count,
     "count",
     "--count",
     0,
     0,
     1,
     0,
     QT_TRANSLATE_NOOP("Quantity", "Teilchenzahl"),
     QT_TRANSLATE_NOOP("Quantity", "Stoffmenge"),
     QT_TRANSLATE_NOOP("Quantity", "Teilchenzahl:"),
     QT_TRANSLATE_NOOP("StartCondition", "Teilchenzahl:"),
     QT_TRANSLATE_NOOP("Quantity", "Von 5 bis 50"),
     //: %1 and %2 become the runs of blanks the period and step fields lie over
     QT_TRANSLATE_NOOP("Quantity", "Teilchenzahl alle %1 Sekunden um %2 ändern"),
     12,
     QT_TRANSLATE_NOOP("Quantity", "Anzahl"),
     {0, 0, 255},
     5.0,
     {2.0, 50.0},
     {2.0, 16.0, 30.0},
     {1.0, 50.0},
     {1.0, 50.0},
     2.0,
     {1.0, 50.0},
     {1.0, 50.0},
     {0.0, 50.0}},
    {QuantityId::Speed,
     "speed",
     "--speed",
     2,
     1,
     2,
     1,
     QT_TRANSLATE_NOOP("Quantity", "Geschwindigkeit"),
     QT_TRANSLATE_NOOP("Quantity", "Temperatur"),
     QT_TRANSLATE_NOOP("Quantity", "Geschwindigkeit:"),
     QT_TRANSLATE_NOOP("StartCondition", "Geschwindigkeit:"),
     QT_TRANSLATE_NOOP("Quantity", "Von 2 bis 30"),
     //: %1 and %2 become the runs of blanks the period and step fields lie over
     QT_TRANSLATE_NOOP("Quantity", "Geschwind. alle %1 Sekunden um %2 ändern"),
     14,
     QT_TRANSLATE_NOOP("Quantity", "Geschwindigkeit"),
     {11, 164, 11},
     2.0,
     {1.0, 30.0},
     {1.0, 5.0, 10.0},
     {1.0, 30.0},
     {2.0, 30.0},
     1.0,
     {1.0, 30.0},
     {1.0, 30.0},
     {0.0, 30.0}},
    {QuantityId::Volume,
     "area",
     "--width",
     1,
     3,
     3,
     2,
     QT_TRANSLATE_NOOP("Quantity", "Fläche"),
     QT_TRANSLATE_NOOP("Quantity", "Volumen"),
     QT_TRANSLATE_NOOP("Quantity", "Fläche"),
     QT_TRANSLATE_NOOP("StartCondition", "Volumen"),
     QT_TRANSLATE_NOOP("Quantity", "Von 50 bis 500"),
     //: %1 and %2 become the runs of blanks the period and step fields lie over
     QT_TRANSLATE_NOOP("Quantity", "Volumen alle %1 Sekunden um %2 ändern"),
     19,
     QT_TRANSLATE_NOOP("Quantity", "Fläche"),
     {208, 167, 2},
     250.0,
     {50.0, 500.0},
     {50.0, 275.0, 500.0},
     {50.0, 500.0},
     {50.0, 500.0},
     50.0,
     {50.0, 500.0},
     {50.0, 500.0},
     {50.0, 500.0}},
}};

const MeasuredQuantity kImpacts{2,
                                QT_TRANSLATE_NOOP("Quantity", "Stöße auf Kolben"),
                                QT_TRANSLATE_NOOP("Quantity", "Druck"),
                                QT_TRANSLATE_NOOP("Quantity", "Stöße auf Kolben:"),
                                {255, 0, 0},
                                {1.0, 150.0, 300.0},
                                100.0};

} // namespace

QString quantityText(const char* source) {
    return QCoreApplication::translate("Quantity", source);
}

QString Quantity::nameText() const {
    return quantityText(name);
}

QString Quantity::meaningText() const {
    return quantityText(meaning);
}

QString Quantity::gaugeCaptionText() const {
    return quantityText(gaugeCaption);
}

QString Quantity::startCaptionText() const {
    // A context of their own: the same word may need another form as a row's caption.
    return QCoreApplication::translate("StartCondition", startCaption);
}

QString Quantity::startRangeLabel() const {
    return quantityText(startRangeText);
}

QString Quantity::automaticRowText() const {
    return quantityText(automaticCaption)
        .arg(QString(automaticBlanks - kBlanksAroundMarker, u' '),
             QString(kStepBlanks - kBlanksAroundMarker, u' '));
}

QString Quantity::inputAidText() const {
    return quantityText(inputAidCaption);
}

const Quantity& Quantity::of(QuantityId id) {
    return kQuantities.at(static_cast<size_t>(id));
}

const Quantity* Quantity::ofSlot(int slot) {
    for (const Quantity& q : kQuantities) {
        if (q.slot == slot) {
            return &q;
        }
    }
    return nullptr;
}

const Quantity* Quantity::ofGauge(int gauge) {
    for (const Quantity& q : kQuantities) {
        if (q.gaugeIndex == gauge) {
            return &q;
        }
    }
    return nullptr;
}

const Quantity* Quantity::ofKey(const QString& key) {
    for (const Quantity& q : kQuantities) {
        if (key == QLatin1String(q.key)) {
            return &q;
        }
    }
    return nullptr;
}

const std::array<Quantity, 3>& Quantity::all() {
    return kQuantities;
}

QString MeasuredQuantity::nameText() const {
    return quantityText(name);
}

QString MeasuredQuantity::meaningText() const {
    return quantityText(meaning);
}

QString MeasuredQuantity::gaugeCaptionText() const {
    return quantityText(gaugeCaption);
}

const MeasuredQuantity& MeasuredQuantity::impacts() {
    return kImpacts;
}

} // namespace vozavero
