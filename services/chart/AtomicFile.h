// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Writes a file all at once or not at all: the bytes go into a temporary file beside the target,
// which takes the target's place only when every byte was written, so a failed write leaves an
// earlier file untouched. A failure is told in a sentence naming its cause; so is a folder that
// cannot be made for such files.
#pragma once
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace vozavero::chart {

class AtomicFile {
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)

public:
    /// Writes bytes to path, replacing a file there. On failure returns false, leaves an earlier
    /// file as it was and puts a reason into error (when given).
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    /// Makes the folder path and every missing folder above it (nothing to do when it exists).
    /// On failure returns false and puts a reason into error (when given).
    static bool makeFolder(const QString& path, QString* error = nullptr);
};

} // namespace vozavero::chart
