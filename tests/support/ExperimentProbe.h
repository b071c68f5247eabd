// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// What tests may do to an experiment that no user can: set the impacts, add unmeasured points.
#pragma once
#include "Experiment.h"

namespace vozavero {

class ExperimentProbe {
public:
    static void setImpactCount(Experiment& experiment, std::int32_t impacts) {
        experiment.engine_.setImpactCount(impacts);
    }
    static void addPoint(Experiment& experiment, ChartId chart, double x, double y) {
        experiment.charts_.chart(chart).append(x, y);
    }
};

} // namespace vozavero
