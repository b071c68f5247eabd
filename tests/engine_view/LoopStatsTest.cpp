// The loop statistics line: its exact form whatever the locale, and one line per second from a
// running loop.
#include "LoopStats.h"

#include <QRegularExpression>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

TEST(LoopStats, LineHasTheFixedFormWithDotsInEveryLocale) {
    // The toolkit adopts the user's locale for the C library too; a German one must not turn
    // the dots into commas.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the German locale is needed";
    LoopStats::Sample s;
    s.stepsPerSecond = 19.94;
    s.framesPerSecond = 66.46;
    s.quantities = {1, 5, 2, 250};
    s.cpuPercent = 1.93;
    EXPECT_EQ(LoopStats::line(s),
              "loop steps/s=19.9 frames/s=66.5 stepSize=1 count=5 speed=2 width=250 cpu=1.9%");
    s.quantities = {10, 7.5, 0.25, 250.5};
    s.cpuPercent = 100.0;
    EXPECT_EQ(LoopStats::line(s), "loop steps/s=19.9 frames/s=66.5 stepSize=10 count=7.5 "
                                  "speed=0.25 width=250.5 cpu=100.0%");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(LoopStats, ARunningLoopReportsOnceASecond) {
    SystemClock clock;
    SimulationLoop::Hooks hooks;
    hooks.speed = [] { return 2.0; };
    hooks.stepSize = [] { return 1; };
    SimulationLoop loop(clock, hooks);
    loop.start();
    LoopStats stats(loop, [] { return LoopStats::Quantities{1, 5, 2, 250}; });
    std::vector<std::string> lines;
    stats.sink = [&](const std::string& line) { lines.push_back(line); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lines.empty(); }, 3000));
    const QRegularExpression form(R"(^loop steps/s=(\d+\.\d) frames/s=(\d+\.\d) stepSize=1 )"
                                  R"(count=5 speed=2 width=250 cpu=\d+\.\d%$)");
    const QRegularExpressionMatch m = form.match(QString::fromStdString(lines[0]));
    ASSERT_TRUE(m.hasMatch()) << lines[0];
    // 20 steps per second at speed 2 (fewer on a machine too busy to tick in time).
    EXPECT_GT(m.captured(1).toDouble(), 5.0);
    EXPECT_LT(m.captured(1).toDouble(), 24.0);
    EXPECT_GT(m.captured(2).toDouble(), 5.0);
}

} // namespace
} // namespace vozavero
