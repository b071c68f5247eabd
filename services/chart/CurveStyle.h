// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// How a chart's points are drawn: colour, connecting line and point markers.
#pragma once
#include <QColor>

namespace vozavero::chart {

struct CurveStyle {
    QColor colour = Qt::blue;
    /// Pen width in pixels of the connecting line and the marker outline.
    int lineWidth = 2;
    /// 0 = points are not connected, 1 = points are joined by straight lines in list order.
    int lineStyle = 1;
    /// Whether every point gets a marker.
    bool markers = false;
    /// 1 = filled circle, 2 = square. Ignored without markers.
    int markerShape = 1;
};

} // namespace vozavero::chart
