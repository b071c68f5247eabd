// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Reasons for failed saves, by the system's error number, and the look at the target path
// that finds the common causes before a byte is written.
#include "SaveFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>

namespace vozavero::chart {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QFileInfo SaveFailure::nearestExisting(const QString& folder) {
    QFileInfo part(QFileInfo(folder).absoluteFilePath());
    while (!part.exists()) {
        const QString parent = part.absolutePath();
        if (parent == part.absoluteFilePath()) {
            break;
        }
        part = QFileInfo(parent);
    }
    return part;
}

int SaveFailure::checkPath(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return EISDIR;
    }
    // The nearest part of the folder path that exists must be a folder, and the target's own
    // folder must exist.
    const QFileInfo folder(target.absolutePath());
    if (folder.isDir()) {
        return 0;
    }
    return nearestExisting(folder.absoluteFilePath()).isDir() ? ENOENT : ENOTDIR;
}

int SaveFailure::checkFolder(const QString& folder) {
    return nearestExisting(folder).isDir() ? 0 : ENOTDIR;
}

QString SaveFailure::reason(int errorNumber, const QString& path) {
    const QFileInfo target(path);
    return reasonFor(errorNumber, target.absolutePath(), target.absoluteFilePath());
}

QString SaveFailure::folderReason(int errorNumber, const QString& folder) {
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    return reasonFor(errorNumber, absolute, absolute);
}

QString SaveFailure::reasonFor(int errorNumber, const QString& folder, const QString& target) {
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return tr("Auf dem Datenträger ist nicht mehr genug Platz frei. Bitte Platz "
                  "schaffen oder einen anderen Speicherort wählen.");
    case EACCES:
    case EPERM:
        // The folder that refuses is the nearest one that exists: a missing folder would be
        // made inside it.
        return tr("Sie haben keine Berechtigung, im Ordner „%1“ zu speichern. Bitte "
                  "einen anderen Speicherort wählen.")
            .arg(native(nearestExisting(folder).absoluteFilePath()));
    case EROFS:
        return tr("Der Datenträger ist schreibgeschützt. Bitte einen anderen "
                  "Speicherort wählen.");
    case ENOTDIR:
    case EEXIST:
        if (const QFileInfo blocking = nearestExisting(folder);
            blocking.exists() && !blocking.isDir()) {
            return QCoreApplication::translate("SaveFailure",
                                               "„%1“ ist eine Datei, kein Ordner. Bitte einen "
                                               "anderen Speicherort wählen.")
                .arg(native(blocking.absoluteFilePath()));
        }
        [[fallthrough]];
    case ENOENT:
        return tr("Den Ordner „%1“ gibt es nicht.").arg(native(folder));
    case EISDIR:
        return tr("„%1“ ist ein Ordner, keine Datei. Bitte einen anderen Dateinamen "
                  "wählen.")
            .arg(native(target));
    case ENAMETOOLONG:
        return tr("Der Dateiname ist zu lang.");
    default:
        return tr("Beim Schreiben ist ein Fehler aufgetreten.");
    }
}

} // namespace vozavero::chart
