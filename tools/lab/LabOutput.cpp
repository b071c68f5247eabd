// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Writing the table, the saved series and the graph picture of a sweep, and its line.
#include "LabOutput.h"

#include "GraphPicture.h"
#include "chart/AtomicFile.h"
#include "chart/ChartFile.h"

#include <QBuffer>
#include <QDir>
#include <algorithm>
#include <cmath>

namespace vozavero {

QString LabOutput::table(const SweepPlan& plan, const MeasurementCharts& charts) {
    QString text = Quantity::of(plan.varied).nameText() + u'\t' + tr("Stöße pro Sekunde") + u'\n';
    for (const QPointF& p : plan.keyedChart(charts).points()) {
        text += QString::number(p.x(), 'g', 12) + u'\t' + QString::number(p.y(), 'g', 12) + u'\n';
    }
    return text;
}

std::optional<QString> LabOutput::equation(const SweepPlan& plan, Experiment& experiment) {
    experiment.selectSeries(plan.seriesKind());
    if (experiment.showRegression() != Experiment::RegressionRefusal::None) {
        return std::nullopt;
    }
    const RegressionLine line = *experiment.shownRegression();
    return QStringLiteral("y = %1·x + %2   R² = %3")
        .arg(significantDigits(line.slope), significantDigits(line.intercept),
             significantDigits(line.rSquared));
}

bool LabOutput::write(const QString& dir, const SweepPlan& plan, Experiment& experiment,
                      QString* error) {
    if (!chart::AtomicFile::makeFolder(dir, error)) {
        return false;
    }
    const QDir out(dir);
    if (!chart::AtomicFile::write(out.filePath(QStringLiteral("series.tsv")),
                                  table(plan, experiment.charts()).toUtf8(), error)) {
        return false;
    }
    if (!chart::ChartFile::save(experiment.charts().document(),
                                out.filePath(QStringLiteral("series.kpx")), error)) {
        return false;
    }

    equation(plan, experiment);
    QImage image(kGraphWidth, kGraphHeight, QImage::Format_RGB32);
    // The window's axes have room for every setting; the lab's picture fits its axes to the
    // values of its sweep.
    GraphPicture picture;
    picture.setFitToData(true);
    picture.draw(experiment.charts().chartFor(plan.seriesKind()), experiment.shownRegression(),
                 image);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        if (error) {
            *error = tr("Das Bild des Graphen kann nicht erzeugt werden.");
        }
        return false;
    }
    return chart::AtomicFile::write(out.filePath(QStringLiteral("graph.png")), png, error);
}

} // namespace vozavero
