// One statistics line per second, from the loop's counters, the wall clock and the process's
// processor time.
#include "LoopStats.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
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
                     QObject* parent)
    : QObject(parent)
    , sink([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); })
    , loop_(loop)
    , quantities_(std::move(quantities))
    , timer_(this) {
    lastCpu_ = processSeconds();
    lastSteps_ = loop_.stepsMade();
    lastFrames_ = loop_.framesDrawn();
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

std::string LoopStats::line(const Sample& s) {
    return "loop steps/s=" + fixed(s.stepsPerSecond, 1) +
           " frames/s=" + fixed(s.framesPerSecond, 1) +
           " stepSize=" + std::to_string(s.quantities.stepSize) +
           " count=" + shortest(s.quantities.count) + " speed=" + shortest(s.quantities.speed) +
           " width=" + shortest(s.quantities.width) + " cpu=" + fixed(s.cpuPercent, 1) + "%";
}

void LoopStats::report() {
    const double seconds = static_cast<double>(wall_.restart()) / 1000.0;
    if (seconds <= 0.0) {
        return;
    }
    const double cpu = processSeconds();
    Sample s;
    s.stepsPerSecond = static_cast<double>(loop_.stepsMade() - lastSteps_) / seconds;
    s.framesPerSecond = static_cast<double>(loop_.framesDrawn() - lastFrames_) / seconds;
    if (quantities_) {
        s.quantities = quantities_();
    }
    s.cpuPercent = (cpu - lastCpu_) / seconds * 100.0;
    lastCpu_ = cpu;
    lastSteps_ = loop_.stepsMade();
    lastFrames_ = loop_.framesDrawn();
    if (sink) {
        sink(line(s));
    }
}

} // namespace vozavero
