// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The main window ("frm_AppMain"): builds the view of one experiment from its blocks (cylinder,
// settings, graph), menus, timers and commands, lays the blocks out for the view mode and the
// window size, runs the start-up sequence, and holds what belongs to the window alone: the view
// mode and the request to quit. Every fact of the experiment lives in the experiment; the
// blocks listen to it and hand it the user's commands. When the language changes, the window has
// every block show its texts anew and the experiment retitle its charts.
#pragma once
#include "AutomaticControl.h"
#include "CylinderPanel.h"
#include "Experiment.h"
#include "ExperimentTimers.h"
#include "GraphPanel.h"
#include "MainMenus.h"
#include "RecoveryControl.h"
#include "SeriesFileCommands.h"
#include "SettingsPanel.h"
#include "WindowEnvironment.h"

#include <QMainWindow>

namespace vozavero {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using Environment = WindowEnvironment;

    explicit MainWindow(Environment environment, QWidget* parent = nullptr);

    /// The load handler: single-instance test, start values, gauges, window shown maximised,
    /// timers armed, then the series named on the command line opened. Returns false when the
    /// program must end (second instance).
    bool formLoad();
    /// Lays out the blocks for the view mode and the window size, then redraws the graph.
    void arrangeWindow();
    void setViewMode(int mode);
    int viewMode() const { return viewMode_; }
    /// Asks whether to quit; Yes requests the end of the program.
    void confirmQuit();
    bool quitRequested() const { return quitRequested_; }

    Experiment& experiment() { return experiment_; }
    CylinderPanel& cylinder() const { return *cylinder_; }
    SettingsPanel& settingsPanel() const { return *settings_; }
    GraphPanel& graph() const { return *graph_; }
    MainMenus& menus() const { return *menus_; }
    ExperimentTimers& timers() const { return *timers_; }
    SeriesFileCommands& files() const { return *files_; }
    AutomaticControl& automatic() const { return *automatic_; }
    /// Null when the window keeps no recovery copy.
    RecoveryControl* recovery() const { return recovery_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    /// A new language: every block shows its texts anew, the charts are retitled.
    void changeEvent(QEvent* event) override;

private:
    void showTitle();
    /// The product information for the about box, in the language now in effect.
    ProductInfo productInfo() const;
    void devTrace(const QString& label);
    MainMenus::Commands menuCommands();
    /// Top to bottom, and left to right within a row.
    void orderTabs();

    Environment env_;
    FrameworkServices& services_;
    Experiment experiment_;
    QWidget* client_ = nullptr;
    CylinderPanel* cylinder_ = nullptr;
    SettingsPanel* settings_ = nullptr;
    GraphPanel* graph_ = nullptr;
    SeriesFileCommands* files_ = nullptr;
    AutomaticControl* automatic_ = nullptr;
    ExperimentTimers* timers_ = nullptr;
    MainMenus* menus_ = nullptr;
    RecoveryControl* recovery_ = nullptr;
    int viewMode_ = 0;
    bool quitRequested_ = false;
    bool firstPaintDone_ = false;
};

} // namespace vozavero
