// The loop statistics line: its exact form whatever the locale.
#include "LoopStats.h"

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

} // namespace
} // namespace vozavero
