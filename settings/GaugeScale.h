// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The scale of a gauge: the three numbers written under its bar (left, middle, right) together
// with the captions that show them. The captions are made from the numbers and the mapping of
// bar widths to values reads the same numbers, so the captions stay the only source of a
// gauge's range without ever being read back.
#pragma once
#include "Quantity.h"

#include <QString>

namespace vozavero {

class GaugeScale {
public:
    GaugeScale() = default;
    /// A scale with these three numbers, each captioned as plain number text.
    explicit GaugeScale(const ScaleNumbers& numbers);
    /// The run-time scale of a range: low, high / 2 and high.
    static GaugeScale ofRange(const ValueRange& range);

    const ScaleNumbers& numbers() const { return numbers_; }
    /// The left and right numbers rounded to whole numbers (ties to even), as the mouse mapping
    /// takes them.
    double minimum() const;
    double maximum() const;

    QString minimumText() const;
    QString middleText() const;
    QString maximumText() const;

    bool operator==(const GaugeScale& other) const;

private:
    ScaleNumbers numbers_;
};

} // namespace vozavero
