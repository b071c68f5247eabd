// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Developer tool: runs the real main window for a while in typical classroom situations and saves
// pictures of it, so that its look can be checked without a person at the screen.
//
//   build/tools/snapshots/snapshots OUTPUT_FOLDER [de]
//
// Writes start.png, piston100.png (50 particles, speed 30, piston at 100), mode1.png to
// mode3.png, gauges.png (fractional values after decimal automatic steps), series.png (four
// particle counts measured, regression line shown), options.png and options-row.png (a chosen
// row with fractional period and step).
// With "de" the numbers are shown with the German decimal comma. The texts are in the language the
// program would start in without a remembered choice (LANG=en_US.UTF-8 gives English).
#include "LanguageChoice.h"
#include "MainWindow.h"
#include "OptionsAutoDialog.h"
#include "framework/QtFrameworkServices.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

namespace {

void runEvents(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

using vozavero::ChangeOrigin;
using vozavero::QuantityId;

void setCount(vozavero::MainWindow& w, double n) {
    w.experiment().setQuantity(QuantityId::Count, n, ChangeOrigin::Gauge);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const vozavero::LanguageChoice language;
    language.apply(language.startLanguage());
    if (argc > 2 && QByteArray(argv[2]) == "de") {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    vozavero::SystemClock clock;
    vozavero::UniformRandom random;
    vozavero::QtFrameworkServices services;
    auto env = vozavero::MainWindow::Environment::of(services, clock, random);
    vozavero::MainWindow w(env);
    w.formLoad();
    w.showNormal();
    w.resize(1280, 760);
    runEvents(6.0);
    w.grab().save(out.filePath("start.png"));

    setCount(w, 50);
    w.experiment().setQuantity(QuantityId::Speed, 30, ChangeOrigin::Gauge);
    w.experiment().setQuantity(QuantityId::Volume, 100, ChangeOrigin::Piston);
    runEvents(6.0);
    w.grab().save(out.filePath("piston100.png"));

    {
        // The widest read-outs: thousandths of the count, tenths of the speed, halves of the
        // volume.
        vozavero::AutomaticChoice steps;
        steps.step = {0.001, 0.5, 0.1};
        w.experiment().confirmAutomaticChoice(steps, {5, 2, 250});
        w.experiment().setQuantities(49.999, 29.9, 400.5, ChangeOrigin::Automatic);
        runEvents(0.5);
        QWidget* frame = w.findChild<QWidget*>(QStringLiteral("frm_Options"));
        frame->grab().save(out.filePath("gauges.png"));
        w.experiment().confirmAutomaticChoice({}, {5, 2, 250});
    }

    for (int mode = 1; mode <= 3; ++mode) {
        w.setViewMode(mode);
        runEvents(0.5);
        w.grab().save(out.filePath(QStringLiteral("mode%1.png").arg(mode)));
    }
    w.setViewMode(0);

    w.experiment().restartMeasurement();
    w.experiment().setQuantity(QuantityId::Speed, 10, ChangeOrigin::Gauge);
    for (double n : {10.0, 20.0, 30.0, 40.0}) {
        setCount(w, n);
        runEvents(11.0);
    }
    w.findChild<QPushButton*>(QStringLiteral("but_LinearRegression(2)"))->click();
    runEvents(0.5);
    w.grab().save(out.filePath("series.png"));

    vozavero::OptionsAutoDialog dialog(w.experiment(), services, env.twips);
    dialog.load();
    dialog.show();
    runEvents(0.3);
    dialog.grab().save(out.filePath("options.png"));
    dialog.hide();

    vozavero::AutomaticChoice row;
    row.active = {true, false, false};
    row.period = {2.5, 0.0, 0.0};
    row.step = {0.001, 0.0, 0.0};
    w.experiment().confirmAutomaticChoice(row, {5, 2, 250});
    dialog.load();
    dialog.show();
    runEvents(0.3);
    dialog.grab().save(out.filePath("options-row.png"));
    return 0;
}
