// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Atomic writing of a file through a temporary file that is renamed into place on success.
#include "AtomicFile.h"

#include "SaveFailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace vozavero::chart {

bool AtomicFile::write(const QString& path, const QByteArray& bytes, QString* error) {
    const auto failed = [&](int errorNumber) {
        if (error) {
            *error =
                tr("Die Datei „%1“ konnte nicht gespeichert werden.\n\n%2")
                    .arg(QDir::toNativeSeparators(path), SaveFailure::reason(errorNumber, path));
        }
        return false;
    };
    if (const int known = SaveFailure::checkPath(path); known != 0) {
        return failed(known);
    }
    // The error number is read right after the failing call, before anything else can change
    // it; a failed open without one is almost always a folder that may not be written to.
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int openError = errno;
        return failed(openError != 0
                          ? openError
                          : (QFileInfo(QFileInfo(path).absolutePath()).isWritable() ? 0 : EACCES));
    }
    // The write lands in a buffer; only the flush meets a full disk. A commit after a failed
    // flush would replace the earlier file with a short one and still report success, so the
    // flush is checked on its own before committing.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int writeError = errno;
        file.cancelWriting();
        return failed(writeError);
    }
    if (!file.commit()) {
        return failed(errno);
    }
    return true;
}

bool AtomicFile::makeFolder(const QString& path, QString* error) {
    if (QFileInfo(path).isDir()) {
        return true;
    }
    int cause = SaveFailure::checkFolder(path);
    if (cause == 0) {
        errno = 0;
        if (QDir().mkpath(path)) {
            return true;
        }
        // A folder that refuses a new folder in it without saying why is one that may not be
        // written to.
        cause = errno != 0 ? errno : EACCES;
    }
    if (error) {
        *error = QCoreApplication::translate("AtomicFile",
                                             "Der Ordner „%1“ konnte nicht angelegt werden.\n\n%2")
                     .arg(QDir::toNativeSeparators(path), SaveFailure::folderReason(cause, path));
    }
    return false;
}

} // namespace vozavero::chart
