// The loop sleeps until its next step is due; a change the user makes must not wait for that
// step but be drawn at once.
#include "AppFixture.h"
#include "SimulationLoop.h"

#include <QAction>
#include <QFrame>
#include <functional>
#include <utility>

namespace vozavero {

using SleepingLoopWindowTest = AppFixture;

TEST_F(SleepingLoopWindowTest, WhatTheUserChangesWakesTheLoopAtOnce) {
    ASSERT_TRUE(start());
    SimulationLoop* loop = window->timers().loop();
    loop->start();
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"count gauge",
         [this] {
             press(find<QFrame>("SCROLLBOX(0)"), {40, 10});
         }},
        {"piston key", [this] { QTest::keyClick(find("pic_Schieber"), Qt::Key_PageDown); }},
        {"interval menu",
         [this] { find<QAction>("mnu_OptionsIntervalSel(0)")->trigger(); }}, // impacts per second
        {"closed interval", [this] { closeInterval(7); }},                   // counter cleared
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        clock.now += SimulationLoop::kTickMs / 1000.0;
        loop->runTick();
        ASSERT_GT(loop->nextTickMs(), 0); // asleep until the next step
        change();
        EXPECT_EQ(loop->nextTickMs(), 0);
    }
}

} // namespace vozavero
