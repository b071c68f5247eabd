// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Reads the text of a ".kpx" file strictly (docs/kpx-format.md): the records in their fixed
// order, every field in exactly the form the format allows. The first deviation makes the whole
// file invalid, with a reason that names the line; nothing is guessed or repaired. A file that
// ends before its counts are reached is told as one that ends early, with what is missing.
#pragma once
#include "ChartDocument.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <memory>

namespace vozavero::chart {

/// The title people know a chart by, for its name in the file; empty when there is none.
using ChartTitles = std::function<QString(const QString& name)>;

class ChartFileReader {
    Q_DECLARE_TR_FUNCTIONS(ChartFileReader)

public:
    /// The magic word that opens the first line.
    static const QString& magic();
    /// The format version this program writes and reads.
    static constexpr int kFormatVersion = 1;

    /// text: the whole file text after decoding, lines ending in "\n" or "\r\n". titles names
    /// the charts in a reason (else their names in the file are used).
    explicit ChartFileReader(const QString& text, ChartTitles titles = {});

    /// The document, or null when the text is not a valid file (the reason is in error()).
    std::unique_ptr<ChartDocument> read();
    const QString& error() const { return error_; }

private:
    /// Largest count of charts or points the format's whole numbers can give.
    static constexpr qint64 kMostCount = std::numeric_limits<qint64>::max();

    bool fail(const QString& reason);
    /// Where the file ends and what is missing, for a file whose lines ran out.
    QString endedEarly() const;
    /// The chart being read as people know it: its title, else its name, else its number.
    QString chartTitle() const;
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
    ChartTitles titles_;
    /// The last piece of a text that ends without a line feed (other than "end"): not read.
    QString fragment_;
    bool cut_ = false;
    /// Progress, for the reason when the lines run out: the charts the file announced (-1:
    /// not yet known), those read whole, and of the chart being read its name and the points
    /// it announced (-1: not yet known) and has given.
    qint64 chartsDeclared_ = -1;
    qint64 chartsDone_ = 0;
    bool inChart_ = false;
    QString chartName_;
    qint64 pointsDeclared_ = -1;
    qint64 pointsRead_ = 0;
    /// Index of the next line to read; also the number (from 1) of the line read last.
    qsizetype next_ = 0;
    QStringList fields_;
    QString error_;
};

} // namespace vozavero::chart
