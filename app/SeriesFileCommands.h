// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The commands that take the series out of the program and back in: saving and opening the
// series file, copying and printing the graph and the impact table, with their reports.
// The file dialogs and printer are the chart component's; the series is the experiment's.
#pragma once
#include "Experiment.h"
#include "chart/DocumentManager.h"
#include "chart/DocumentOpener.h"
#include "chart/GraphView.h"
#include "chart/PrintAdaptor.h"
#include "framework/FrameworkServices.h"

#include <QObject>

class QWidget;

namespace vozavero {

class SeriesFileCommands : public QObject {
    Q_OBJECT
public:
    /// graph is the view of the graph surface that copy and print take; window parents the
    /// dialogs.
    SeriesFileCommands(Experiment& experiment, const chart::GraphView& graph,
                       FrameworkServices& services, QWidget* window);

    /// Hands the system's current printer to the print adaptor.
    void useSystemPrinter();
    /// "Messreihe speichern": offers "teilchen.kpx" and writes the whole series; once written,
    /// the series counts as saved.
    void saveSeries();
    /// "Messreihe öffnen…": asks for a saved series and opens it as openFile does.
    void openSeries();
    /// Replaces the series by the one saved at path, shown as if measured; a message tells why
    /// when the file cannot be read or is no series. When the current series holds unsaved
    /// points, the user is asked first, and No keeps everything as it is. Returns whether it was
    /// opened.
    bool openFile(const QString& path);
    void copyGraph();
    void printGraph();
    void copyTable();
    void printTable();

    chart::DocumentManager& documentManager() { return documentManager_; }
    chart::DocumentOpener& documentOpener() { return documentOpener_; }
    chart::PrintAdaptor& printAdaptor() { return printAdaptor_; }

private:
    /// Tells the user where a print went when it went to a PDF file, or that it failed.
    void reportPrint(bool printed);

    Experiment& experiment_;
    const chart::GraphView& graph_;
    FrameworkServices& services_;
    chart::PrintAdaptor printAdaptor_;
    chart::DocumentManager documentManager_;
    chart::DocumentOpener documentOpener_;
};

} // namespace vozavero
