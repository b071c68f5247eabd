// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The folder of recovery copies (the application's local data folder + "/recovery/"). Every
// running instance keeps its copy there under the instance's name; a file belongs to the instance
// named before the first dot of its file name. The copies of instances that no longer run are lost
// series: this class finds them (newest first), takes one over for this instance so that no
// other instance offers it as well, reads it back, and moves one that is no series aside into the
// subfolder "unreadable".
#pragma once
#include "chart/ChartDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace vozavero {

class RecoveryFolder {
    Q_DECLARE_TR_FUNCTIONS(RecoveryFolder)

public:
    /// Whether the instance of that name still runs.
    using InstanceRunning = std::function<bool(const QString& instance)>;

    /// A copy read back.
    struct Contents {
        /// The series; null when the file is no series of this program.
        std::unique_ptr<chart::ChartDocument> series;
        /// Why it is no series (German, one sentence without the file's name).
        QString error;
        /// When the copy was last written: the time of its last point.
        QDateTime saved;
        /// The measured points (rows of the time charts).
        int points = 0;
    };

    /// folder: where the copies live; instance: this instance's name.
    RecoveryFolder(QString folder, QString instance, InstanceRunning running);

    /// The application's local data folder + "/recovery/".
    static QString standardPath();
    const QString& path() const { return folder_; }
    /// This instance's copy.
    QString copyPath() const;

    /// The copies of instances that no longer run, newest first. Removes what else such an
    /// instance left (a temporary file of an unfinished write).
    QStringList lostCopies() const;
    /// Takes a lost copy over for this instance (renames it to a name of this instance); returns
    /// its new path, or nothing when another instance took it first.
    QString claim(const QString& lostCopy) const;
    /// Reads a copy back and checks that it is a series of this program.
    static Contents read(const QString& path);
    /// Moves a copy into the subfolder "unreadable" under name (or "2-name", "3-name", ... when
    /// that is taken); returns its new path, or nothing when it could not be moved.
    QString moveAside(const QString& path, const QString& name) const;

private:
    static QString ownerOf(const QString& fileName);

    QString folder_;
    QString instance_;
    InstanceRunning running_;
};

} // namespace vozavero
