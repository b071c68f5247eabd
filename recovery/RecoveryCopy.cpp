// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The recovery copy of the running series: what starts a copy, and its end.
#include "RecoveryCopy.h"

#include <QFile>
#include <QMetaObject>

namespace vozavero {

namespace {

/// A document of its own with the same charts, for the writing thread.
std::unique_ptr<chart::ChartDocument> copyOf(const chart::ChartDocument& series) {
    auto copy = std::make_unique<chart::ChartDocument>(series.name());
    copy->setDefaultFileName(series.defaultFileName());
    for (int c = 0; c < series.chartCount(); ++c) {
        copy->addChart() = series.chart(c);
    }
    return copy;
}

} // namespace

RecoveryCopy::RecoveryCopy(const Experiment& experiment, QString path, QObject* parent)
    : QObject(parent)
    , experiment_(experiment)
    , path_(std::move(path)) {
    writer_ = std::make_unique<RecoveryWriter>(path_, [this](const QString& reason) {
        // On the writing thread: the signal is sent from this object's own thread.
        QMetaObject::invokeMethod(
            this, [this, reason] { emit failed(reason); }, Qt::QueuedConnection);
    });
    connect(&experiment_, &Experiment::intervalClosed, this,
            [this](const MeasuringInterval::Closed& closed) {
                if (closed.recorded) {
                    request();
                }
            });
    connect(&experiment_, &Experiment::seriesReplaced, this, &RecoveryCopy::request);
    connect(&experiment_, &Experiment::automaticConfirmed, this, &RecoveryCopy::request);
}

RecoveryCopy::~RecoveryCopy() {
    writer_->finish();
}

void RecoveryCopy::request() {
    if (requested_ || ended_) {
        return;
    }
    requested_ = true;
    // After the event: a closed interval raises the impact scale after telling of the row.
    QMetaObject::invokeMethod(this, &RecoveryCopy::handOver, Qt::QueuedConnection);
}

void RecoveryCopy::handOver() {
    if (!requested_ || ended_) {
        return;
    }
    requested_ = false;
    writer_->submit(copyOf(experiment_.document()));
}

void RecoveryCopy::waitWritten() {
    handOver();
    writer_->waitIdle();
}

void RecoveryCopy::discard() {
    ended_ = true;
    writer_->finish();
    QFile::remove(path_);
}

} // namespace vozavero
