// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Least-squares straight line through a chart's points, in double precision.
#pragma once
#include "chart/Chart.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace vozavero {

struct RegressionLine {
    double slope = 0.0;
    double intercept = 0.0;
    /// Coefficient of determination; 1 when all y are equal (the line explains them fully).
    double rSquared = 1.0;
};

/// The line y = slope * x + intercept through points 1..n of chart. Empty when n < 2 or when all
/// x are equal (the slope is undefined).
std::optional<RegressionLine> computeRegression(const chart::Chart& chart);

/// value rounded to three significant digits and written in fixed notation with a dot and a
/// "-" sign: "1.15", "-1.00", "0.00123", "1040" (never an exponent), trailing zeros kept.
QString significantDigits(double value);

/// "y = 1,09·x + 0,640   R² = 0,993": the digits of significantDigits with the locale's decimal
/// separator, a real minus sign, and coefficients that are rounding noise written as 0.
QString regressionText(const RegressionLine& line, const QLocale& locale = QLocale());

} // namespace vozavero
