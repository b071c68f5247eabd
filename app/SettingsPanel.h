// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The settings frame ("Einstellungen und Zahlen"): the buttons and check boxes of its top row,
// the four gauges and the read-outs. Turns presses on gauges, boxes and buttons into operations
// of the experiment (automatic mode's box and the options button go to whoever runs automatic
// mode), and shows the experiment's quantities, recording switch, automatic mode and impact
// reading on them.
#pragma once
#include "Experiment.h"
#include "GaugePanel.h"
#include "Twips.h"
#include "framework/SwitchBox.h"

#include <QObject>
#include <array>

class QCheckBox;
class QPushButton;
class QWidget;

namespace vozavero {

class ReadoutRow;
class TitledFrame;

class SettingsPanel : public QObject {
    Q_OBJECT
public:
    /// Builds the frame and its controls on parent at their design places.
    SettingsPanel(Experiment& experiment, const Twips& twips, QWidget* parent);

    TitledFrame* frame() const { return frame_; } ///< "frm_Options"
    GaugePanel* gauge(int id) const { return gauges_.at(static_cast<size_t>(id)); }
    QPushButton* resetButton() const { return reset_; }     ///< "but_Reset"
    SwitchBox* automaticBox() const { return automatic_; }  ///< "opt_Automatic"
    QCheckBox* recordBox() const { return record_; }        ///< "opt_Record"
    QPushButton* optionsButton() const { return options_; } ///< "ctl_Button1"
    ReadoutRow& readouts() const { return *readouts_; }

    /// The run-time scale captions of the count and speed gauges, and all bars empty (the last
    /// stage of the start-up before the window is shown).
    void showRunTimeScales();
    /// Redraws the bar and read-out of an automatic slot's quantity from the experiment, on a
    /// scale from zero to the gauge's maximum.
    void refreshGauge(int slot);
    /// Turns the bar of a gauge into its value and hands it to the experiment (the bar stays
    /// where the pointer put it).
    void applyGaugeValue(GaugeId gauge);
    /// Shows every text of the frame, its read-outs and gauges in the language now in effect.
    void retranslate();

signals:
    /// The user (or the program) changed the tick of "Automatik aktiv".
    void automaticToggled(bool checked);
    /// "&Optionen" was pressed.
    void optionsRequested();

private:
    void buildTopRow(const Twips& twips);
    void buildGauges(const Twips& twips);
    void showQuantities(const QuantityChange& change);
    /// The read-out of a quantity with the digits its start value and step need.
    void showValueText(const Quantity& q);
    void showImpactReading();
    void showAutomatic();
    void showRecording(bool on);

    Experiment& experiment_;
    TitledFrame* frame_ = nullptr;
    QPushButton* reset_ = nullptr;
    SwitchBox* automatic_ = nullptr;
    QCheckBox* record_ = nullptr;
    QPushButton* options_ = nullptr;
    ReadoutRow* readouts_ = nullptr;
    std::array<GaugePanel*, 4> gauges_{};
};

} // namespace vozavero
