// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The timers that drive the experiment in the window: "tmr_Go", whose single tick starts the
// simulation loop; "KollZaehl", the measuring clock, which first lets the loop catch up and
// drops an interval the event loop held up; and "AUTOMATIK(0..2)", which follow automatic mode's
// schedule. Owns the loop, wakes it when the experiment changes what a frame shows, and, when
// asked for, owns its statistics line.
#pragma once
#include "Clock.h"
#include "Experiment.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class QTimer;

namespace vozavero {

class LoopStats;
class SimulationLoop;

class ExperimentTimers : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        /// Draws a frame; a counted one also updates the live read-out.
        std::function<void(bool counted)> frame;
        /// Whether quitting was requested; the loop checks after every step or frame.
        std::function<bool()> quitRequested;
        /// Ends the program.
        std::function<void()> quit;
        /// Frames painted on screen so far (for the statistics line).
        std::function<long()> paints;
    };

    ExperimentTimers(Experiment& experiment, const Clock& clock, Hooks hooks, QObject* parent);
    ~ExperimentTimers() override;

    /// Arms "tmr_Go"; its tick starts the loop.
    void startLoop();
    /// Arms "KollZaehl".
    void startMeasuring();
    /// One tick of the measuring clock.
    void measuringTick();

    SimulationLoop* loop() const { return loop_.get(); }
    QTimer* automaticTimer(int slot) const { return automatic_.at(static_cast<size_t>(slot)); }

private:
    /// Starts or stops each slot's timer as automatic mode schedules it.
    void followSchedule();

    Experiment& experiment_;
    Hooks hooks_;
    std::unique_ptr<SimulationLoop> loop_;
    std::unique_ptr<LoopStats> loopStats_;
    QTimer* go_ = nullptr;
    QTimer* measuring_ = nullptr;
    std::array<QTimer*, 3> automatic_{};
    /// Hold-ups of the loop already taken into account by the measuring interval.
    long holdUpsSeen_ = 0;
    /// Schedule changes of each slot already followed.
    std::array<long, 3> schedulesSeen_{};
};

} // namespace vozavero
