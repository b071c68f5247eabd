// Measuring in the main window: closing an interval into the charts, the read-out and the
// impact gauge; redrawing the graph with its regression line; and starting a new series.
#include "MainWindow.h"

#include "GraphPlotter.h"
#include "NumberText.h"
#include "SimulationLoop.h"

#include <QLabel>
#include <QTabWidget>

namespace vozavero {

void MainWindow::measuringTick() {
    // The steps due until this moment belong to the interval, so the loop catches up first; that
    // also reveals a hold-up of the event loop even when this timer fires before the loop's.
    if (loop_) {
        loop_->runTick();
        if (loop_->holdUps() != holdUpsSeen_) {
            // The event loop was blocked (a long print, a stalled window system): the particles
            // stood still while this interval's seconds went by, so it did not measure honestly.
            // It is discarded unrecorded and a new interval starts at this tick.
            holdUpsSeen_ = loop_->holdUps();
            interval_.reset();
            engine_.setImpactCount(0);
            return;
        }
    }
    // The graph is redrawn with the impact scale as it was before this interval; a raised
    // scale reaches the graph at the next redraw.
    double raisedAxisMax = settings_.impactAxisMax;
    GaugePanel* impacts = gauges_[GaugeImpacts];
    const MeasuringInterval::Closed row = interval_.tick(
        settings_.measuringInterval, engine_.impactCount(), settings_.recordingEnabled,
        engine_.engineCopy(), *charts_, raisedAxisMax, impacts->usableLength());
    if (!row.closed) {
        return;
    }
    redrawGraph();
    anz_[4]->setText(QString::number(row.shownRate));
    settings_.impactAxisMax = raisedAxisMax;
    impacts->setBarWidth(row.barWidth);
    impacts->setScaleCaptions(impacts->minLabel()->text(), row.middleCaption, row.maxCaption);
    announceReadouts();
    engine_.setImpactCount(0);
}

void MainWindow::redrawGraph() {
    if (!charts_) {
        return; // before the charts exist there is nothing to draw
    }
    charts_->pressureTimeChart().yAxis().maximum =
        leadingNumber(gauges_[GaugeImpacts]->maxLabel()->text());
    for (chart::Chart* c : {&charts_->pressureCountChart(), &charts_->pressureAreaChart(),
                            &charts_->pressureInverseAreaChart(), &charts_->pressureSpeedChart()}) {
        c->yAxis().maximum = settings_.impactAxisMax;
    }
    charts_->areaPressureChart().xAxis().maximum = settings_.impactAxisMax;
    std::optional<RegressionLine> line;
    if (regressionShown_) {
        line = regression_;
    }
    plotter_->redraw(charts_->chartFor(tabs_->currentIndex()), line);
    graphView_.setPicture(plotter_->picture());
}

void MainWindow::showRegression() {
    regressionShown_ = false;
    const chart::Chart& c = charts_->chartFor(tabs_->currentIndex());
    if (c.count() < 2) {
        services_.message(QStringLiteral("Du kannst erst eine Ausgleichsgerade einzeichnen lassen, "
                                         "wenn mindestens zwei Werte eingezeichnet wurden."));
        return;
    }
    const std::optional<RegressionLine> line = computeRegression(c);
    if (!line) {
        services_.message(QStringLiteral(
            "Alle Messwerte liegen beim selben x-Wert. Für eine Ausgleichsgerade müssen "
            "mindestens zwei verschiedene Werte eingestellt worden sein."));
        return;
    }
    regression_ = *line;
    regressionShown_ = true;
    redrawGraph();
}

void MainWindow::restartMeasurement() {
    initialiseParticles(0);
    interval_.reset();
    regressionShown_ = false;
    engine_.setImpactCount(0);
    charts_->clearAll();
    AutoModeSettings& a = settings_.autoMode;
    a.autoActive = a.savedAutoActive;
    a.autoPeriod = a.savedAutoPeriod;
    a.autoStep = a.savedAutoStep;
    EngineCopy& copy = engine_.engineCopy();
    copy.particleCount = a.startConditions.particleCount;
    copy.speed = a.startConditions.speed;
    copy.pistonPosition = static_cast<float>(a.startConditions.volume);
    settings_.particleCount = copy.particleCount;
    settings_.speed = copy.speed;
    settings_.pistonPosition = copy.pistonPosition;
    setCylinderWidth(settings_.pistonPosition);
    refreshGauge(SlotCount);
    refreshGauge(SlotVolume);
    refreshGauge(SlotSpeed);
    initialiseParticles(-1);
    placePiston();
    redrawGraph();
}

} // namespace vozavero
