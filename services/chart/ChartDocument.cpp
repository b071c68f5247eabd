// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Creation of the document's charts; each chart lives on the heap so references stay valid.
#include "ChartDocument.h"

namespace vozavero::chart {

Chart& ChartDocument::addChart(const QString& chartName) {
    charts_.push_back(std::make_unique<Chart>(chartName));
    return *charts_.back();
}

} // namespace vozavero::chart
