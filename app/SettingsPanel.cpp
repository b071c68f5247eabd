// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The settings frame: its top row and gauges at their design places, the gauges' values handed to
// the experiment, and the experiment's state shown on gauges, boxes and read-outs.
#include "SettingsPanel.h"

#include "AutomaticControl.h"
#include "Guarded.h"
#include "ReadoutRow.h"
#include "framework/MarkedButton.h"
#include "framework/TitledFrame.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace vozavero {

namespace {

/// Makes a check box's font smaller, down to 6.5 points, until box and caption fit its width.
void shrinkToFit(QCheckBox* box) {
    box->setFont(QFont()); // from the frame's face again, for a caption of another language
    QFont f = box->font();
    while (f.pointSizeF() > 6.5 && box->sizeHint().width() > box->width()) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
        box->setFont(f);
    }
}

void setTick(QCheckBox* box, bool on) {
    if (box->isChecked() != on) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
}

} // namespace

SettingsPanel::SettingsPanel(Experiment& experiment, const Twips& twips, QWidget* parent)
    : QObject(parent)
    , experiment_(experiment) {
    frame_ = new TitledFrame(QString(), parent);
    frame_->setObjectName(QStringLiteral("frm_Options"));
    frame_->setGeometry(twips.rect(120, 3360, 10995, 2355));
    buildTopRow(twips);
    readouts_ = new ReadoutRow(experiment_, twips, frame_);
    buildGauges(twips);
    retranslate();

    connect(&experiment_, &Experiment::quantitiesChanged, this, &SettingsPanel::showQuantities);
    connect(&experiment_, &Experiment::impactReadingChanged, this,
            &SettingsPanel::showImpactReading);
    connect(&experiment_, &Experiment::automaticChanged, this, &SettingsPanel::showAutomatic);
    connect(&experiment_, &Experiment::recordingChanged, this, &SettingsPanel::showRecording);
}

void SettingsPanel::buildTopRow(const Twips& twips) {
    reset_ = new MarkedButton(QString(), frame_);
    reset_->setObjectName(QStringLiteral("but_Reset"));
    reset_->setGeometry(twips.rect(120, 360, 1215, 375));
    connect(reset_, &QPushButton::clicked, this,
            [this] { guarded([this] { experiment_.restartMeasurement(); }); });

    automatic_ = new SwitchBox(QString(), frame_);
    automatic_->setObjectName(QStringLiteral("opt_Automatic"));
    automatic_->setGeometry(twips.rect(1440, 360, 1395, 375));
    connect(automatic_, &QCheckBox::toggled, this, &SettingsPanel::automaticToggled);

    record_ = new QCheckBox(frame_);
    record_->setObjectName(QStringLiteral("opt_Record"));
    record_->setGeometry(twips.rect(2880, 360, 1215, 375));
    record_->setChecked(experiment_.settings().recordingEnabled);
    connect(record_, &QCheckBox::toggled, this, [this](bool on) { experiment_.setRecording(on); });

    options_ = new MarkedButton(QString(), frame_);
    options_->setObjectName(QStringLiteral("ctl_Button1"));
    options_->setGeometry(twips.rect(4140, 360, 1215, 375));
    options_->setIcon(QIcon(QStringLiteral(":/pictures/options.png")));
    connect(options_, &QPushButton::clicked, this, &SettingsPanel::optionsRequested);
}

void SettingsPanel::retranslate() {
    frame_->setCaption(tr("Einstellungen und Zahlen"));
    frame_->setAccessibleName(frame_->caption());
    reset_->setText(tr("&Neustart"));
    reset_->setToolTip(tr("Hiermit beginnst Du eine neue Messreihe"));
    automatic_->setText(tr("Automatik aktiv"));
    shrinkToFit(automatic_);
    showAutomatic();
    record_->setText(tr("Aufzeichnen"));
    record_->setToolTip(tr("Gibt an, ob die Werte aufgezeichnet werden sollen"));
    shrinkToFit(record_);
    options_->setText(tr("&Optionen"));
    options_->setAccessibleDescription(tr("Öffnet die Einstellungen der Automatik"));
    readouts_->retranslate();
    for (GaugePanel* g : gauges_) {
        g->retranslate();
    }
}

void SettingsPanel::buildGauges(const Twips& twips) {
    const QRect panelRects[4] = {twips.rect(120, 780, 5355, 735), twips.rect(120, 1500, 5355, 735),
                                 twips.rect(5460, 1500, 5355, 765),
                                 twips.rect(5460, 780, 5355, 735)};
    for (int i = 0; i < 4; ++i) {
        auto* g = new GaugePanel(static_cast<GaugeId>(i), twips, frame_);
        g->move(panelRects[i].topLeft());
        connect(g, &GaugePanel::barSet, this,
                [this](GaugeId id) { guarded([=, this] { applyGaugeValue(id); }); });
        gauges_.at(static_cast<size_t>(i)) = g;
        // Keys and assistive technology read the value from its owner.
        if (const Quantity* q = Quantity::ofGauge(i)) {
            const QuantityId id = q->id;
            g->setValueSource([this, id] { return experiment_.value(id); });
        } else {
            g->setValueSource([this] { return double(experiment_.lastShownRate()); });
        }
    }
}

void SettingsPanel::showRunTimeScales() {
    for (const QuantityId id : {QuantityId::Count, QuantityId::Speed}) {
        const Quantity& q = Quantity::of(id);
        gauge(q.gaugeIndex)->setScale(GaugeScale::ofRange(q.gauge));
    }
    for (const int i : {GaugeSpeed, GaugeImpacts, GaugeVolume, GaugeCount}) {
        gauge(i)->setBarWidth(0);
    }
}

void SettingsPanel::refreshGauge(int slot) {
    const Quantity* q = Quantity::ofSlot(slot);
    if (q == nullptr) {
        return;
    }
    gauge(q->gaugeIndex)->showOnBar(experiment_.value(q->id), q->gauge.high);
    showValueText(*q);
}

void SettingsPanel::showValueText(const Quantity& q) {
    gauge(q.gaugeIndex)
        ->setValueText(experiment_.value(q.id), experiment_.automatic().readoutDecimals(q.id));
}

void SettingsPanel::applyGaugeValue(GaugeId id) {
    GaugePanel* g = gauge(id);
    const Quantity* q = Quantity::ofGauge(id);
    if (q == nullptr) {
        g->placeMarkAtBarEnd();
        return;
    }
    experiment_.setQuantity(q->id, g->valueFromBar(), ChangeOrigin::Gauge);
}

void SettingsPanel::showQuantities(const QuantityChange& change) {
    for (const Quantity& q : Quantity::all()) {
        if (!change.has(q.id)) {
            continue;
        }
        // A gauge the pointer set keeps its bar where the pointer put it.
        if (change.origin == ChangeOrigin::Gauge) {
            showValueText(q);
        } else {
            refreshGauge(q.slot);
        }
    }
}

void SettingsPanel::showImpactReading() {
    GaugePanel* impacts = gauge(GaugeImpacts);
    const ImpactScale& scale = experiment_.impactScale();
    impacts->setBarWidth(scale.barWidth(experiment_.lastShownRate(), impacts->usableLength()));
    impacts->setScale(scale.gauge());
}

void SettingsPanel::showAutomatic() {
    // On with nothing to step (no row chosen, or a period that cannot step) shows as a partial
    // tick, so that the box never claims that values are being changed.
    const AutomaticMode& mode = experiment_.automatic();
    const bool idle = mode.on() && !mode.stepping();
    automatic_->showState(idle        ? SwitchBox::State::Idle
                          : mode.on() ? SwitchBox::State::On
                                      : SwitchBox::State::Off);
    automatic_->setToolTip(idle ? AutomaticControl::idleText()
                                : tr("Hiermit aktivierst oder deaktivierst Du das automatische "
                                     "ändern der Werte (siehe Menü 'Optionen')"));
    automatic_->setAccessibleDescription(idle ? AutomaticControl::idleText() : QString());
}

void SettingsPanel::showRecording(bool on) {
    setTick(record_, on);
}

} // namespace vozavero
