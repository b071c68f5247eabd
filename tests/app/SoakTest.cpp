// Random-input soak of the real window on the scripted clock: seeded bursts of gauge and piston
// drags, clicks and double-clicks, menu commands, the options dialog with random values, modal
// boxes held open for random spans, automatic mode, recording and interval changes, restarts,
// regression, saving, resizes and view modes. After every burst it checks what a teacher relies
// on: the volume's homes agree, the quantities stay in range, no particle strays, stepSize stays
// 1, every recorded row is what the particles made, and memory does not keep growing.
//
// The short run is part of the suite. The long run:
//   VOZAVERO_SOAK_SECONDS=600 build/tests/app/soak_tests
// (VOZAVERO_SOAK_EVENTS caps the number of events, VOZAVERO_SOAK_SEED picks the sequence.)
#include "AppFixture.h"
#include "NumberText.h"
#include "OptionsAutoDialog.h"
#include "SimulationLoop.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <random>

namespace vozavero {
namespace {

double environmentNumber(const char* name, double fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const double v = value.toDouble(&ok);
    return ok ? v : fallback;
}

class SoakTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        // The test is the only source of time: the program's own timers would tick in real
        // time inside the options dialog's event loop.
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
    template <typename T> const T& pick(const std::vector<T>& from) {
        return from[static_cast<size_t>(below(static_cast<int>(from.size())))];
    }

    /// Time passes as the program's timers would let it: loop ticks, measuring seconds and the
    /// steps of the automatic timers that run; each closed interval is checked.
    void run(double seconds) {
        constexpr double kTick = SimulationLoop::kTickMs / 1000.0;
        const int ticks = static_cast<int>(seconds / kTick + 0.5);
        for (int i = 0; i < ticks; ++i) {
            clock.now += kTick;
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
            window->timers().loop()->runTick();
            for (int slot = 0; slot < 3; ++slot) {
                QTimer* t = window->timers().automaticTimer(slot);
                auto& due = autoElapsed[static_cast<size_t>(slot)];
                due = t->isActive() ? due + kTick : 0.0;
                if (t->isActive() && due * 1000.0 >= t->interval()) {
                    due = 0.0;
                    window->experiment().automaticStep(slot);
                }
            }
            sinceMeasuringTick += kTick;
            if (sinceMeasuringTick >= 1.0 - 1e-9) {
                sinceMeasuringTick -= 1.0;
                measuringSecond();
            }
        }
    }

    void startInterval() {
        intervalSteps = window->timers().loop()->stepsMade();
        expectedSteps = 0.0;
        intervalStartedAt = virtualSeconds;
        ticksSeen = window->experiment().intervalTicks();
    }

    void measuringSecond() {
        const int length = window->experiment().settings().measuringInterval;
        const bool closes = window->experiment().intervalTicks() + 1 >= length;
        const chart::Chart& timeline = window->experiment().charts().pressureTimeChart();
        const int rowsBefore = timeline.count();
        const long steps = window->timers().loop()->stepsMade() - intervalSteps;
        // The loop has caught up with this moment, so these are the impacts the tick reads.
        const std::int32_t impacts = window->experiment().engine().impactCount();
        window->timers().measuringTick();
        ticksSeen = window->experiment().intervalTicks();
        if (!closes) {
            return;
        }
        ++intervals;
        // The particles moved for the whole interval at the rate the speed asks for. (After a
        // change of speed the pacing window needs up to about 1.5 s to settle.)
        if (speedChangedAt < intervalStartedAt - 1.5) {
            EXPECT_GE(static_cast<double>(steps), 0.9 * expectedSteps - 3.0)
                << "interval of " << length << " s at " << virtualSeconds << " s";
        }
        if (timeline.count() > rowsBefore) {
            ++rows;
            EXPECT_EQ(timeline.y(timeline.count()), static_cast<double>(impacts) / length);
        }
        startInterval();
    }

    /// Seconds a modal box stays open: mostly a moment, now and then half a minute.
    double modalSpan() { return chance(0.05) ? uniform(5.0, 30.0) : uniform(0.0, 1.0); }

    /// A modal box stays open for the given seconds while the program runs on behind it.
    void holdOpen(double seconds) {
        if (holding) {
            return; // a box opened inside a box: the outer one already lets time pass
        }
        holding = true;
        run(seconds);
        holding = false;
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

    void mouse(QWidget* w, QEvent::Type type, QPointF pos) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, pos, w->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    /// Presses somewhere in or near w, drags a few times, releases.
    void pressAndDrag(QWidget* w) {
        const auto somewhere = [&] {
            return QPointF(uniform(-20.0, w->width() + 60.0), uniform(-10.0, w->height() + 10.0));
        };
        mouse(w, QEvent::MouseButtonPress, somewhere());
        for (int moves = below(5); moves > 0; --moves) {
            mouse(w, QEvent::MouseMove, somewhere());
        }
        mouse(w, QEvent::MouseButtonRelease, somewhere());
    }

    void trigger(const QString& action) { find<QAction>(action)->trigger(); }

    /// One random event of a teacher or a pupil.
    void randomEvent() {
        const double widthBefore = window->experiment().cylinderWidth();
        bool pointerOnVolume = false;
        // Pupils mostly drag; commands that redraw the graph or open dialogs come now and then.
        enum Kind {
            Time,
            Gauge,
            Piston,
            Graph,
            ViewMenu,
            Menu,
            Automatic,
            ResetOrRegression,
            Save,
            Resize,
            HeldBox,
            Tab,
            kKinds
        };
        static constexpr std::array<double, kKinds> kWeights = {12, 14, 14, 2, 2, 4,
                                                                2,  2,  1,  1, 1, 1};
        switch (std::discrete_distribution<int>(kWeights.begin(), kWeights.end())(rng)) {
        case Time:
            run(uniform(0.0, 0.2));
            break;
        case Gauge: {
            const int g = below(4);
            QWidget* target = find(QString(chance(0.5) ? "SCROLLBOX(%1)" : "SCROLL(%1)").arg(g));
            if (target->isVisible()) {
                pressAndDrag(target);
                pointerOnVolume = g == GaugeVolume;
            }
            break;
        }
        case Piston: {
            QWidget* target = find(pick<QString>({"Bild", "frm_Kolben", "pic_Schieber"}));
            if (target->isVisible()) {
                pressAndDrag(target);
                pointerOnVolume = true;
            }
            break;
        }
        case Graph: {
            QWidget* plotter = find("PLOTTER");
            const QPoint at(below(std::max(1, plotter->width())),
                            below(std::max(1, plotter->height())));
            if (chance(0.5)) {
                for (const QEvent::Type type :
                     {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
                    mouse(plotter, type, at);
                }
            } else {
                pressAndDrag(plotter);
            }
            break;
        }
        case ViewMenu:
            trigger(pick<QString>({"mnu_ViewMode(0)", "mnu_ViewMode(1)", "mnu_ViewMode(2)",
                                   "mnu_ViewMode(3)", "mnu_OptionsGraphTab(0)",
                                   "mnu_OptionsGraphTab(1)", "mnu_OptionsGraphTab(2)",
                                   "mnu_OptionsGraphTab(3)"}));
            break;
        case Menu:
            trigger(pick<QString>({"mnu_OptionsRecord", "mnu_OptionsAutoActive",
                                   "mnu_OptionsIntervalSel(0)", "mnu_OptionsIntervalSel(1)",
                                   "mnu_OptionsIntervalSel(2)", "mnu_OptionsIntervalSel(3)",
                                   "mnu_OptionsIntervalSel(4)", "mnu_FileQuit", "mnu_EditCopyGraph",
                                   "mnu_EditCopyTable", "mnu_HelpAbout"}));
            break;
        case Automatic:
            if (chance(0.3)) {
                trigger(QStringLiteral("mnu_OptionsAuto"));
            } else {
                find<QCheckBox>(chance(0.5) ? "opt_Automatic" : "opt_Record")->click();
            }
            break;
        case ResetOrRegression:
            if (chance(0.3)) {
                find<QPushButton>("but_Reset")->click();
            } else {
                for (QPushButton* b : window->findChildren<QPushButton*>()) {
                    if (b->objectName().startsWith("but_LinearRegression") && b->isVisible()) {
                        b->click();
                    }
                }
            }
            break;
        case Save:
            trigger(QStringLiteral("mnu_FileSave"));
            break;
        case Resize:
            window->resize(200 + below(1400), 150 + below(1000));
            break;
        case HeldBox:
            if (chance(0.1)) {
                holdOpen(modalSpan()); // a box of the window system that holds the user
            }
            break;
        default: // Tab
            find<QTabWidget>("tab_View")->setCurrentIndex(below(4));
            break;
        }
        ++events;
        if (pointerOnVolume && window->experiment().cylinderWidth() != widthBefore) {
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
        ASSERT_GE(s.particleCount, 1.0);
        ASSERT_LE(s.particleCount, 50.0);
        ASSERT_GE(s.speed, 1.0);
        ASSERT_LE(s.speed, 30.0);
        ASSERT_GE(w, 50.0);
        ASSERT_LE(w, 500.0);
        ASSERT_EQ(window->experiment().stepSize(), 1);
        const ParticleEngine& e = window->experiment().engine();
        const CylinderGeometry& g = e.geometry();
        for (int i = 1; i <= e.upperBound(); ++i) {
            const Particle& p = e.particles()[static_cast<size_t>(i)];
            if (p.direction > 0) {
                ASSERT_GE(p.x, -g.stepCells) << "particle " << i;
                ASSERT_LE(p.x, g.cellsX + g.stepCells) << "particle " << i;
                ASSERT_GE(p.y, -g.stepCells) << "particle " << i;
                ASSERT_LE(p.y, g.cellsY + g.stepCells) << "particle " << i;
            }
        }
    }

    static std::size_t heapInUse() { return mallinfo2().uordblks; }

    std::mt19937_64 rng{static_cast<std::uint64_t>(environmentNumber("VOZAVERO_SOAK_SEED", 8))};
    QTemporaryDir folder;
    QTimer dialogHand;
    std::array<double, 3> autoElapsed{};
    double virtualSeconds = 0.0;
    double expectedSteps = 0.0;
    double intervalStartedAt = 0.0;
    double lastSpeed = 0.0;
    double speedChangedAt = 0.0;
    long intervalSteps = 0;
    int ticksSeen = 0;
    bool holding = false;
    bool answering = false;
    long events = 0;
    long intervals = 0;
    long rows = 0;
    long dialogs = 0;
    int saveFailures = 0;
};

TEST_F(SoakTest, RandomTeachingSessionKeepsEveryInvariant) {
    const double wallSeconds = environmentNumber("VOZAVERO_SOAK_SECONDS", 15.0);
    const long maxEvents = static_cast<long>(environmentNumber("VOZAVERO_SOAK_EVENTS", 1e9));
    QElapsedTimer wall;
    wall.start();
    std::size_t heapAfterWarmUp = 0;
    while (events < maxEvents && wall.elapsed() < wallSeconds * 1000.0) {
        for (int i = 0; i < 20; ++i) {
            randomEvent();
        }
        checkInvariants();
        // What the event loop would deliver between two bursts (repaints, layout requests,
        // deferred deletions); timers stay with the scripted clock.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The scripted services keep every text they were shown; that is the test's memory,
        // not the program's.
        services.messages.clear();
        services.questions.clear();
        services.inputAidCaptions.clear();
        if (HasFatalFailure() || testing::Test::HasFailure()) {
            break;
        }
        if (heapAfterWarmUp == 0 && wall.elapsed() > wallSeconds * 100.0) {
            heapAfterWarmUp = heapInUse();
        }
    }
    const std::size_t heapAtEnd = heapInUse();
    std::printf("soak: %ld events, %.0f s on the scripted clock, %ld intervals, %ld rows, "
                "%ld options dialogs, %d save failures, %.1f s, heap %zu -> %zu bytes\n",
                events, virtualSeconds, intervals, rows, dialogs, saveFailures,
                static_cast<double>(wall.elapsed()) / 1000.0, heapAfterWarmUp, heapAtEnd);
    EXPECT_GT(intervals, 0);
    EXPECT_EQ(saveFailures, 0);
    // Rows between two restarts are few; a leak would grow with every event.
    if (heapAfterWarmUp > 0) {
        EXPECT_LT(heapAtEnd, heapAfterWarmUp + 16u * 1024u * 1024u);
    }
}

} // namespace
} // namespace vozavero
