// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A main window started as the program starts it, on scripted services, a clock that moves only
// when a test moves it and a seeded generator; and one helper per need of the window tests.
#pragma once
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

inline const int kCountSlot = Quantity::of(QuantityId::Count).slot;
inline const int kSpeedSlot = Quantity::of(QuantityId::Speed).slot;
inline const int kVolumeSlot = Quantity::of(QuantityId::Volume).slot;

/// Left-button mouse events at fractional positions, as a precise pointer delivers them.
void mouse(QWidget* w, QEvent::Type type, QPointF at);
void press(QWidget* w, QPointF at);
inline void drag(QWidget* w, QPointF at) {
    mouse(w, QEvent::MouseMove, at);
}
/// A finger put down at the points of w in turn and lifted at the last one.
void touchAlong(QWidget* w, std::initializer_list<QPointF> path);
/// Everything a setting, a measurement or a switch of language could change in w, as one text.
QString stateOf(MainWindow& w);

class AppFixture : public ::testing::Test {
public:
    /// A second window started as start() starts one, to reach one state in two ways and compare.
    struct Twin {
        Twin();
        ScriptedServices services;
        SimulatedClock clock{36000.0};
        UniformRandom random;
        std::unique_ptr<MainWindow> window;
    };

protected:
    void TearDown() override { window.reset(); }

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
    /// Triggers action, runs inside on the dialog it opens (which inside closes); times seen.
    int withOptionsDialog(const QString& action,
                          const std::function<void(OptionsAutoDialog*)>& inside);
    /// Lets seconds pass as the program would: loop ticks, and measuring ticks each second.
    void advance(double seconds);
    virtual void beforeTick() {}
    virtual void afterTick() {}
    virtual void measuringSecond() { window->timers().measuringTick(); }
    static constexpr double kTick = SimulationLoop::kTickMs / 1000.0;
    /// A whole measuring interval with the given impacts (no particle motion).
    void closeInterval(int impacts) {
        ExperimentProbe::setImpactCount(window->experiment(), impacts);
        for (int i = 0; i < window->experiment().settings().measuringInterval; ++i) {
            window->timers().measuringTick();
        }
    }
    void setCount(double n) {
        window->experiment().setQuantity(QuantityId::Count, n, ChangeOrigin::Gauge);
    }
    std::vector<std::vector<QPointF>> points() const {
        return RecordingExperiment::pointsOf(window->experiment().document());
    }

    double sinceMeasuringTick = 0.0;
    ScriptedServices services;
    SimulatedClock clock{36000.0};
    UniformRandom random;
    int quitCalls = 0;
    /// This instance and the folder of recovery copies; unset, the window keeps no copy.
    std::function<const SingleInstance*()> instance;
    QString recoveryFolder;
    std::unique_ptr<MainWindow> window;
};

} // namespace vozavero
