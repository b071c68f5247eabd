// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Random-input soak of the real window, the test its only source of time and chance: seeded bursts
// of drags, double-clicks, menu commands, resizes and pages, the options dialog answered at random
// and modal boxes held open while the program runs on. Every closed interval must record what the
// particles made at the rate the speed asks for; every burst must leave the volume's homes
// agreeing, the quantities in range, no particle astray, stepSize 1 and the heap bounded.
// Conditional checks are counted, and the run fails when one ran too rarely for its length.
//
// The short run is part of the suite, on seed 8. A long run on another seed:
//   VOZAVERO_SOAK_SECONDS=600 VOZAVERO_SOAK_SEED=11 build/tests/app/soak_tests
// and many seeds in a row: tools/soak-seeds.sh. One seed always makes the same events, so a failed
// run is replayed by its seed with VOZAVERO_SOAK_EVENTS set to the events it printed.
#include "AppFixture.h"
#include "NumberText.h"
#include "OptionsAutoDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <malloc.h>
#include <random>

#ifdef __SANITIZE_ADDRESS__
// The sanitizer's allocator keeps its own books; the C library's counters stay empty.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vozavero {
namespace {

std::size_t heapInUse() {
#ifdef __SANITIZE_ADDRESS__
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

/// The number in the environment variable, or the fallback when it is unset or not a number.
double environmentNumber(const char* name, double fallback) {
    bool ok = false;
    const double v = qgetenv(name).toDouble(&ok);
    return ok ? v : fallback;
}

/// Prints how often a conditional check ran in how many occasions (closed intervals, events, ...)
/// and fails when it ran less than once per onePer occasions: a check whose condition hardly ever
/// held would otherwise pass unnoticed.
void expectRanOften(const char* check, long ran, long occasions, const char* of, long onePer) {
    std::printf("soak check \"%s\": %ld in %ld %s (at least %ld needed)\n", check, ran, occasions,
                of, occasions / onePer);
    EXPECT_GE(ran, occasions / onePer)
        << "the check \"" << check << "\" ran too rarely to mean "
        << "anything: " << ran << " times in " << occasions << " " << of;
}

class SoakTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        // The test is the only source of time: the program's own timers would tick in real time
        // inside the options dialog's event loop.
        find<QTimer>("tmr_Go")->stop();
        find<QTimer>("KollZaehl")->stop();
        window->timers().loop()->start();
        window->files().documentManager().setFileChooser([this](const QString&) {
            holdOpen(modalSpan());
            return chance(0.2) ? QString() : folder.filePath(QStringLiteral("serie.kpx"));
        });
        window->files().documentManager().setErrorReporter(
            [this](const QString&) { ++saveFailures; });
        services.whileOpen = [this] { holdOpen(modalSpan()); };
        // Runs only inside a nested event loop: answers the options dialog when it is open.
        QObject::connect(&dialogHand, &QTimer::timeout, [this] { answerOptionsDialog(); });
        dialogHand.start(0);
    }

    double uniform(double from, double to) {
        return std::uniform_real_distribution<double>(from, to)(rng);
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }
    template <typename T> const T& pick(const QList<T>& from) {
        return from[static_cast<size_t>(below(static_cast<int>(from.size())))];
    }
    /// Seconds a modal box stays open: mostly a moment, now and then half a minute.
    double modalSpan() { return chance(0.05) ? uniform(5.0, 30.0) : uniform(0.0, 1.0); }
    /// A modal box stays open for the given seconds while the program runs on behind it.
    void holdOpen(double seconds) {
        if (holding) {
            return; // a box opened inside a box: the outer one already lets time pass
        }
        holding = true;
        advance(seconds);
        holding = false;
    }

    void beforeTick() override {
        virtualSeconds += kTick;
        if (window->experiment().intervalTicks() < ticksSeen) {
            startInterval(); // a restart began a new interval
        }
        const double speed = window->experiment().settings().speed;
        if (speed != lastSpeed) {
            lastSpeed = speed;
            speedChangedAt = virtualSeconds;
        }
        expectedSteps += speed * 10.0 / window->experiment().stepSize() * kTick;
    }
    /// The automatic timers that run step their quantity when due.
    void afterTick() override {
        for (int slot = 0; slot < 3; ++slot) {
            QTimer* t = window->timers().automaticTimer(slot);
            auto& due = autoElapsed[static_cast<size_t>(slot)];
            due = t->isActive() ? due + kTick : 0.0;
            if (t->isActive() && due * 1000.0 >= t->interval()) {
                due = 0.0;
                window->experiment().automaticStep(slot);
            }
        }
    }
    void startInterval() {
        intervalSteps = window->timers().loop()->stepsMade();
        expectedSteps = 0.0;
        intervalStartedAt = virtualSeconds;
        ticksSeen = window->experiment().intervalTicks();
    }
    void measuringSecond() override {
        // The measuring tick first lets the loop catch up with this moment, and the steps then due
        // belong to the closing interval. The loop's tick of this moment ran before the automatic
        // timers, so an automatic step that raised the speed leaves steps due now. The soak makes
        // the same catch-up first, so that it reads the impacts the tick will record.
        window->timers().loop()->runTick();
        const int length = window->experiment().settings().measuringInterval;
        const bool closes = window->experiment().intervalTicks() + 1 >= length;
        const chart::Chart& timeline = window->experiment().charts().pressureTimeChart();
        const int rowsBefore = timeline.count();
        const long stepsBefore = window->timers().loop()->stepsMade();
        const long steps = stepsBefore - intervalSteps;
        const std::int32_t impacts = window->experiment().engine().impactCount();
        window->timers().measuringTick();
        ticksSeen = window->experiment().intervalTicks();
        EXPECT_EQ(window->timers().loop()->stepsMade(), stepsBefore)
            << "the measuring tick stepped beyond its moment at " << virtualSeconds << " s";
        if (!closes) {
            return;
        }
        ++intervals;
        // The particles moved for the whole interval at the rate the speed asks for. (After a
        // change of speed the pacing window needs up to about 1.5 s to settle.)
        if (speedChangedAt < intervalStartedAt - 1.5) {
            ++rateChecks;
            EXPECT_GE(static_cast<double>(steps), 0.9 * expectedSteps - 3.0)
                << "interval of " << length << " s at " << virtualSeconds << " s";
        }
        if (timeline.count() > rowsBefore) {
            ++rows;
            EXPECT_EQ(timeline.y(timeline.count()), static_cast<double>(impacts) / length)
                << "interval of " << length << " s at " << virtualSeconds << " s";
        }
        startInterval();
    }
    void answerOptionsDialog() {
        auto* d = qobject_cast<OptionsAutoDialog*>(QApplication::activeModalWidget());
        if (d == nullptr || answering) {
            return;
        }
        answering = true;
        ++dialogs;
        d->option(below(4))->click();
        for (int slot = 0; slot < 3; ++slot) {
            d->periodField(slot)->setText(pick<QString>({"1", "2", "2.5", "5", "0", "-1", "x"}));
            d->stepField(slot)->setText(
                pick<QString>({"1", "-1", "2", "-3", "0.5", "-0.5", "10", "-25", "x"}));
        }
        d->startField(0)->setText(pick<QString>({"1", "5", "25.5", "50", "70", "abc"}));
        d->startField(1)->setText(pick<QString>({"2", "7.5", "20", "30", "0", "45"}));
        d->startField(2)->setText(pick<QString>({"50", "123.4", "250", "500", "600", "20"}));
        holdOpen(modalSpan());
        d->command(chance(0.7) ? QStringLiteral("DIALOG.OK();")
                               : QStringLiteral("DIALOG.ABORT();"));
        answering = false;
    }

    /// Presses somewhere in or near w (twice in a row, now and then), drags a few times, releases.
    void pressAndDrag(QWidget* w) {
        const auto somewhere = [&] {
            return QPointF(uniform(-20.0, w->width() + 60.0), uniform(-10.0, w->height() + 10.0));
        };
        const QPointF at = somewhere();
        mouse(w, QEvent::MouseButtonPress, at);
        if (chance(0.1)) { // as the window system delivers a double-click
            mouse(w, QEvent::MouseButtonRelease, at);
            mouse(w, QEvent::MouseButtonDblClick, at);
        }
        for (int moves = below(5); moves > 0; --moves) {
            mouse(w, QEvent::MouseMove, somewhere());
        }
        mouse(w, QEvent::MouseButtonRelease, somewhere());
    }

    /// One random event of a teacher or a pupil: pupils mostly drag; commands that redraw the
    /// graph or open dialogs come now and then.
    void randomEvent() {
        const double widthBefore = window->experiment().cylinderWidth();
        static const QStringList pointerTargets = {
            "SCROLLBOX(0)", "SCROLLBOX(1)", "SCROLLBOX(3)", "SCROLL(0)",    "SCROLL(1)",
            "SCROLL(3)",    "Bild",         "frm_Kolben",   "pic_Schieber", "PLOTTER"};
        static const QStringList commands =
            QStringLiteral(
                "mnu_ViewMode(0) mnu_ViewMode(3) mnu_OptionsGraphTab(1) "
                "mnu_OptionsGraphTab(3) mnu_OptionsRecord mnu_OptionsAutoActive "
                "mnu_OptionsIntervalSel(0) mnu_OptionsIntervalSel(1) "
                "mnu_OptionsIntervalSel(4) mnu_FileQuit mnu_EditCopyGraph "
                "mnu_EditCopyTable mnu_HelpAbout mnu_OptionsAuto mnu_FileSave mnu_FileNew")
                .split(u' ');
        enum Kind { Time, Pointer, Command, Button, Resize, kKinds };
        static constexpr std::array<double, kKinds> kWeights = {12, 30, 8, 4, 1};
        QWidget* target = nullptr;
        switch (std::discrete_distribution<int>(kWeights.begin(), kWeights.end())(rng)) {
        case Time:
            advance(uniform(0.0, 0.2));
            break;
        case Pointer:
            target = find(pick(pointerTargets));
            if (target->isVisible()) {
                pressAndDrag(target);
            }
            break;
        case Command:
            trigger(pick(commands));
            break;
        case Button: {
            const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
            QAbstractButton* b =
                chance(0.5) ? static_cast<QAbstractButton*>(
                                  buttons[below(static_cast<int>(buttons.size()))])
                            : find<QCheckBox>(chance(0.5) ? "opt_Automatic" : "opt_Record");
            if (b->isVisible()) {
                b->click();
            }
            find<QTabWidget>("tab_View")->setCurrentIndex(below(4));
            break;
        }
        default:
            window->resize(200 + below(1400), 150 + below(1000));
            break;
        }
        ++events;
        static const QStringList volumeTargets = {"SCROLLBOX(3)", "SCROLL(3)", "Bild", "frm_Kolben",
                                                  "pic_Schieber"};
        const bool onVolume = target != nullptr && target->isVisible() &&
                              volumeTargets.contains(target->objectName());
        pointerEvents += onVolume ? 1 : 0;
        if (onVolume && window->experiment().cylinderWidth() != widthBefore) {
            ++widthChecks;
            EXPECT_EQ(window->experiment().cylinderWidth(),
                      std::round(window->experiment().cylinderWidth()))
                << "a pointer left a fractional width";
        }
    }

    void checkInvariants() {
        const double w = window->experiment().cylinderWidth();
        QWidget* bild = find("Bild");
        ASSERT_EQ(window->experiment().settings().pistonPosition, static_cast<float>(w));
        ASSERT_EQ(bild->width(), static_cast<int>(std::nearbyint(w)));
        ASSERT_EQ(find("pic_Schieber")->x(), bild->x() + bild->width());
        ASSERT_EQ(text("AnzT(3)"), numberText(w));
        const SimulationSettings& s = window->experiment().settings();
        ASSERT_TRUE(s.particleCount >= 1.0 && s.particleCount <= 50.0) << s.particleCount;
        ASSERT_TRUE(s.speed >= 1.0 && s.speed <= 30.0) << s.speed;
        ASSERT_TRUE(w >= 50.0 && w <= 500.0) << w;
        ASSERT_EQ(window->experiment().stepSize(), 1);
        const ParticleEngine& e = window->experiment().engine();
        const CylinderGeometry& g = e.geometry();
        for (int i = 1; i <= e.upperBound(); ++i) {
            const Particle& p = e.particles()[static_cast<size_t>(i)];
            if (p.direction > 0) {
                ++particleChecks;
                ASSERT_TRUE(p.x >= -g.stepCells && p.x <= g.cellsX + g.stepCells &&
                            p.y >= -g.stepCells && p.y <= g.cellsY + g.stepCells)
                    << "particle " << i << " at " << p.x << ", " << p.y;
            }
        }
    }

    const std::uint64_t seed =
        static_cast<std::uint64_t>(environmentNumber("VOZAVERO_SOAK_SEED", 8));
    std::mt19937_64 rng{seed};
    QTemporaryDir folder;
    QTimer dialogHand;
    double virtualSeconds = 0.0;
    long intervals = 0;
    /// Closed intervals whose recorded row was checked against the impacts.
    long rows = 0;
    /// Closed intervals whose steps were checked against the rate the speed asks for.
    long rateChecks = 0;
    long dialogs = 0;
    int saveFailures = 0;
    std::array<double, 3> autoElapsed{};
    double expectedSteps = 0.0;
    double intervalStartedAt = 0.0;
    double lastSpeed = 0.0;
    double speedChangedAt = 0.0;
    long intervalSteps = 0;
    int ticksSeen = 0;
    bool holding = false;
    bool answering = false;
    long pointerEvents = 0;
    long widthChecks = 0;
    long events = 0;
    long rounds = 0;
    long particleChecks = 0;
};

TEST_F(SoakTest, RandomTeachingSessionKeepsEveryInvariant) {
    const double wallSeconds = environmentNumber("VOZAVERO_SOAK_SECONDS", 15.0);
    const long maxEvents = static_cast<long>(environmentNumber("VOZAVERO_SOAK_EVENTS", 1e9));
    QElapsedTimer wall;
    wall.start();
    std::size_t heapAfterWarmUp = 0;
    long eventsAtWarmUp = 0;
    QSize sizeAtWarmUp;
    while (events < maxEvents && wall.elapsed() < wallSeconds * 1000.0) {
        for (int i = 0; i < 20; ++i) {
            randomEvent();
        }
        ++rounds;
        checkInvariants();
        // What the event loop would deliver between two bursts; timers stay with the test's clock.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The texts the scripted services keep are the test's memory, not the program's.
        services.messages.clear();
        services.questions.clear();
        services.inputAidCaptions.clear();
        if (testing::Test::HasFailure()) {
            break;
        }
        // The warm-up ends after a tenth of the run, by the clock or by the events.
        if (eventsAtWarmUp == 0 &&
            (wall.elapsed() > wallSeconds * 100.0 || events >= maxEvents / 10)) {
            heapAfterWarmUp = heapInUse();
            eventsAtWarmUp = events;
            sizeAtWarmUp = window->size();
        }
    }
    // The pictures of the window take megabytes that follow its size: the heap is compared at the
    // size it had after the warm-up.
    const bool warmedUp = eventsAtWarmUp > 0;
    if (warmedUp) {
        window->resize(sizeAtWarmUp);
        QCoreApplication::sendPostedEvents();
    }
    const std::size_t heapAtEnd = heapInUse();
    std::printf(
        "soak: seed %llu, %ld events, %.0f s on the scripted clock, %ld intervals, %ld rows, "
        "%ld options dialogs, %d save failures, %.1f s, heap %zu -> %zu bytes\n",
        static_cast<unsigned long long>(seed), events, virtualSeconds, intervals, rows, dialogs,
        saveFailures, static_cast<double>(wall.elapsed()) / 1000.0, heapAfterWarmUp, heapAtEnd);
    EXPECT_GT(intervals, 0);
    EXPECT_EQ(saveFailures, 0);
    // Rows between two restarts are few; a leak would grow with every event.
    if (warmedUp) {
        EXPECT_LT(heapAtEnd, heapAfterWarmUp + 16u * 1024u * 1024u);
    }
    expectRanOften("row equals the impacts", rows, intervals, "closed intervals", 5);
    expectRanOften("steps keep the rate", rateChecks, intervals, "closed intervals", 10);
    expectRanOften("pointer leaves a whole width", widthChecks, pointerEvents,
                   "pointer events on the volume", 4);
    expectRanOften("placed particle inside", particleChecks, rounds, "bursts", 1);
    expectRanOften("heap bounded, events after the warm-up", warmedUp ? events - eventsAtWarmUp : 0,
                   events, "events", 2);
}

} // namespace
} // namespace vozavero
