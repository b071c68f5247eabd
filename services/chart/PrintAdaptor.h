// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Holds the printer that the print commands of charts and the graph view print on. It is given
// the system's current printer on request. A system without a printer gets PDF files instead, in
// the user's documents folder, numbered so that no print replaces an earlier one
// ("teilchen.pdf", "teilchen-2.pdf", ...); tests give it a fixed PDF file or their own folder.
#pragma once
#include <QCoreApplication>
#include <QString>
#include <memory>

class QPrinter;

namespace vozavero::chart {

class PrintAdaptor {
    Q_DECLARE_TR_FUNCTIONS(PrintAdaptor)

public:
    PrintAdaptor();
    ~PrintAdaptor();

    /// Takes the printer currently selected as the system default, or numbered PDF files in the
    /// user's documents folder when the system has no printer.
    void useSystemPrinter();
    /// Prints into numbered PDF files in folder, as on a system without a printer.
    void usePdfFolder(const QString& folder);
    /// Prints into one PDF file, replaced by every print.
    void usePdfFile(const QString& path);

    /// Prepares one print and returns the printer to paint on: in the numbered-file mode it
    /// picks the first name not yet taken. Never null.
    QPrinter& startJob();
    /// The printer in use; never null after construction.
    QPrinter& printer();
    /// Whether prints go to numbered PDF files because there is no printer.
    bool printsToPdfFolder() const { return !pdfFolder_.isEmpty(); }
    /// Name of the printer in use, or the path of the PDF file last printed to (or next, before
    /// the first print).
    QString description() const;

    /// The first of "teilchen.pdf", "teilchen-2.pdf", "teilchen-3.pdf", ... in folder that does
    /// not exist yet.
    static QString freePdfPath(const QString& folder);

private:
    std::unique_ptr<QPrinter> printer_;
    /// Folder of the numbered PDF files; empty when a printer or a fixed file is in use.
    QString pdfFolder_;
};

} // namespace vozavero::chart
