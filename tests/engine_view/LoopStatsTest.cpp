// The loop statistics line: its exact form whatever the locale, and a line from a running loop.
#include "LoopStats.h"

#include <QRegularExpression>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

TEST(LoopStats, LineHasTheFixedFormWithDotsInEveryLocale) {
    // The toolkit adopts the user's locale for the C library too: a German one keeps the dots.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the German locale is needed";
    LoopStats::Sample s;
    s.stepsPerSecond = 19.94;
    s.framesPerSecond = 66.46;
    s.quantities = {1, 5, 2, 250};
    s.cpuPercent = 0.83;
    s.paintedPerSecond = 19.96;
    s.wakeupsPerSecond = 21.4;
    EXPECT_EQ(LoopStats::line(s), "loop steps/s=19.9 frames/s=66.5 stepSize=1 count=5 speed=2 "
                                  "width=250 cpu=0.8% painted/s=20.0 wakeups/s=21");
    s.quantities = {10, 7.5, 0.25, 250.5};
    s.cpuPercent = 100.0;
    s.paintedPerSecond = 0.0;
    s.wakeupsPerSecond = 130.2;
    EXPECT_EQ(LoopStats::line(s), "loop steps/s=19.9 frames/s=66.5 stepSize=10 count=7.5 "
                                  "speed=0.25 width=250.5 cpu=100.0% painted/s=0.0 wakeups/s=130");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(LoopStats, ARunningLoopReportsOnceASecond) {
    SystemClock clock;
    SimulationLoop::Hooks hooks;
    hooks.speed = [] { return 2.0; };
    hooks.stepSize = [] { return 1; };
    SimulationLoop loop(clock, hooks);
    loop.start();
    const auto quantities = [] { return LoopStats::Quantities{1, 5, 2, 250}; };
    long paints = 0;
    LoopStats stats(loop, quantities, [&paints] { return paints += 7; });
    std::vector<std::string> lines;
    stats.sink = [&](const std::string& line) { lines.push_back(line); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lines.empty(); }, 3000));
    const QRegularExpression form(R"(^loop steps/s=(\d+\.\d) frames/s=(\d+\.\d) stepSize=1 )"
                                  R"(count=5 speed=2 width=250 cpu=\d+\.\d% )"
                                  R"(painted/s=(\d+\.\d) wakeups/s=(\d+)$)");
    const QRegularExpressionMatch m = form.match(QString::fromStdString(lines[0]));
    ASSERT_TRUE(m.hasMatch()) << lines[0];
    // 20 steps per second at speed 2 (fewer on a busy machine); 7 paints since the last line.
    EXPECT_GT(m.captured(1).toDouble(), 5.0);
    EXPECT_LT(m.captured(1).toDouble(), 24.0);
    EXPECT_GT(m.captured(2).toDouble(), 5.0);
    EXPECT_GT(m.captured(3).toDouble(), 0.0);
    EXPECT_LT(m.captured(3).toDouble(), 8.0);
    EXPECT_GT(m.captured(4).toInt(), 5);
}

} // namespace
} // namespace vozavero
