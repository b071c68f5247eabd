#pragma once
// A main window started the way the program starts it, with scripted services, a clock that only
// moves when a test moves it and a seeded generator, so that every window test is deterministic.
#include "ExperimentProbe.h"
#include "MainWindow.h"
#include "ScriptedServices.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vozavero {

/// The automatic slots of the three quantities.
inline const int kCountSlot = Quantity::of(QuantityId::Count).slot;
inline const int kSpeedSlot = Quantity::of(QuantityId::Speed).slot;
inline const int kVolumeSlot = Quantity::of(QuantityId::Volume).slot;

class FakeClock : public Clock {
public:
    double now = 36000.0;
    double secondsSinceMidnight() const override { return now; }
};

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
    bool start(const CommandLine& commandLine, bool otherInstance = false) {
        MainWindow::Environment env;
        env.services = &services;
        env.clock = &clock;
        env.random = &random;
        env.commandLine = commandLine;
        env.otherInstanceRunning = [otherInstance] { return otherInstance; };
        env.quit = [this] { ++quitCalls; };
        env.twips = Twips{15.0, 15.0};
        env.instance = instance;
        env.recoveryFolder = recoveryFolder;
        window = std::make_unique<MainWindow>(env);
        return window->formLoad();
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& labelName) const {
        auto* l = find<QLabel>(labelName);
        return l ? l->text() : QString();
    }
    /// Presses the left button at pos of widget and releases it.
    static void press(QWidget* w, QPoint pos) {
        QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, pos);
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, pos);
    }
    /// A move with the left button held, as a drag delivers it.
    static void drag(QWidget* w, QPoint pos);
    /// Lets the given seconds pass on the clock as the running program would: a loop tick every
    /// display tick and a measuring tick at every whole second (the loop must have been started).
    void advance(double seconds);
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
