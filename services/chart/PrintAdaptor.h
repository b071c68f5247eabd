#pragma once
// Holds the printer that the print commands of charts and the graph view print on. It is given
// the system's current printer on request; tests give it a PDF file printer instead.
#include <QString>
#include <memory>

class QPrinter;

namespace vozavero::chart {

class PrintAdaptor {
public:
    PrintAdaptor();
    ~PrintAdaptor();

    /// Takes the printer currently selected as the system default (or a PDF file in the user's
    /// documents folder when the system has no printer).
    void useSystemPrinter();
    /// Prints into a PDF file instead of a printer.
    void usePdfFile(const QString& path);
    /// The printer in use; never null after construction.
    QPrinter& printer();
    /// Name of the printer in use, or the PDF file path.
    QString description() const;

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace vozavero::chart
