// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The chart document: a name, its charts in creation order, and the file settings used when it is
// saved.
#pragma once
#include "Chart.h"

#include <QString>
#include <memory>
#include <vector>

namespace vozavero::chart {

class ChartDocument {
public:
    explicit ChartDocument(QString name = {})
        : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    /// Appends a new empty chart and returns it; the reference stays valid for the document's life.
    Chart& addChart(const QString& chartName = {});
    int chartCount() const { return static_cast<int>(charts_.size()); }
    /// Chart at 0-based position index in creation order.
    Chart& chart(int index) { return *charts_.at(static_cast<size_t>(index)); }
    const Chart& chart(int index) const { return *charts_.at(static_cast<size_t>(index)); }

    const QString& defaultFileName() const { return defaultFileName_; }
    void setDefaultFileName(const QString& fileName) { defaultFileName_ = fileName; }

private:
    QString name_;
    std::vector<std::unique_ptr<Chart>> charts_;
    QString defaultFileName_;
};

} // namespace vozavero::chart
