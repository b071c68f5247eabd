// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Turns the cause of a failed save into a sentence for the user, in the program's language: no
// space left, no permission, a missing folder, a file where a folder should be, a folder where
// the file should be, and a general sentence for everything else. The cause comes from the
// system's error number where one is known, and from a look at the target path before anything
// is written.
#pragma once
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

namespace vozavero::chart {

class SaveFailure {
    Q_DECLARE_TR_FUNCTIONS(SaveFailure)

public:
    /// The error number (errno) that writing to path would certainly meet, found by looking at
    /// the path alone: EISDIR for an existing folder, ENOENT for a missing folder, ENOTDIR when a
    /// part of the folder path is a file; 0 when the path looks writable.
    static int checkPath(const QString& path);
    /// The error number that making the folder folder (with the folders above it) would
    /// certainly meet: ENOTDIR when it or a part of its path is a file; 0 otherwise.
    static int checkFolder(const QString& folder);
    /// A sentence for the error number errorNumber (errno); path names the target file.
    static QString reason(int errorNumber, const QString& path);
    /// A sentence for the error number errorNumber met while making the folder folder.
    static QString folderReason(int errorNumber, const QString& folder);

private:
    /// The sentence for a file target (a file) in folder, or for the folder itself (target ==
    /// folder).
    static QString reasonFor(int errorNumber, const QString& folder, const QString& target);
    /// The nearest part of the absolute path folder that exists, folder itself included.
    static QFileInfo nearestExisting(const QString& folder);
};

} // namespace vozavero::chart
