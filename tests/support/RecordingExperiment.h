// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// An experiment without a window on a simulated clock, seeded, with a 1 s interval, that records
// rows at will.
#pragma once
#include "Experiment.h"
#include "ExperimentProbe.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"

#include <vector>

namespace vozavero {

class RecordingExperiment {
public:
    RecordingExperiment() {
        experiment.start();
        experiment.setMeasuringInterval(1);
    }
    /// Records rows, each from `impacts` impacts and a few more (so that rows differ).
    void record(int rows, int impacts = 40) {
        for (int i = 0; i < rows; ++i) {
            ExperimentProbe::setImpactCount(experiment, impacts + i % 7);
            experiment.measuringTick();
        }
    }
    const chart::ChartDocument& document() const { return experiment.document(); }

    /// The points of every chart of a document, in chart order.
    static std::vector<std::vector<QPointF>> pointsOf(const chart::ChartDocument& document) {
        std::vector<std::vector<QPointF>> all;
        for (int c = 0; c < document.chartCount(); ++c) {
            all.push_back(document.chart(c).points());
        }
        return all;
    }

    SeededRandom random{18};
    SimulatedClock clock{36000.0};
    Experiment experiment{random, clock};
};

} // namespace vozavero
