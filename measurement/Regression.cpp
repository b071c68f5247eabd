// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Least-squares straight line through a chart's points, and its equation as the graph shows it.
#include "Regression.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vozavero {

namespace {

// Coefficients smaller than this are rounding noise of the sums and are written as 0.
constexpr double kNoise = 1e-9;
// Significant digits of every number in the equation.
constexpr int kDigits = 3;
const QString kMinus = QStringLiteral("\u2212");

// |value| as significantDigits writes it, with the locale's decimal separator.
QString magnitudeText(double value, const QLocale& locale) {
    QString text = significantDigits(std::fabs(value) < kNoise ? 0.0 : std::fabs(value));
    return text.replace(u'.', locale.decimalPoint());
}

bool isNegative(double value) {
    return value < 0.0 && std::fabs(value) >= kNoise;
}

} // namespace

std::optional<RegressionLine> computeRegression(const chart::Chart& chart) {
    const int n = chart.count();
    if (n < 2) {
        return std::nullopt;
    }
    std::vector<double> x(static_cast<size_t>(n));
    std::vector<double> y(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        x[static_cast<size_t>(i - 1)] = chart.x(i);
        y[static_cast<size_t>(i - 1)] = chart.y(i);
    }
    // Equal x leave the slope undefined; testing them directly also catches a denominator that
    // rounding keeps from being exactly zero.
    if (std::all_of(x.begin(), x.end(), [&](double v) { return v == x.front(); })) {
        return std::nullopt;
    }

    double sx = 0.0;
    double sy = 0.0;
    double sxy = 0.0;
    double sxx = 0.0;
    for (size_t i = 0; i < x.size(); ++i) {
        sx += x[i];
        sy += y[i];
        sxy += x[i] * y[i];
        sxx += x[i] * x[i];
    }
    const double count = static_cast<double>(n);
    const double denominator = sxx - sx * sx / count;
    if (denominator == 0.0) {
        return std::nullopt;
    }
    RegressionLine line;
    line.slope = (sxy - sx * sy / count) / denominator;
    line.intercept = (sy - line.slope * sx) / count;
    if (!std::isfinite(line.slope) || !std::isfinite(line.intercept)) {
        return std::nullopt;
    }

    // A line through points that all have the same y explains them fully.
    if (std::all_of(y.begin(), y.end(), [&](double v) { return v == y.front(); })) {
        line.rSquared = 1.0;
        return line;
    }
    const double mean = sy / count;
    double total = 0.0;
    double residual = 0.0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double deviation = y[i] - mean;
        const double error = y[i] - (line.slope * x[i] + line.intercept);
        total += deviation * deviation;
        residual += error * error;
    }
    line.rSquared = total == 0.0 ? 1.0 : std::clamp(1.0 - residual / total, 0.0, 1.0);
    return line;
}

QString significantDigits(double value) {
    const double magnitude = std::fabs(value);
    const int exponent = magnitude == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = std::max(0, kDigits - 1 - exponent);
    const double factor = std::pow(10.0, kDigits - 1 - exponent);
    return QString::number(std::round(value * factor) / factor, 'f', decimals);
}

QString regressionText(const RegressionLine& line, const QLocale& locale) {
    QString text = QStringLiteral("y = ");
    if (isNegative(line.slope)) {
        text += kMinus;
    }
    text += magnitudeText(line.slope, locale);
    text += QStringLiteral("·x ");
    text += isNegative(line.intercept) ? kMinus : QStringLiteral("+");
    text += u' ';
    text += magnitudeText(line.intercept, locale);
    text += QStringLiteral("   R² = ");
    text += magnitudeText(line.rSquared, locale);
    return text;
}

} // namespace vozavero
