// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The real window for a random soak, with the test as its only source of time and chance: a
// seeded generator, time that passes as the program's timers would let it (loop ticks, measuring
// seconds, automatic steps) with a check of every closed interval, modal boxes held open while
// the program runs on behind them, and the options dialog answered with random values.
#pragma once
#include "AppFixture.h"

#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace vozavero {

/// The number in the environment variable, or the fallback when it is unset or not a number.
double environmentNumber(const char* name, double fallback);

/// Prints how often a conditional check ran in how many occasions (closed intervals, events, ...)
/// and fails the running test when it ran less than once per onePer occasions: a check whose
/// condition hardly ever held would otherwise pass unnoticed.
void expectRanOften(const char* check, long ran, long occasions, const char* of, long onePer);

class SoakFixture : public AppFixture {
protected:
    void SetUp() override;

    double uniform(double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(rng);
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }
    template <typename T> const T& pick(const std::vector<T>& from) {
        return from[static_cast<size_t>(below(static_cast<int>(from.size())))];
    }

    /// Time passes (advance()) also with the steps of the automatic timers that run, and each
    /// closed interval is checked.
    void beforeTick() override;
    void afterTick() override;
    void measuringSecond() override;
    /// Seconds a modal box stays open: mostly a moment, now and then half a minute.
    double modalSpan() { return chance(0.05) ? uniform(5.0, 30.0) : uniform(0.0, 1.0); }
    /// A modal box stays open for the given seconds while the program runs on behind it.
    void holdOpen(double seconds);

    const std::uint64_t seed =
        static_cast<std::uint64_t>(environmentNumber("VOZAVERO_SOAK_SEED", 8));
    std::mt19937_64 rng{seed};
    double virtualSeconds = 0.0;
    long intervals = 0;
    /// Closed intervals whose recorded row was checked against the impacts.
    long rows = 0;
    /// Closed intervals whose steps were checked against the rate the speed asks for.
    long rateChecks = 0;
    long dialogs = 0;
    int saveFailures = 0;

private:
    void startInterval();
    void answerOptionsDialog();

    QTemporaryDir folder;
    QTimer dialogHand;
    std::array<double, 3> autoElapsed{};
    double expectedSteps = 0.0;
    double intervalStartedAt = 0.0;
    double lastSpeed = 0.0;
    double speedChangedAt = 0.0;
    long intervalSteps = 0;
    int ticksSeen = 0;
    bool holding = false;
    bool answering = false;
};

} // namespace vozavero
