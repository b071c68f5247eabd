// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One statistics line per second, from the loop's and the view's counters, the wall clock, the
// process's processor time and the main thread's wake-ups.
#include "LoopStats.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <utility>

namespace vozavero {

namespace {

/// Milliseconds between two lines.
constexpr int kReportMs = 1000;

std::string fixed(double value, int decimals) {
    std::array<char, 64> text{};
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::fixed, decimals);
    return std::string(text.data(), r.ptr);
}

std::string shortest(double value) {
    std::array<char, 64> text{};
    const auto r =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return std::string(text.data(), r.ptr);
}

} // namespace

LoopStats::LoopStats(const SimulationLoop& loop, std::function<Quantities()> quantities,
                     std::function<long()> paints, QObject* parent)
    : QObject(parent)
    , sink([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); })
    , loop_(loop)
    , quantities_(std::move(quantities))
    , paints_(std::move(paints))
    , timer_(this) {
    lastCpu_ = processSeconds();
    lastSteps_ = loop_.stepsMade();
    lastFrames_ = loop_.framesDrawn();
    lastPaints_ = paints_ ? paints_() : 0;
    lastWakeups_ = threadWakeups();
    wall_.start();
    timer_.setInterval(kReportMs);
    connect(&timer_, &QTimer::timeout, this, &LoopStats::report);
    timer_.start();
}

bool LoopStats::wanted() {
    return qgetenv("VOZAVERO_LOOP_STATS") == "1";
}

double LoopStats::processSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

long LoopStats::threadWakeups() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

std::string LoopStats::line(const Sample& s) {
    return "loop steps/s=" + fixed(s.stepsPerSecond, 1) +
           " frames/s=" + fixed(s.framesPerSecond, 1) +
           " stepSize=" + std::to_string(s.quantities.stepSize) +
           " count=" + shortest(s.quantities.count) + " speed=" + shortest(s.quantities.speed) +
           " width=" + shortest(s.quantities.width) + " cpu=" + fixed(s.cpuPercent, 1) + "%" +
           " painted/s=" + fixed(s.paintedPerSecond, 1) +
           " wakeups/s=" + fixed(s.wakeupsPerSecond, 0);
}

void LoopStats::report() {
    const double seconds = static_cast<double>(wall_.restart()) / 1000.0;
    if (seconds <= 0.0) {
        return;
    }
    const double cpu = processSeconds();
    const long paints = paints_ ? paints_() : 0;
    const long wakeups = threadWakeups();
    Sample s;
    s.stepsPerSecond = static_cast<double>(loop_.stepsMade() - lastSteps_) / seconds;
    s.framesPerSecond = static_cast<double>(loop_.framesDrawn() - lastFrames_) / seconds;
    if (quantities_) {
        s.quantities = quantities_();
    }
    s.cpuPercent = (cpu - lastCpu_) / seconds * 100.0;
    s.paintedPerSecond = static_cast<double>(paints - lastPaints_) / seconds;
    s.wakeupsPerSecond = static_cast<double>(wakeups - lastWakeups_) / seconds;
    lastCpu_ = cpu;
    lastPaints_ = paints;
    lastWakeups_ = wakeups;
    lastSteps_ = loop_.stepsMade();
    lastFrames_ = loop_.framesDrawn();
    if (sink) {
        sink(line(s));
    }
}

} // namespace vozavero
