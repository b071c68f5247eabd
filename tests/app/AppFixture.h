#pragma once
// A main window started the way the program starts it, with scripted services, a clock that only
// moves when a test moves it and a seeded generator, so that every window test is deterministic;
// and the one helper per need of the window tests: pointer, finger, time and the modal dialog.
#include "ExperimentProbe.h"
#include "MainWindow.h"
#include "RecordingExperiment.h"
#include "ScriptedServices.h"
#include "SimulationLoop.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vozavero {

class OptionsAutoDialog;

/// The automatic slots of the three quantities.
inline const int kCountSlot = Quantity::of(QuantityId::Count).slot;
inline const int kSpeedSlot = Quantity::of(QuantityId::Speed).slot;
inline const int kVolumeSlot = Quantity::of(QuantityId::Volume).slot;

class FakeClock : public Clock {
public:
    double now = 36000.0;
    double secondsSinceMidnight() const override { return now; }
};

/// A mouse event of the left button at a fractional position, as a precise pointer delivers it.
void mouse(QWidget* w, QEvent::Type type, QPointF at);
/// A press of the left button and its release.
void press(QWidget* w, QPointF at);
/// A move with the left button held, as a drag delivers it.
inline void drag(QWidget* w, QPointF at) {
    mouse(w, QEvent::MouseMove, at);
}
/// A finger put down at the points of w in turn and lifted at the last one.
void touchAlong(QWidget* w, std::initializer_list<QPointF> path);
/// Everything a setting, a measurement or a switch of language could change in w, as one text:
/// settings, the engine's copy, particles, points, read-outs, piston, line, automatic and view.
QString stateOf(MainWindow& w);

class AppFixture : public ::testing::Test {
public:
    /// A second window started exactly as start() starts one without arguments, for tests that
    /// reach one state in two ways and compare.
    struct Twin {
        Twin();
        ScriptedServices services;
        FakeClock clock;
        UniformRandom random;
        std::unique_ptr<MainWindow> window;
    };

protected:
    void TearDown() override { window.reset(); }

    /// Builds the window and runs its load handler; returns what the handler returned.
    bool start(const QString& commandLine = {}, bool otherInstance = false) {
        return start(CommandLine(commandLine), otherInstance);
    }
    bool start(const CommandLine& commandLine, bool otherInstance = false);

    template <typename T = QWidget> T* find(const QString& name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& labelName) const {
        auto* l = find<QLabel>(labelName);
        return l ? l->text() : QString();
    }
    void trigger(const QString& action) { find<QAction>(action)->trigger(); }
    /// Triggers the action that opens the options dialog and runs inside on the open dialog
    /// (which must close it); returns how often the dialog was seen.
    int withOptionsDialog(const QString& action,
                          const std::function<void(OptionsAutoDialog*)>& inside);
    /// Lets the given seconds pass on the clock as the running program would: a loop tick every
    /// display tick and a measuring tick at every whole second.
    void advance(double seconds);
    /// What runs around each loop tick and at each whole second of advance(); a fixture that
    /// checks the running program overrides them.
    virtual void beforeTick() {}
    virtual void afterTick() {}
    virtual void measuringSecond() { window->timers().measuringTick(); }
    static constexpr double kTick = SimulationLoop::kTickMs / 1000.0;
    /// Lets a whole measuring interval pass with the given impacts (no particle motion).
    void closeInterval(int impacts) {
        ExperimentProbe::setImpactCount(window->experiment(), impacts);
        for (int i = 0; i < window->experiment().settings().measuringInterval; ++i) {
            window->timers().measuringTick();
        }
    }
    /// Sets the particle count as a setting change does, keeping the particles.
    void setCount(double n) {
        window->experiment().setQuantity(QuantityId::Count, n, ChangeOrigin::Gauge);
    }
    std::vector<std::vector<QPointF>> points() const {
        return RecordingExperiment::pointsOf(window->experiment().document());
    }

    /// Seconds on the clock since the last measuring tick.
    double sinceMeasuringTick = 0.0;

    ScriptedServices services;
    FakeClock clock;
    UniformRandom random;
    int quitCalls = 0;
    /// This instance and the folder of recovery copies; unset, the window keeps no copy.
    std::function<const SingleInstance*()> instance;
    QString recoveryFolder;
    std::unique_ptr<MainWindow> window;
};

} // namespace vozavero
