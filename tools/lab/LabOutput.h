// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// What vozavero-lab leaves behind after a sweep: the table of the varied value against the
// impacts per second (series.tsv), the eleven series in the saved-file format (series.kpx), the
// graph as the window draws it with the regression line and its equation (graph.png), and the
// line's equation for standard output.
#pragma once
#include "Sweep.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace vozavero {

class LabOutput {
    Q_DECLARE_TR_FUNCTIONS(LabOutput)

public:
    /// The table: a header line, then one line per keyed point, tab-separated, dot decimals.
    static QString table(const SweepPlan& plan, const MeasurementCharts& charts);

    /// "y = 1.09·x + -0.64   R² = 0.993" (three significant digits, dot decimals, the signs in
    /// the numbers so that the form never changes) for the varied quantity's data series (for
    /// area: against 1/area), or empty when no line fits. Leaves the line shown.
    static std::optional<QString> equation(const SweepPlan& plan, Experiment& experiment);

    /// Writes the three files into dir (created when missing), each atomically. Needs a
    /// QGuiApplication for the graph's fonts. On failure returns false with a reason in the
    /// program's language in error.
    static bool write(const QString& dir, const SweepPlan& plan, Experiment& experiment,
                      QString* error);

    /// Size of the graph picture, pixels.
    static constexpr int kGraphWidth = 800;
    static constexpr int kGraphHeight = 500;
};

} // namespace vozavero
