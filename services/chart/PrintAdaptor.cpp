// The printer shared by the print commands: the system's default printer, or a PDF file when
// there is none or when a caller (a test) asks for one.
#include "PrintAdaptor.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace vozavero::chart {

namespace {

/// Where prints go on a system without any printer.
QString fallbackPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QDir(folder).filePath(QStringLiteral("teilchen.pdf"));
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
        usePdfFile(fallbackPdfPath());
        return;
    }
    printer_->setOutputFileName(QString());
    printer_->setOutputFormat(QPrinter::NativeFormat);
    printer_->setPrinterName(info.printerName());
}

void PrintAdaptor::usePdfFile(const QString& path) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(path);
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

} // namespace vozavero::chart
