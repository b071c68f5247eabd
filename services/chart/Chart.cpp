// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Point list access with 1-based indices and the chart's table as text. Copying and printing the
// table are in ChartTableOutput.cpp.
#include "Chart.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace vozavero::chart {

namespace {

/// Converts a 1-based point index into a vector position; throws for anything out of range.
size_t position(int i, int count) {
    if (i < 1 || i > count) {
        throw std::out_of_range("chart point " + std::to_string(i) + " outside 1.." +
                                std::to_string(count));
    }
    return static_cast<size_t>(i - 1);
}

} // namespace

double Chart::x(int i) const {
    return points_[position(i, count())].x();
}

double Chart::y(int i) const {
    return points_[position(i, count())].y();
}

void Chart::replaceY(int i, double y) {
    points_[position(i, count())].setY(y);
}

int Chart::tableDecimals(const std::vector<double>& values) {
    constexpr int kFewest = 2;
    constexpr int kMost = 6;
    double smallestFraction = std::numeric_limits<double>::infinity();
    for (const double v : values) {
        if (std::isfinite(v) && v != std::trunc(v)) {
            smallestFraction = std::min(smallestFraction, std::abs(v));
        }
    }
    if (std::isinf(smallestFraction)) {
        return 0;
    }
    const int wanted = 2 - static_cast<int>(std::floor(std::log10(smallestFraction)));
    return std::clamp(wanted, kFewest, kMost);
}

QString Chart::tableText(const QLocale& locale) const {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = xAxis_.caption() + u'\t' + yAxis_.caption() + lineEnd;
    const auto [xs, ys] = columnTexts(points_, locale);
    for (qsizetype row = 0; row < xs.size(); ++row) {
        text += xs[row] + u'\t' + ys[row] + lineEnd;
    }
    return text;
}

std::pair<QStringList, QStringList> Chart::columnTexts(const std::vector<QPointF>& points,
                                                       QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    std::vector<double> xs;
    std::vector<double> ys;
    for (const QPointF& p : points) {
        xs.push_back(p.x());
        ys.push_back(p.y());
    }
    const int xDecimals = Chart::tableDecimals(xs);
    const int yDecimals = Chart::tableDecimals(ys);
    QStringList xTexts;
    QStringList yTexts;
    for (const QPointF& p : points) {
        xTexts << locale.toString(p.x(), 'f', xDecimals);
        yTexts << locale.toString(p.y(), 'f', yDecimals);
    }
    return {xTexts, yTexts};
}

} // namespace vozavero::chart
