#pragma once
// Reads the text of a ".kpx" file strictly (docs/kpx-format.md): the records in their fixed
// order, every field in exactly the form the format allows. The first deviation makes the whole
// file invalid, with a reason that names the line; nothing is guessed or repaired.
#include "ChartDocument.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>

namespace vozavero::chart {

class ChartFileReader {
    Q_DECLARE_TR_FUNCTIONS(ChartFileReader)

public:
    /// The magic word that opens the first line.
    static const QString& magic();
    /// The format version this program writes and reads.
    static constexpr int kFormatVersion = 1;

    /// text: the whole file text after decoding, lines ending in "\n" or "\r\n".
    explicit ChartFileReader(const QString& text);

    /// The document, or null when the text is not a valid file (the reason is in error()).
    std::unique_ptr<ChartDocument> read();
    const QString& error() const { return error_; }

private:
    bool fail(const QString& reason);
    bool readVersion();
    bool readChart(ChartDocument& doc);
    bool readAxis(const QString& key, ChartAxis& axis);
    bool readCurve(CurveStyle& curve);
    /// The next line, which must be key followed by count fields; the fields go to fields_.
    bool record(const QString& key, qsizetype count);
    /// The next line as count fields without a key (a point line).
    bool plain(qsizetype count);
    bool text(const QString& field, QString& out);
    bool real(const QString& field, double& out);
    bool whole(const QString& field, qint64 lo, qint64 hi, qint64& out);
    /// Lines not read yet.
    qsizetype remaining() const { return lines_.size() - next_; }

    QStringList lines_;
    /// Index of the next line to read; also the number (from 1) of the line read last.
    qsizetype next_ = 0;
    QStringList fields_;
    QString error_;
};

} // namespace vozavero::chart
