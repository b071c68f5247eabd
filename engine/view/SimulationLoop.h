// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Drives the simulation on the toolkit's event loop. Each tick replays, in a virtual time, the
// passes that a loop spinning without pause would have made since the last tick: a motion step
// whenever the pacer finds the steps behind schedule (taking as long as the step really took),
// otherwise a frame pass of one millisecond. Only the frame that reaches the present is drawn; the
// others are counted by the pacer as a spinning loop would count them. So the rates and window
// rules hold without spinning a core, real step cost still starves frames and raises stepSize,
// and handlers of other events always run between two steps or frames.
// Between ticks the loop sleeps: a precise single-shot timer wakes it when the pacer will next ask
// for a step (or a larger step size), no sooner than kFramePaceMs after the last tick and no later
// than kLongestSleep; wake() brings the next tick forward when something outside the loop
// changed what a frame shows. The timer also fires inside the nested event loops of modal boxes,
// so the particles move on behind every dialog.
#pragma once
#include "LoopPacer.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace vozavero {

class SimulationLoop : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<double()> speed;           ///< current speed setting
        std::function<std::int32_t()> stepSize;  ///< current step size (cells per step)
        std::function<void()> step;              ///< one motion step
        std::function<void(bool counted)> frame; ///< draw a frame; counted frames update read-outs
        std::function<void()> raiseStepSize;     ///< grow the step size by one and re-initialise
        std::function<bool()> quitRequested;     ///< checked after every step or frame
        std::function<void()> quit;              ///< ends the program
    };

    SimulationLoop(const Clock& clock, Hooks hooks, QObject* parent = nullptr);

    /// Starts the passes (the loop's entry).
    void start();
    /// Started and not ended (by quitting or a numerical error).
    bool running() const { return started_ && !ended_; }
    /// Replays the passes due since the last tick and draws the frame of the present moment;
    /// what one timer tick does. Does nothing before start, inside another tick or after the end.
    /// A NumericError from a hook ends the loop (the timer stops) without quitting the program.
    /// Public so that tests can drive the loop with a scripted clock, and so that the measuring
    /// interval can bring the particles up to the present before it reads the impacts.
    /// After the tick the timer is set for the next one.
    void runTick();
    /// Something a frame shows changed outside the loop (a setting, the particles, a read-out's
    /// value): the next tick runs as soon as the event loop is free. Ignored inside a tick, whose
    /// frame is drawn after its passes anyway.
    void wake();

    /// Milliseconds of one display tick (about 67 a second): the spacing at which a caller that
    /// drives the loop tick by tick, as the tests do, lets time pass.
    static constexpr int kTickMs = 15;
    /// Shortest time between two ticks the loop sets for itself (milliseconds): at most 40
    /// frames a second, so that at high speeds several steps share one frame. (Above that, at
    /// 50 particles and speed 30, the frames' paints and the live read-outs, which change with
    /// nearly every frame there, cost more than the steps.)
    static constexpr int kFramePaceMs = 25;
    /// Longest sleep between two ticks (seconds) when no step falls due sooner. Well below
    /// kLongestReplay, so that only a blocked event loop makes a hold-up.
    static constexpr double kLongestSleep = 0.08;
    /// Safety bound on steps in one tick, so that a huge speed cannot stall the window.
    static constexpr int kMaxStepsPerTick = 2000;
    /// Seconds one frame pass of the emulated spinning loop takes.
    static constexpr double kPassSlice = 0.001;
    /// Longest gap (seconds) outside the loop that is replayed; a longer one (the event loop was
    /// blocked) is a hold-up: the particles stood still, and a fresh window starts.
    static constexpr double kLongestReplay = 0.25;
    /// Seconds of real time one tick may spend on steps before it returns to the event loop; the
    /// passes still due are replayed at the next tick.
    static constexpr double kTickBudget = 0.1;

    const LoopPacer& pacer() const { return pacer_; }
    /// Motion steps made since the loop was created.
    long stepsMade() const { return stepsMade_; }
    /// Frames drawn (counted or not) since the loop was created.
    long framesDrawn() const { return framesDrawn_; }
    /// Hold-ups seen since the loop was created: gaps between ticks longer than kLongestReplay,
    /// during which the particles could not move.
    long holdUps() const { return holdUps_; }
    /// Milliseconds from the last tick (or wake) to the next tick as the timer was set; -1 when
    /// no tick is coming.
    int nextTickMs() const { return timer_.isActive() ? timer_.interval() : -1; }

private:
    /// The time of day the pacer sees: the virtual time of the pass being replayed.
    struct PassClock : Clock {
        double now = 0.0;
        double secondsSinceMidnight() const override { return now; }
    };
    /// Makes passes from the virtual time up to the present moment `now` and draws the frame of
    /// that moment; stops early at the step bound, the time budget or the end of the loop.
    void passesUntil(double now);
    /// Ends the loop when quitting was requested; returns true when it did.
    bool endIfQuitRequested();
    /// Sets the timer for the next tick: when the pacer will next ask for a step, within the
    /// bounds of kFramePaceMs and kLongestSleep.
    void scheduleNextTick();
    /// The virtual time of the first pass, from the present pass on and before limit, at which
    /// the pacer would make a step or raise the step size; limit when there is none. Asks a copy
    /// of the pacer, so the passes themselves are left to the tick.
    double nextStepDue(double limit);

    const Clock& clock_;
    PassClock passClock_;
    /// Real time at which the last tick ended (seconds since midnight).
    double lastTickEnd_ = 0.0;
    /// Real time at which the last tick began (seconds since midnight).
    double lastTickStart_ = 0.0;
    LoopPacer pacer_;
    Hooks hooks_;
    QTimer timer_;
    bool started_ = false;
    bool ended_ = false;
    /// Set while runTick runs, so that a hook that spins the event loop cannot nest a tick.
    bool inTick_ = false;
    long stepsMade_ = 0;
    long framesDrawn_ = 0;
    long holdUps_ = 0;
};

} // namespace vozavero
