// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The window's timers and loop driving the experiment.
#include "ExperimentTimers.h"

#include "Guarded.h"
#include "LoopStats.h"
#include "SimulationLoop.h"

#include <QTimer>

namespace vozavero {

ExperimentTimers::ExperimentTimers(Experiment& experiment, const Clock& clock, Hooks hooks,
                                   QObject* parent)
    : QObject(parent)
    , experiment_(experiment)
    , hooks_(std::move(hooks)) {
    SimulationLoop::Hooks loopHooks;
    loopHooks.speed = [this] { return experiment_.settings().speed; };
    loopHooks.stepSize = [this] { return experiment_.stepSize(); };
    // A numerical error in a step ends the loop (the loop catches it), not just that step.
    loopHooks.step = [this] { experiment_.advanceParticles(); };
    loopHooks.frame = [this](bool counted) {
        if (hooks_.frame) {
            hooks_.frame(counted);
        }
    };
    loopHooks.raiseStepSize = [this] { experiment_.raiseStepSize(); };
    loopHooks.quitRequested = [this] { return hooks_.quitRequested && hooks_.quitRequested(); };
    loopHooks.quit = [this] {
        if (hooks_.quit) {
            hooks_.quit();
        }
    };
    loop_ = std::make_unique<SimulationLoop>(clock, std::move(loopHooks));
    if (LoopStats::wanted()) {
        loopStats_ = std::make_unique<LoopStats>(
            *loop_,
            [this] {
                return LoopStats::Quantities{
                    experiment_.stepSize(), experiment_.settings().particleCount,
                    experiment_.settings().speed, experiment_.cylinderWidth()};
            },
            hooks_.paints);
    }
    // Between due steps the loop sleeps; these changes show in the next frame at once: the
    // particles and the gas space (quantities, restart), and the live read-outs (interval length,
    // counter cleared at the end of an interval).
    SimulationLoop* loop = loop_.get();
    connect(&experiment_, &Experiment::quantitiesChanged, loop, &SimulationLoop::wake);
    connect(&experiment_, &Experiment::measuringIntervalChanged, loop, &SimulationLoop::wake);
    connect(&experiment_, &Experiment::intervalClosed, loop, &SimulationLoop::wake);
    connect(&experiment_, &Experiment::seriesReplaced, loop, &SimulationLoop::wake);

    go_ = new QTimer(this);
    go_->setObjectName(QStringLiteral("tmr_Go"));
    go_->setInterval(100);
    connect(go_, &QTimer::timeout, this, [this] {
        go_->stop();
        loop_->start();
    });
    measuring_ = new QTimer(this);
    measuring_->setObjectName(QStringLiteral("KollZaehl"));
    measuring_->setInterval(1000);
    connect(measuring_, &QTimer::timeout, this, &ExperimentTimers::measuringTick);
    for (int slot = 0; slot < 3; ++slot) {
        auto* t = new QTimer(this);
        t->setObjectName(QStringLiteral("AUTOMATIK(%1)").arg(slot));
        t->setInterval(5000);
        connect(t, &QTimer::timeout, this,
                [this, slot] { guarded([this, slot] { experiment_.automaticStep(slot); }); });
        automatic_.at(static_cast<size_t>(slot)) = t;
    }
    connect(&experiment_, &Experiment::automaticChanged, this, &ExperimentTimers::followSchedule);
}

ExperimentTimers::~ExperimentTimers() = default;

void ExperimentTimers::startLoop() {
    go_->start();
}

void ExperimentTimers::startMeasuring() {
    measuring_->start();
}

void ExperimentTimers::measuringTick() {
    guarded([this] {
        // The steps due until this moment belong to the interval, so the loop catches up first;
        // that also reveals a hold-up of the event loop even when this timer fires before the
        // loop's.
        loop_->runTick();
        if (loop_->holdUps() != holdUpsSeen_) {
            // The event loop was blocked (a long print, a stalled window system): the particles
            // stood still while this interval's seconds went by, so it did not measure honestly.
            // It is discarded unrecorded and a new interval starts at this tick.
            holdUpsSeen_ = loop_->holdUps();
            experiment_.discardInterval();
            loop_->wake();
            return;
        }
        experiment_.measuringTick();
    });
}

void ExperimentTimers::followSchedule() {
    const AutomaticMode& automatic = experiment_.automatic();
    for (int slot = 0; slot < 3; ++slot) {
        const size_t s = static_cast<size_t>(slot);
        if (automatic.scheduleCount(slot) == schedulesSeen_.at(s)) {
            continue;
        }
        schedulesSeen_.at(s) = automatic.scheduleCount(slot);
        QTimer* t = automatic_.at(s);
        if (const std::optional<int> interval = automatic.scheduledInterval(slot)) {
            t->setInterval(*interval);
            t->start();
        } else {
            t->stop();
        }
    }
}

} // namespace vozavero
