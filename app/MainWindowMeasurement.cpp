// Measuring in the main window: the experiment closes intervals, fits the line and restarts the
// series; the window shows the read-out and the impact gauge, redraws the graph with the line,
// and discards an interval during which the event loop was held up.
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
            experiment_.discardInterval();
            return;
        }
    }
    GaugePanel* impacts = gauges_[GaugeImpacts];
    const MeasuringInterval::Closed row =
        experiment_.measuringTick(impacts->usableLength(), [this](const auto& closed) {
            redrawGraph();
            anz_[4]->setText(QString::number(closed.shownRate));
        });
    if (!row.closed) {
        return;
    }
    impacts->setBarWidth(row.barWidth);
    impacts->setScaleCaptions(impacts->minLabel()->text(), row.middleCaption, row.maxCaption);
    announceReadouts();
}

void MainWindow::redrawGraph() {
    charts_->pressureTimeChart().yAxis().maximum =
        leadingNumber(gauges_[GaugeImpacts]->maxLabel()->text());
    for (chart::Chart* c : {&charts_->pressureCountChart(), &charts_->pressureAreaChart(),
                            &charts_->pressureInverseAreaChart(), &charts_->pressureSpeedChart()}) {
        c->yAxis().maximum = settings_.impactAxisMax;
    }
    charts_->areaPressureChart().xAxis().maximum = settings_.impactAxisMax;
    plotter_->redraw(charts_->chartFor(tabs_->currentIndex()), experiment_.shownRegression());
    graphView_.setPicture(plotter_->picture());
}

void MainWindow::showRegression() {
    switch (experiment_.showRegression(tabs_->currentIndex())) {
    case Experiment::RegressionRefusal::TooFewPoints:
        services_.message(QStringLiteral("Du kannst erst eine Ausgleichsgerade einzeichnen lassen, "
                                         "wenn mindestens zwei Werte eingezeichnet wurden."));
        return;
    case Experiment::RegressionRefusal::SameX:
        services_.message(QStringLiteral(
            "Alle Messwerte liegen beim selben x-Wert. Für eine Ausgleichsgerade müssen "
            "mindestens zwei verschiedene Werte eingestellt worden sein."));
        return;
    case Experiment::RegressionRefusal::None:
        redrawGraph();
        return;
    }
}

void MainWindow::restartMeasurement() {
    experiment_.restart();
    fitCylinderPicture();
    refreshGauge(SlotCount);
    refreshGauge(SlotVolume);
    refreshGauge(SlotSpeed);
    placePiston();
    redrawGraph();
}

} // namespace vozavero
