// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Conversions of fractional values to whole numbers as the simulation defines them: to the
// nearest whole number with ties to the even neighbour (62.5 -> 62), and range-checked narrowing
// into the fixed-width integer types of the engine state.
#pragma once
#include "NumericError.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vozavero {

/// Nearest whole number, a tie going to the even neighbour. Throws NumericError for NaN/inf.
inline double roundHalfEven(double value) {
    if (!std::isfinite(value)) {
        throw NumericError("non-finite value");
    }
    return std::nearbyint(value); // default rounding mode is to-nearest-even
}

/// roundHalfEven followed by a range check into the integer type T.
template <typename T> T roundTo(double value) {
    const double r = roundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max())) {
        throw NumericError("value out of range");
    }
    return static_cast<T>(r);
}

/// Truncation toward zero followed by a range check into the integer type T.
template <typename T> T truncateTo(double value) {
    if (!std::isfinite(value)) {
        throw NumericError("non-finite value");
    }
    const double t = std::trunc(value);
    if (t < static_cast<double>(std::numeric_limits<T>::min()) ||
        t > static_cast<double>(std::numeric_limits<T>::max())) {
        throw NumericError("value out of range");
    }
    return static_cast<T>(t);
}

} // namespace vozavero
