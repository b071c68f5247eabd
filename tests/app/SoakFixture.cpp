// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "SoakFixture.h"

#include "OptionsAutoDialog.h"
#include "SimulationLoop.h"

#include <QApplication>
#include <QRadioButton>
#include <cstdio>

namespace vozavero {

double environmentNumber(const char* name, double fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const double v = value.toDouble(&ok);
    return ok ? v : fallback;
}

void expectRanOften(const char* check, long ran, long occasions, const char* of, long onePer) {
    std::printf("soak check \"%s\": %ld in %ld %s (at least %ld needed)\n", check, ran, occasions,
                of, occasions / onePer);
    EXPECT_GE(ran, occasions / onePer)
        << "the check \"" << check << "\" ran too rarely to mean "
        << "anything: " << ran << " times in " << occasions << " " << of;
}

void SoakFixture::SetUp() {
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
    window->files().documentManager().setErrorReporter([this](const QString&) { ++saveFailures; });
    services.whileOpen = [this] { holdOpen(modalSpan()); };
    // Runs only inside a nested event loop: answers the options dialog when it is open.
    QObject::connect(&dialogHand, &QTimer::timeout, [this] { answerOptionsDialog(); });
    dialogHand.start(0);
}

void SoakFixture::beforeTick() {
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

void SoakFixture::afterTick() {
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

void SoakFixture::startInterval() {
    intervalSteps = window->timers().loop()->stepsMade();
    expectedSteps = 0.0;
    intervalStartedAt = virtualSeconds;
    ticksSeen = window->experiment().intervalTicks();
}

void SoakFixture::measuringSecond() {
    // The measuring tick first lets the loop catch up with this moment, and the steps then due
    // belong to the closing interval. The loop's tick of this moment ran before the automatic
    // timers, so an automatic step that raised the speed leaves steps due now. The soak makes the
    // same catch-up first, so that it reads the impacts the tick will record.
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
    // The particles moved for the whole interval at the rate the speed asks for. (After a change
    // of speed the pacing window needs up to about 1.5 s to settle.)
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

void SoakFixture::holdOpen(double seconds) {
    if (holding) {
        return; // a box opened inside a box: the outer one already lets time pass
    }
    holding = true;
    advance(seconds);
    holding = false;
}

void SoakFixture::answerOptionsDialog() {
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
    d->command(chance(0.7) ? QStringLiteral("DIALOG.OK();") : QStringLiteral("DIALOG.ABORT();"));
    answering = false;
}

} // namespace vozavero
