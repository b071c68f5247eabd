#pragma once
// Least-squares straight line through a chart's points, in double precision.
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

/// "y = 1,09·x + 0,64   R² = 0,993" with the locale's decimal separator, three significant
/// digits.
QString regressionText(const RegressionLine& line, const QLocale& locale = QLocale());

} // namespace vozavero
