// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Saving, opening, copying and printing the series, and the reports of their outcome.
#include "SeriesFileCommands.h"

#include "Guarded.h"

#include <QWidget>

namespace vozavero {

SeriesFileCommands::SeriesFileCommands(Experiment& experiment, const chart::GraphView& graph,
                                       FrameworkServices& services, QWidget* window)
    : QObject(window)
    , experiment_(experiment)
    , graph_(graph)
    , services_(services)
    , documentManager_(window)
    , documentOpener_(window) {
    // A damaged file's reason names a chart as the printed table does.
    documentOpener_.setChartTitles(&SeriesCatalogue::titleTextOf);
}

void SeriesFileCommands::useSystemPrinter() {
    printAdaptor_.useSystemPrinter();
}

void SeriesFileCommands::saveSeries() {
    // Every save starts from the offered name.
    experiment_.setDefaultFileName(tr("teilchen.kpx"));
    if (documentManager_.save(experiment_.document(), QString(), true, 0, true)) {
        experiment_.markSeriesSaved();
    }
}

void SeriesFileCommands::openSeries() {
    const QString path = documentOpener_.choose(documentManager_.lastFolder());
    if (!path.isEmpty()) { // empty when the choice was cancelled
        openFile(path);
    }
}

bool SeriesFileCommands::openFile(const QString& path) {
    QString error;
    const std::unique_ptr<chart::ChartDocument> loaded = documentOpener_.read(path, &error);
    if (!loaded) {
        services_.message(error);
        return false;
    }
    const auto refused = [&] {
        services_.message(tr("Die Messreihe konnte nicht geöffnet werden: %1").arg(error));
        return false;
    };
    if (!experiment_.canOpenSeries(*loaded, &error)) {
        return refused();
    }
    // Asked only now, just before the series is replaced: points measured while the file dialog
    // was open count too, and a file that cannot be opened asks nothing.
    if (experiment_.hasUnsavedPoints() &&
        services_.question(tr("Die aktuelle Messreihe ist nicht gespeichert. Trotzdem öffnen?")) !=
            FrameworkServices::kAnswerYes) {
        return false;
    }
    bool opened = false;
    guarded([&] { opened = experiment_.openSeries(*loaded, &error); });
    if (!opened && !error.isEmpty()) {
        return refused();
    }
    return opened;
}

void SeriesFileCommands::copyGraph() {
    graph_.copyGraph(true);
}

void SeriesFileCommands::printGraph() {
    printAdaptor_.useSystemPrinter();
    reportPrint(graph_.printGraph(printAdaptor_, true));
}

void SeriesFileCommands::copyTable() {
    experiment_.charts().pressureTimeChart().copyTable(true);
}

void SeriesFileCommands::printTable() {
    reportPrint(experiment_.charts().pressureTimeChart().printTable(printAdaptor_, true));
}

void SeriesFileCommands::reportPrint(bool printed) {
    if (!printed) {
        services_.message(
            tr("Der Ausdruck konnte nicht erstellt werden (%1).").arg(printAdaptor_.description()));
    } else if (printAdaptor_.printsToPdfFolder()) {
        services_.message(tr("Es ist kein Drucker eingerichtet. Der Ausdruck wurde als PDF-Datei "
                             "gespeichert:\n%1")
                              .arg(printAdaptor_.description()));
    }
}

} // namespace vozavero
