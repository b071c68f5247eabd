// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The table of the three quantities the pupils set (particle count, speed, volume) and of the
// one they measure (impacts on the piston). A row holds everything the program knows about its
// quantity: names and captions, the ranges each way of setting it keeps it in, its start value,
// its colour, the data series it is plotted in, and its place in each fixed index order of the
// controls and timers. Every other place reads these facts here; a new quantity is a new row.
#pragma once
#include <QColor>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace vozavero {

/// The three quantities in the order of the start-condition rows of the options dialog.
enum class QuantityId { Count = 0, Speed = 1, Volume = 2 };

/// A closed range of values, low..high.
struct ValueRange {
    double low = 0.0;
    double high = 0.0;

    constexpr bool contains(double v) const { return v >= low && v <= high; }
    /// v limited to low..high (below low gives low, above high gives high).
    constexpr double clamp(double v) const { return v < low ? low : (v > high ? high : v); }
};

/// A colour as three whole numbers 0..255, usable in constant tables.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    QColor colour() const { return QColor(red, green, blue); }
};

/// The numbers written under a gauge's bar: left, middle and right caption.
struct ScaleNumbers {
    double minimum = 0.0;
    double middle = 0.0;
    double maximum = 0.0;
};

struct Quantity {
    QuantityId id;
    /// Name on the lab runner's command line ("--vary count").
    const char* key;
    /// The lab runner's option that fixes it ("--count").
    const char* labOption;
    /// Index in the automatic-mode order (0 count, 1 volume, 2 speed): timers AUTOMATIK(slot),
    /// the dialog's automatic rows and the argument of refreshGauge.
    int slot;
    /// Index of the gauge in the gauges' control arrays (SCROLL(i), Panel3D1(i)).
    int gaugeIndex;
    /// Index of the read-out AnzT(k) beside the gauge.
    int readoutIndex;
    /// Page of the tab control (and item of the data-series menu) that plots this quantity.
    int seriesPage;

    /// Name, spoken and shown ("Teilchenzahl").
    const char* name;
    /// What it stands for in physics ("Stoffmenge").
    const char* meaning;
    /// Caption of its gauge panel ("Teilchenzahl:").
    const char* gaugeCaption;
    /// Caption of its start-condition row in the options dialog.
    const char* startCaption;
    /// The range text beside that row (it reads as designed, not as the clamp).
    const char* startRangeText;
    /// Its automatic row's caption, "%1" standing for the blanks the period field lies over and
    /// "%2" for those of the step field ("Teilchenzahl alle %1 Sekunden um %2 ändern"), and the
    /// number of blanks in the first run (with the blanks on either side of "%1").
    const char* automaticCaption;
    int automaticBlanks;
    /// Caption handed to the number pad for its fields ("Anzahl").
    const char* inputAidCaption;

    Rgb colour;
    double startValue;
    /// What the mouse can set on the gauge (the run-time scale captions) and, for the volume,
    /// what a pointer on cylinder, syringe and piston can set.
    ValueRange gauge;
    /// The scale captions the gauge is designed with, before start-up sets the run-time ones.
    ScaleNumbers designScale;
    /// The limits of an automatic step.
    ValueRange automaticStep;
    /// What a start-condition field of the options dialog holds (its scroll bar's range).
    ValueRange startCondition;
    /// Start conditions below this are raised to it when the options dialog opens.
    double startConditionFloor;
    /// What the lab runner accepts for it.
    ValueRange labArgument;
    /// What a loaded series may hold for it.
    ValueRange fileValue;
    /// Range of its axis on the time chart and the area charts.
    ValueRange axis;

    QString nameText() const;
    QString meaningText() const;
    QString gaugeCaptionText() const;
    QString startCaptionText() const;
    QString startRangeLabel() const;
    /// The whole caption of the automatic row, with runs of blanks for the period and the step
    /// field.
    QString automaticRowText() const;
    QString inputAidText() const;
    QColor colourValue() const { return colour.colour(); }

    static const Quantity& of(QuantityId id);
    /// The quantity of an automatic slot; none for another number.
    static const Quantity* ofSlot(int slot);
    /// The quantity a gauge sets; none for the impact gauge.
    static const Quantity* ofGauge(int gauge);
    /// The quantity of the lab runner's name; none for another name.
    static const Quantity* ofKey(const QString& key);
    static const std::array<Quantity, 3>& all();
};

/// The measured quantity: impacts on the piston per second, standing for the pressure.
struct MeasuredQuantity {
    /// Gauge index of the read-only impact gauge.
    int gaugeIndex;
    const char* name;
    const char* meaning;
    const char* gaugeCaption;
    Rgb colour;
    ScaleNumbers designScale;
    /// Upper end of every impact axis and of the impact gauge at start-up.
    double startAxisMaximum;

    QString nameText() const;
    QString meaningText() const;
    QString gaugeCaptionText() const;
    QColor colourValue() const { return colour.colour(); }

    static const MeasuredQuantity& impacts();
};

/// A text of the tables in the user's language (German is the source).
QString quantityText(const char* source);

} // namespace vozavero
