// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One axis of a chart: its title, unit and value range.
#pragma once
#include <QString>

namespace vozavero::chart {

struct ChartAxis {
    QString title;
    /// Unit text; "-" for a dimensionless quantity.
    QString unit;
    double minimum = 0.0;
    double maximum = 1.0;

    /// "title [unit]", the caption drawn beside the axis and used as a table header.
    QString caption() const {
        return unit.isEmpty() ? title : title + QStringLiteral(" [") + unit + u']';
    }
};

} // namespace vozavero::chart
