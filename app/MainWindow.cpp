// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The main window: its blocks and their wiring, the start-up sequence, the layout of the view
// modes and the end of the program.
#include "MainWindow.h"

#include "CylinderView.h"
#include "DialogFocusReturn.h"
#include "GraphPlotter.h"
#include "PistonPicture.h"
#include "ReadoutRow.h"
#include "UiFonts.h"
#include "WindowLayout.h"
#include "framework/TitledFrame.h"
#include "vozavero_version.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <vector>

namespace vozavero {

MainWindow::MainWindow(Environment environment, QWidget* parent)
    : QMainWindow(parent)
    , env_(std::move(environment))
    , services_(*env_.services)
    , experiment_(*env_.random, *env_.clock) {
    setObjectName(QStringLiteral("frm_AppMain"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(bodyFont());
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, QColor(27, 78, 175));
    client_->setPalette(p);
    showTitle();
    setCentralWidget(client_);

    cylinder_ = new CylinderPanel(experiment_, env_.twips, client_);
    settings_ = new SettingsPanel(experiment_, env_.twips, client_);
    graph_ = new GraphPanel(experiment_, services_, env_.twips, client_);
    files_ = new SeriesFileCommands(experiment_, graph_->graphView(), services_, this);
    automatic_ = new AutomaticControl(experiment_, services_, env_.twips, this);
    ExperimentTimers::Hooks hooks;
    hooks.frame = [this](bool counted) {
        cylinder_->drawParticles();
        if (counted) {
            settings_->readouts().showLive();
        }
    };
    hooks.quitRequested = [this] { return quitRequested_; };
    hooks.quit = [this] {
        if (recovery_) {
            recovery_->discard(); // the orderly end
        }
        env_.quit();
    };
    hooks.paints = [this] { return cylinder_->gasSpace()->paints(); };
    timers_ = new ExperimentTimers(experiment_, *env_.clock, std::move(hooks), this);
    menus_ = new MainMenus(menuBar(), experiment_, menuCommands());
    new DialogFocusReturn(this);

    connect(settings_, &SettingsPanel::automaticToggled, automatic_, &AutomaticControl::boxToggled);
    connect(settings_, &SettingsPanel::optionsRequested, automatic_,
            &AutomaticControl::openOptions);
    connect(&settings_->readouts(), &ReadoutRow::intervalMenuRequested, menus_,
            &MainMenus::popupIntervalMenu);
    connect(graph_, &GraphPanel::plotterClicked, this, [this] { setViewMode(viewMode_ + 1); });
    connect(graph_, &GraphPanel::plotterMenuRequested, menus_, &MainMenus::popupGraphMenu);
    orderTabs();
    // The designed client area lies below the menu bar.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    resize(env_.twips.x(12390), env_.twips.y(9510) + menuHeight);
}

MainMenus::Commands MainWindow::menuCommands() {
    MainMenus::Commands c;
    c.openSeries = [this] { files_->openSeries(); };
    c.saveSeries = [this] { files_->saveSeries(); };
    c.confirmQuit = [this] { confirmQuit(); };
    c.setViewMode = [this](int mode) { setViewMode(mode); };
    c.copyGraph = [this] { files_->copyGraph(); };
    c.printGraph = [this] { files_->printGraph(); };
    c.copyTable = [this] { files_->copyTable(); };
    c.printTable = [this] { files_->printTable(); };
    c.toggleAutomatic = [this] { automatic_->toggle(); };
    c.automaticOptions = [this] { automatic_->openOptions(); };
    c.about = [this] { services_.about(); };
    c.chooseLanguage = env_.chooseLanguage;
    return c;
}

void MainWindow::showTitle() {
    setWindowTitle(tr("Nimbra // Vozavero Simulator"));
    client_->setAccessibleName(windowTitle());
}

ProductInfo MainWindow::productInfo() const {
    return {tr("Eine Simulation des Gasdrucks im Kolbenprober für den Physikunterricht."),
            QStringLiteral("Vozavero"), QStringLiteral("Vozavero"),
            QStringLiteral(VOZAVERO_VERSION), QStringLiteral("Vorlix.hlp")};
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) {
        return;
    }
    showTitle();
    cylinder_->retranslate();
    settings_->retranslate();
    graph_->retranslate();
    menus_->retranslate();
    experiment_.retitleCharts();
    services_.setProductInfo(productInfo());
}

void MainWindow::orderTabs() {
    // The piston, the buttons and boxes of the settings, the interval, the gauges (count and
    // area in the upper row, speed below), then the pages of the graph and the button on each.
    std::vector<QWidget*> order{cylinder_->piston(),          settings_->resetButton(),
                                settings_->automaticBox(),    settings_->recordBox(),
                                settings_->optionsButton(),   settings_->readouts().readout(1),
                                settings_->gauge(GaugeCount), settings_->gauge(GaugeVolume),
                                settings_->gauge(GaugeSpeed), graph_->tabs()};
    for (QPushButton* b : graph_->buttonsByPage()) {
        order.push_back(b);
    }
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

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
        services_.message(tr("Vorlix läuft bereits oder wird noch geladen."));
        return false;
    }
    recovery_ = RecoveryControl::create(env_.instance, env_.recoveryFolder, experiment_, *files_,
                                        services_, this);
    devTrace(QStringLiteral("X-1"));
    services_.setProductInfo(productInfo());
    devTrace(QStringLiteral("X-2"));
    devTrace(QStringLiteral("X-3"));
    devTrace(QStringLiteral("X-4"));
    files_->useSystemPrinter();
    devTrace(QStringLiteral("X-5"));
    devTrace(QStringLiteral("X-6"));
    experiment_.selectSeries(SeriesCount);
    experiment_.prepare();
    devTrace(QStringLiteral("X-7"));
    devTrace(QStringLiteral("X-8"));
    devTrace(QStringLiteral("X-9"));
    devTrace(QStringLiteral("X-10"));
    settings_->showRunTimeScales();
    devTrace(QStringLiteral("X-11"));
    showMaximized();
    // Without a window manager nobody else gives the new window the keyboard.
    activateWindow();
    experiment_.initialiseParticles(false);
    devTrace(QStringLiteral("X-12"));
    experiment_.applyStartValues();
    experiment_.setAutomaticOn(false);
    devTrace(QStringLiteral("X-13"));
    graph_->redrawGraph();
    timers_->startLoop();
    devTrace(QStringLiteral("X-14"));
    // A series named on the command line (a double-click on a saved file) opens when the
    // program runs, as "Messreihe öffnen…" opens it.
    if (!env_.commandLine.seriesFile().isEmpty()) {
        files_->openFile(env_.commandLine.seriesFile());
    }
    // Then a lost series is offered; measuring starts once the question is answered.
    if (recovery_) {
        recovery_->offerLostSeries();
    }
    timers_->startMeasuring();
    return true;
}

void MainWindow::setViewMode(int mode) {
    viewMode_ = mode;
    arrangeWindow();
}

void MainWindow::arrangeWindow() {
    if (viewMode_ > 3 || viewMode_ < 0) {
        viewMode_ = 0;
    }
    menus_->showViewMode(viewMode_);
    const QSize client = client_->size();
    if (client.width() <= 0 || client.height() <= 0) {
        return; // minimised or not laid out yet: nothing sensible to place
    }
    TitledFrame* cylinder = cylinder_->frame();
    TitledFrame* settings = settings_->frame();
    const WindowLayout l = WindowLayout::arrange(viewMode_, client, env_.twips, cylinder->width(),
                                                 cylinder->height(), settings->height());
    cylinder->setVisible(l.cylinderVisible);
    settings->setVisible(l.settingsVisible);
    graph_->tabs()->setVisible(true);
    graph_->plotter()->setVisible(true);
    if (l.cylinderVisible) {
        cylinder->move(l.cylinder.topLeft());
    }
    if (l.settingsVisible) {
        settings->move(l.settings.topLeft());
    }
    graph_->tabs()->setGeometry(l.tabs);
    graph_->plotter()->setGeometry(l.plotter);
    graph_->plotter()->raise();
    graph_->placeButtons();
    graph_->redrawGraph();
}

void MainWindow::confirmQuit() {
    if (services_.question(tr("Wollen Sie das Programm wirklich beenden?")) ==
        FrameworkServices::kAnswerYes) {
        quitRequested_ = true;
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    arrangeWindow();
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        services_.firstPaint();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    quitRequested_ = true;
    if (recovery_) {
        recovery_->discard(); // the orderly end
    }
    event->accept();
}

} // namespace vozavero
