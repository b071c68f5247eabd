// The menu bar of the main window, its check marks, the quit question and the edit, save and
// open commands.
#include "MainWindow.h"

#include "NumberText.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>

namespace vozavero {

namespace {

QAction* addMenuAction(QMenu* menu, const QString& name, const QString& caption,
                       const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
    }
    return a;
}

void addSeparator(QMenu* menu, const QString& name) {
    menu->addSeparator()->setObjectName(name);
}

} // namespace

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("mnu_File"));
    fileNew_ = addMenuAction(file, QStringLiteral("mnu_FileNew"), QStringLiteral("&Neustart"),
                             QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(fileNew_, &QAction::triggered, this,
            [this] { guarded([this] { restartMeasurement(); }); });
    fileOpen_ =
        addMenuAction(file, QStringLiteral("mnu_FileOpen"), QStringLiteral("Messreihe &öffnen…"),
                      QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(fileOpen_, &QAction::triggered, this, [this] { guarded([this] { openSeries(); }); });
    fileSave_ =
        addMenuAction(file, QStringLiteral("mnu_FileSave"), QStringLiteral("Messreihe &speichern"),
                      QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(fileSave_, &QAction::triggered, this, [this] { saveSeries(); });
    addSeparator(file, QStringLiteral("mnu_FileSep1"));
    fileQuit_ =
        addMenuAction(file, QStringLiteral("mnu_FileQuit"), QStringLiteral("Programm &Beenden"),
                      QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(fileQuit_, &QAction::triggered, this, [this] { confirmQuit(); });

    viewMenu_ = bar->addMenu(QStringLiteral("&Ansicht"));
    viewMenu_->setObjectName(QStringLiteral("mnu_View"));
    const char* modes[4] = {"&Normal", "Prober + Graph", "Einstellungen + Graph",
                            "Graph auf Vollbild"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = addMenuAction(viewMenu_, QStringLiteral("mnu_ViewMode(%1)").arg(i),
                                   QString::fromUtf8(modes[i]));
        a->setCheckable(true);
        a->setChecked(i == 0);
        connect(a, &QAction::triggered, this, [this, i] { setViewMode(i); });
        viewModeActions_[static_cast<size_t>(i)] = a;
    }
    addSeparator(viewMenu_, QStringLiteral("mnu_ViewSep1"));
    QMenu* graph = viewMenu_->addMenu(QStringLiteral("&Datenreihen"));
    graph->setObjectName(QStringLiteral("mnu_OptionsGraph"));
    const char* series[4] = {"Stöße/&Teilchenzahl(Stoffmenge)", "Stöße/&Geschwindigkeit (Temp.)",
                             "Stöße/&Fläche (Volumen)", "&Stöße/(1:Fläche) (1:Druck)"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = addMenuAction(graph, QStringLiteral("mnu_OptionsGraphTab(%1)").arg(i),
                                   QString::fromUtf8(series[i]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] {
            tabs_->setCurrentIndex(i);
            updateViewMenuChecks();
        });
        graphTabActions_[static_cast<size_t>(i)] = a;
    }
    connect(viewMenu_, &QMenu::aboutToShow, this, [this] { updateViewMenuChecks(); });
    connect(graph, &QMenu::aboutToShow, this, [this] { updateViewMenuChecks(); });

    // The edit menu exists with its commands but is never shown nor enabled, so neither its
    // items nor their shortcuts are offered.
    editMenu_ = bar->addMenu(QStringLiteral("&Bearbeiten"));
    editMenu_->setObjectName(QStringLiteral("mnu_Edit"));
    QAction* copyGraphAction =
        addMenuAction(editMenu_, QStringLiteral("mnu_EditCopyGraph"),
                      QStringLiteral("&Graphik kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copyGraphAction, &QAction::triggered, this, [this] { copyGraph(); });
    QAction* printGraphAction =
        addMenuAction(editMenu_, QStringLiteral("mnu_EditPrintGraph"),
                      QStringLiteral("Graph &drucken"), QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printGraphAction, &QAction::triggered, this, [this] { printGraph(); });
    addSeparator(editMenu_, QStringLiteral("mnu_EditSep1"));
    QAction* copyTableAction =
        addMenuAction(editMenu_, QStringLiteral("mnu_EditCopyTable"),
                      QStringLiteral("&Stöße (Tabelle) in die Zwischenablage"));
    connect(copyTableAction, &QAction::triggered, this, [this] { copyTable(); });
    QAction* printTableAction = addMenuAction(editMenu_, QStringLiteral("mnu_EditPrintTable"),
                                              QStringLiteral("Tabelle &drucken"));
    connect(printTableAction, &QAction::triggered, this, [this] { printTable(); });
    editMenu_->menuAction()->setVisible(false);
    editMenu_->menuAction()->setEnabled(false);
    editMenu_->setEnabled(false);
    for (QAction* a : editMenu_->actions()) {
        a->setEnabled(false);
    }

    optionsMenu_ = bar->addMenu(QStringLiteral("&Einstellungen"));
    optionsMenu_->setObjectName(QStringLiteral("mnu_Options"));
    autoActiveAction_ = addMenuAction(optionsMenu_, QStringLiteral("mnu_OptionsAutoActive"),
                                      QStringLiteral("Automatik atkiv"));
    autoActiveAction_->setCheckable(true);
    connect(autoActiveAction_, &QAction::triggered, this,
            [this] { automatic_->setChecked(!automatic_->isChecked()); });
    autoOptionsAction_ =
        addMenuAction(optionsMenu_, QStringLiteral("mnu_OptionsAuto"),
                      QStringLiteral("&Automatik-Optionen"), QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(autoOptionsAction_, &QAction::triggered, this,
            [this] { guarded([this] { openAutomaticOptions(); }); });
    addSeparator(optionsMenu_, QStringLiteral("mnu_OptionsSep3"));
    recordAction_ =
        addMenuAction(optionsMenu_, QStringLiteral("mnu_OptionsRecord"),
                      QStringLiteral("&Messreihe aufnehmen"), QKeySequence(Qt::CTRL | Qt::Key_M));
    recordAction_->setCheckable(true);
    recordAction_->setChecked(true);
    connect(recordAction_, &QAction::triggered, this, [this] { toggleRecordingFromMenu(); });
    addSeparator(optionsMenu_, QStringLiteral("mnu_OptionsSep1"));
    intervalMenu_ = optionsMenu_->addMenu(QStringLiteral("&Aufzeichnungsintervall"));
    intervalMenu_->setObjectName(QStringLiteral("mnu_OptionsInterval"));
    const char* intervals[5] = {"1 Sek.", "2 Sek.", "3 Sek.", "5 Sek.", "10 Sek."};
    for (int i = 0; i < 5; ++i) {
        QAction* a =
            addMenuAction(intervalMenu_, QStringLiteral("mnu_OptionsIntervalSel(%1)").arg(i),
                          QString::fromUtf8(intervals[i]));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this,
                [this, a] { setMeasuringInterval(static_cast<int>(leadingNumber(a->text()))); });
        intervalActions_[static_cast<size_t>(i)] = a;
    }
    connect(optionsMenu_, &QMenu::aboutToShow, this, [this] { updateOptionsMenuChecks(); });

    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->setObjectName(QStringLiteral("mnu_Help"));
    QAction* about = addMenuAction(help, QStringLiteral("mnu_HelpAbout"), QStringLiteral("Info"),
                                   QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, [this] { services_.about(); });
}

void MainWindow::updateViewMenuChecks() {
    for (int i = 0; i < 4; ++i) {
        graphTabActions_[static_cast<size_t>(i)]->setChecked(i == tabs_->currentIndex());
    }
}

void MainWindow::updateOptionsMenuChecks() {
    autoActiveAction_->setChecked(automatic_->isChecked());
    updateViewMenuChecks();
}

void MainWindow::toggleRecordingFromMenu() {
    settings_.recordingEnabled = !settings_.recordingEnabled;
    if (record_->isChecked() != settings_.recordingEnabled) {
        record_->setChecked(settings_.recordingEnabled);
    }
    recordAction_->setChecked(settings_.recordingEnabled);
}

void MainWindow::setMeasuringInterval(int seconds) {
    const int values[5] = {1, 2, 3, 5, 10};
    for (int i = 0; i < 5; ++i) {
        intervalActions_[static_cast<size_t>(i)]->setChecked(values[i] == seconds);
    }
    settings_.measuringInterval = seconds;
    announceReadout(1, QStringLiteral("%1 Sek.").arg(seconds));
}

void MainWindow::confirmQuit() {
    if (services_.question(QStringLiteral("Wollen Sie das Programm wirklich beenden?")) ==
        FrameworkServices::kAnswerYes) {
        quitRequested_ = true;
    }
}

void MainWindow::copyGraph() {
    graphView_.copyGraph(true);
}

void MainWindow::printGraph() {
    printAdaptor_->useSystemPrinter();
    reportPrint(graphView_.printGraph(*printAdaptor_, true));
}

void MainWindow::copyTable() {
    charts_->pressureTimeChart().copyTable(true);
}

void MainWindow::printTable() {
    reportPrint(charts_->pressureTimeChart().printTable(*printAdaptor_, true));
}

void MainWindow::reportPrint(bool printed) {
    if (!printed) {
        services_.message(QStringLiteral("Der Ausdruck konnte nicht erstellt werden (%1).")
                              .arg(printAdaptor_->description()));
    } else if (printAdaptor_->printsToPdfFolder()) {
        services_.message(QStringLiteral("Es ist kein Drucker eingerichtet. Der Ausdruck wurde "
                                         "als PDF-Datei gespeichert:\n%1")
                              .arg(printAdaptor_->description()));
    }
}

void MainWindow::saveSeries() {
    charts_->document().setDefaultFileName(QStringLiteral("teilchen.kpx"));
    documentManager_.save(charts_->document(), QString(), true, 0, true);
}

void MainWindow::openSeries() {
    QString error;
    const std::unique_ptr<chart::ChartDocument> loaded =
        documentOpener_.open(documentManager_.lastFolder(), &error);
    if (!loaded) {
        if (!error.isEmpty()) { // empty when the choice was cancelled
            services_.message(error);
        }
        return;
    }
    double axisMax = settings_.impactAxisMax;
    if (!charts_->adoptPoints(*loaded, axisMax, &error)) {
        services_.message(
            QStringLiteral("Die Messreihe konnte nicht geöffnet werden: %1").arg(error));
        return;
    }

    if (settings_.recordingEnabled) {
        toggleRecordingFromMenu();
    }
    if (axisMax != settings_.impactAxisMax) {
        settings_.impactAxisMax = axisMax;
        GaugePanel* impacts = gauges_[GaugeImpacts];
        const MeasuringInterval::GaugeScale scale = MeasuringInterval::gaugeScale(
            axisMax, static_cast<std::int32_t>(leadingNumber(anz_[4]->text())),
            impacts->usableLength());
        impacts->setBarWidth(scale.barWidth);
        impacts->setScaleCaptions(impacts->minLabel()->text(), scale.middleCaption,
                                  scale.maxCaption);
    }
    experiment_.hideRegression();
    redrawGraph();
}

} // namespace vozavero
