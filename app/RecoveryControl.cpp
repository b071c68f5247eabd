// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The start-up offer of lost series and the report of a copy that cannot be written.
#include "RecoveryControl.h"

#include "TestingAids.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace vozavero {

namespace {

void note(const QString& text) {
    std::fprintf(stderr, "vozavero: %s\n", qPrintable(text));
    std::fflush(stderr);
}

} // namespace

RecoveryControl::RecoveryControl(Experiment& experiment, SeriesFileCommands& files,
                                 FrameworkServices& services, const QString& folder,
                                 const SingleInstance& instance, QObject* parent)
    : QObject(parent)
    , experiment_(experiment)
    , files_(files)
    , services_(services)
    , folder_(folder, instance.name(),
              [&instance](const QString& other) { return instance.isRunning(other); })
    , copy_(experiment, folder_.copyPath()) {
    connect(&copy_, &RecoveryCopy::failed, this, &RecoveryControl::reportFailure);
}

RecoveryControl* RecoveryControl::create(const std::function<const SingleInstance*()>& instance,
                                         const QString& folder, Experiment& experiment,
                                         SeriesFileCommands& files, FrameworkServices& services,
                                         QObject* parent) {
    const SingleInstance* registered = instance ? instance() : nullptr;
    if (!registered || folder.isEmpty()) {
        return nullptr;
    }
    return new RecoveryControl(experiment, files, services, folder, *registered, parent);
}

QString RecoveryControl::question(const QDateTime& saved, int points) {
    //: Date and time of the last saved point, as in "06.12.2026, 11:40 Uhr".
    const QString when = saved.toString(tr("dd.MM.yyyy, HH:mm 'Uhr'"));
    //: The number of measured points after "mit" (dative).
    const QString count = points == 1 ? tr("1 Messpunkt") : tr("%1 Messpunkten").arg(points);
    return tr("Nach einem unerwarteten Programmende ist eine nicht gespeicherte Messreihe vom %1 "
              "mit %2 erhalten. Wiederherstellen?\n\n"
              "Ja: die Messreihe wiederherstellen. Nein: sie endgültig verwerfen.")
        .arg(when, count);
}

void RecoveryControl::offerLostSeries() {
    for (const QString& lost : folder_.lostCopies()) {
        const QString path = folder_.claim(lost);
        if (path.isEmpty()) {
            continue; // another instance starting at the same time offers it
        }
        const RecoveryFolder::Contents contents = RecoveryFolder::read(path);
        if (!contents.series) {
            const QString aside = folder_.moveAside(path, QFileInfo(lost).fileName());
            note(aside.isEmpty()
                     ? tr("Die Wiederherstellungskopie „%1“ ist keine gültige Messreihe. Grund: %2")
                           .arg(path, contents.error)
                     : tr("Die Wiederherstellungskopie „%1“ ist keine gültige Messreihe und "
                          "wurde nach „%2“ verschoben. Grund: %3")
                           .arg(lost, aside, contents.error));
            continue;
        }
        if (contents.points > 0 && ask(question(contents.saved, contents.points))) {
            if (takeBack(path)) {
                return;
            }
            continue;
        }
        QFile::remove(path);
    }
}

bool RecoveryControl::ask(const QString& question) {
    if (const std::optional<bool> answer = TestingAids::recoveryAnswer()) {
        note(question + (*answer ? QStringLiteral(" [Ja]") : QStringLiteral(" [Nein]")));
        return *answer;
    }
    // A stray Enter or Escape must not throw the measured points away.
    return services_.question(question, FrameworkServices::kAnswerYes) ==
           FrameworkServices::kAnswerYes;
}

bool RecoveryControl::takeBack(const QString& path) {
    // The open dialog keeps starting where the user last opened a series, not in this folder.
    chart::DocumentOpener& opener = files_.documentOpener();
    const QString folderBefore = opener.lastFolder();
    const bool opened = files_.openFile(path);
    opener.setLastFolder(folderBefore);
    if (opened) {
        // Opened like a saved file, it is in none: opening another one asks first.
        experiment_.markSeriesUnsaved();
        copy_.waitWritten(); // the series lives on in this instance's own copy
        QFile::remove(path);
    } else {
        folder_.moveAside(path, QFileInfo(path).fileName());
    }
    return opened;
}

void RecoveryControl::reportFailure(const QString& reason) {
    services_.message(tr("Die Wiederherstellungskopie der Messreihe kann nicht geschrieben "
                         "werden.\n\n%1\n\nDas Programm läuft ohne Wiederherstellungskopie "
                         "weiter. Speichern Sie die Messreihe mit „Messreihe speichern“, damit "
                         "bei einem unerwarteten Programmende nichts verloren geht.")
                          .arg(reason));
}

} // namespace vozavero
