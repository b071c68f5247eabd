// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The printer shared by the print commands: the system's default printer, numbered PDF files
// when there is none, or a fixed PDF file when a caller (a test) asks for one.
#include "PrintAdaptor.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace vozavero::chart {

namespace {

/// Where prints go on a system without any printer: the documents folder, else the home folder.
QString fallbackFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

} // namespace

// The system printer is looked up only when asked for (at start-up and before printing the
// graph): asking the print system can be slow, and start-up asks once already.
PrintAdaptor::PrintAdaptor()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

PrintAdaptor::~PrintAdaptor() = default;

void PrintAdaptor::useSystemPrinter() {
    // The printer object is reconfigured rather than replaced, so references handed out by
    // printer() stay valid.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        usePdfFolder(fallbackFolder());
        return;
    }
    pdfFolder_.clear();
    printer_->setOutputFileName(QString());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(info.printerName());
}

void PrintAdaptor::usePdfFolder(const QString& folder) {
    pdfFolder_ = folder;
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(freePdfPath(folder));
}

void PrintAdaptor::usePdfFile(const QString& path) {
    pdfFolder_.clear();
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(path);
}

QPrinter& PrintAdaptor::startJob() {
    if (!pdfFolder_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(freePdfPath(pdfFolder_));
    }
    return *printer_;
}

QPrinter& PrintAdaptor::printer() {
    return *printer_;
}

QString PrintAdaptor::description() const {
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        return QDir::toNativeSeparators(printer_->outputFileName());
    }
    return printer_->printerName();
}

QString PrintAdaptor::freePdfPath(const QString& folder) {
    const QDir dir(folder);
    QString path = dir.filePath(tr("teilchen.pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.filePath(tr("teilchen-%1.pdf").arg(n));
    }
    return path;
}

} // namespace vozavero::chart
