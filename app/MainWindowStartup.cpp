// The main window's load handler: the fourteen start-up stages from the single-instance test to
// arming the two timers that start the simulation and the measuring interval.
#include "MainWindow.h"

#include "GraphPlotter.h"
#include "NumberText.h"
#include "framework/TitledFrame.h"
#include "vozavero_version.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>

namespace vozavero {

void MainWindow::devTrace(const QString& label) {
    if (env_.commandLine.showsTrace()) {
        services_.traceMessage(label);
    }
}

bool MainWindow::formLoad() {
    // 1. A second instance ends at once unless it was asked for.
    if (env_.otherInstanceRunning && env_.otherInstanceRunning() &&
        !env_.commandLine.allowsSecondInstance()) {
        QApplication::restoreOverrideCursor();
        services_.message(QStringLiteral("Vorlix läuft bereits oder wird noch geladen."));
        return false;
    }
    devTrace(QStringLiteral("X-1"));
    services_.setProductInfo({QStringLiteral("Eine Simulation des Gasdrucks im Kolbenprober "
                                             "für den Physikunterricht."),
                              QStringLiteral("Vozavero"), QStringLiteral("Vozavero"),
                              QStringLiteral(VOZAVERO_VERSION), QStringLiteral("Vorlix.hlp")});
    devTrace(QStringLiteral("X-2"));
    devTrace(QStringLiteral("X-3"));
    devTrace(QStringLiteral("X-4"));
    printAdaptor_->useSystemPrinter();

    devTrace(QStringLiteral("X-5"));

    devTrace(QStringLiteral("X-6"));
    tabs_->setCurrentIndex(0);
    experiment_.prepare();
    setMeasuringInterval(settings_.measuringInterval);

    devTrace(QStringLiteral("X-7"));
    devTrace(QStringLiteral("X-8"));

    devTrace(QStringLiteral("X-9"));
    devTrace(QStringLiteral("X-10"));
    gauges_[0]->setScaleCaptions(QStringLiteral("2"), numberText(50 / 2), QStringLiteral("50"));
    gauges_[1]->setScaleCaptions(QStringLiteral("1"), numberText(30 / 2), QStringLiteral("30"));
    for (int i : {1, 2, 3, 0}) {
        gauges_[static_cast<size_t>(i)]->setBarWidth(0);
    }

    devTrace(QStringLiteral("X-11"));
    showMaximized();
    initialiseParticles(0);

    devTrace(QStringLiteral("X-12"));
    applyStartValues();

    devTrace(QStringLiteral("X-13"));
    redrawGraph();
    tmrGo_->start();

    devTrace(QStringLiteral("X-14"));
    kollZaehl_->start();
    return true;
}

void MainWindow::applyStartValues() {
    experiment_.applyStartValues();
    showQuantities();
    automatic_->setChecked(false);
}

void MainWindow::showQuantities() {
    refreshGauge(SlotCount);
    refreshGauge(SlotSpeed);
    fitCylinderPicture();
    refreshGauge(SlotVolume);
    placePiston();
}

} // namespace vozavero
