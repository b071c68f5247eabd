// The particles, the cylinder and piston, and the gauges: re-initialising the engine from the
// settings, the mouse rules of cylinder, syringe and piston, applying and redrawing gauge values,
// and the frame with its live read-out.
#include "MainWindow.h"

#include "CylinderView.h"
#include "NumberText.h"
#include "PictureBox.h"
#include "RoundHalfEven.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

namespace vozavero {

void MainWindow::initialiseParticles(float flag) {
    experiment_.initialiseParticles(flag != 0.0f);
}

void MainWindow::fitCylinderPicture() {
    // The picture is whole pixels; the piston is placed from the picture (placePiston), so gas
    // space and piston always meet, also at a fractional width left by an automatic step.
    bild_->resize(std::max(0, roundTo<int>(experiment_.cylinderWidth())), bild_->height());
}

void MainWindow::placePiston() {
    if (experiment_.cylinderWidth() > 500) {
        experiment_.setCylinderWidth(500);
        fitCylinderPicture();
    }
    schieber_->move(bild_->x() + bild_->width(), schieber_->y());
}

void MainWindow::applyPistonWidth(double w) {
    experiment_.setWidth(w);
    fitCylinderPicture();
    refreshGauge(SlotVolume);
    placePiston();
}

void MainWindow::interiorPointer(double x, double) {
    if (x < 1) {
        return;
    }
    // The pointer may stand between pixels (touch, pen, scaled screens); the gas space is whole
    // pixels wide.
    applyPistonWidth(std::clamp(roundHalfEven(x), 50.0, 500.0));
}

void MainWindow::containerPointer(double x, double y) {
    if (y < bild_->y() || y > bild_->y() + bild_->height()) {
        return;
    }
    const double d = x - bild_->x();
    if (d <= 0) {
        return;
    }
    const double w = std::clamp(roundHalfEven(d), 50.0, 500.0);
    if (experiment_.cylinderWidth() == w) {
        return;
    }
    applyPistonWidth(w);
}

void MainWindow::refreshGauge(int slot) {
    switch (slot) {
    case SlotCount:
        gauges_[GaugeCount]->showOnBar(settings_.particleCount, 50);
        gauges_[GaugeCount]->setValueText(settings_.particleCount, readoutDecimals(SlotCount));
        break;
    case SlotVolume:
        gauges_[GaugeVolume]->showOnBar(experiment_.cylinderWidth(), 500);
        gauges_[GaugeVolume]->setValueText(experiment_.cylinderWidth(),
                                           readoutDecimals(SlotVolume));
        break;
    case SlotSpeed:
        gauges_[GaugeSpeed]->showOnBar(settings_.speed, 30);
        gauges_[GaugeSpeed]->setValueText(settings_.speed, readoutDecimals(SlotSpeed));
        break;
    default:
        break;
    }
}

void MainWindow::applyGaugeValue(GaugeId gauge) {
    GaugePanel* g = gauges_[static_cast<size_t>(gauge)];
    const double value = g->valueFromBar();
    switch (gauge) {
    case GaugeCount:
        experiment_.setParticleCount(value);
        g->setValueText(value, 0); // the gauges set whole numbers
        break;
    case GaugeSpeed:
        experiment_.setSpeed(value);
        g->setValueText(value, 0); // the gauges set whole numbers
        break;
    case GaugeImpacts:
        g->placeMarkAtBarEnd();
        break;
    case GaugeVolume:
        experiment_.setWidth(value);
        fitCylinderPicture();
        g->setValueText(value, 0); // the gauges set whole numbers
        placePiston();
        break;
    }
}

void MainWindow::drawFrame(bool counted) {
    bild_->drawParticles(engine_);
    if (counted) {
        updateLiveReadout();
    }
}

void MainWindow::updateLiveReadout() {
    const auto setText = [](QLabel* label, const QString& text) {
        if (label->text() != text) {
            label->setText(text);
        }
    };
    const std::int32_t impacts = engine_.impactCount();
    const std::int32_t interval = settings_.measuringInterval;
    setText(anz_[0], QString::number(impacts));
    setText(anz_[1], QStringLiteral("%1 Sek.").arg(interval));
    const double perSecond = std::trunc(static_cast<double>(impacts) / interval * 10.0) / 10.0;
    setText(anz_[2], numberText(perSecond));
}

} // namespace vozavero
