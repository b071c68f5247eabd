// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Reads and writes a chart document as a versioned, human-readable text file (the ".kpx" format,
// described in docs/kpx-format.md): every chart with its axes, curve style and points at full
// double precision. Writing is atomic: a failed save leaves an existing file untouched.
#pragma once
#include "ChartDocument.h"
#include "ChartFileReader.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <memory>

namespace vozavero::chart {

class ChartFile {
    Q_DECLARE_TR_FUNCTIONS(ChartFile)

public:
    /// Writes doc to path. On failure returns false and puts a reason into error.
    static bool save(const ChartDocument& doc, const QString& path, QString* error = nullptr);
    /// Reads a document from path; null with a reason in error when it cannot. titles names the
    /// charts in a reason.
    static std::unique_ptr<ChartDocument> load(const QString& path, QString* error = nullptr,
                                               const ChartTitles& titles = {});
    /// The file text for doc (what save writes).
    static QString toText(const ChartDocument& doc);
    /// Parses file text; null with a reason in error when it is not a valid document.
    static std::unique_ptr<ChartDocument> fromText(const QString& text, QString* error = nullptr,
                                                   const ChartTitles& titles = {});
    /// Parses the bytes of a file (UTF-8, a byte order mark at the start skipped); null with a
    /// reason in error when they are not a valid document.
    static std::unique_ptr<ChartDocument> fromBytes(QByteArrayView bytes, QString* error = nullptr,
                                                    const ChartTitles& titles = {});
};

} // namespace vozavero::chart
