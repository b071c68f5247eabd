// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Gauge scales: whole-number reading of the ends and the caption texts.
#include "GaugeScale.h"

#include "NumberText.h"
#include "RoundHalfEven.h"

#include <cmath>

namespace vozavero {

GaugeScale::GaugeScale(const ScaleNumbers& numbers)
    : numbers_(numbers) {}

GaugeScale GaugeScale::ofRange(const ValueRange& range) {
    return GaugeScale({range.low, range.high / 2.0, range.high});
}

double GaugeScale::minimum() const {
    return std::isfinite(numbers_.minimum) ? roundHalfEven(numbers_.minimum) : 0.0;
}

double GaugeScale::maximum() const {
    return std::isfinite(numbers_.maximum) ? roundHalfEven(numbers_.maximum) : 0.0;
}

QString GaugeScale::minimumText() const {
    return numberText(numbers_.minimum);
}

QString GaugeScale::middleText() const {
    return numberText(numbers_.middle);
}

QString GaugeScale::maximumText() const {
    return numberText(numbers_.maximum);
}

bool GaugeScale::operator==(const GaugeScale& other) const {
    return numbers_.minimum == other.numbers_.minimum && numbers_.middle == other.numbers_.middle &&
           numbers_.maximum == other.numbers_.maximum;
}

} // namespace vozavero
