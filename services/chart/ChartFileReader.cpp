// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The strict reader of the ".kpx" text: splitting into lines, the record sequence, the fields
// in their exact forms, and the reasons for a file that is refused.
#include "ChartFileReader.h"

#include "ChartFileFields.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace vozavero::chart {

const QString& ChartFileReader::magic() {
    static const QString word = QStringLiteral("VOZAVERO-KPX");
    return word;
}

ChartFileReader::ChartFileReader(const QString& text, ChartTitles titles)
    : lines_(text.split(u'\n'))
    , titles_(std::move(titles)) {
    // A final line feed leaves one empty piece behind it, which is no line.
    if (!lines_.isEmpty() && lines_.back().isEmpty()) {
        lines_.removeLast();
    }
    for (QString& line : lines_) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
    }
    // Only "end" may go without its line feed; any other last line without one was cut off
    // where the file ends, so it is no line to be read.
    if (!text.isEmpty() && !text.endsWith(u'\n') && lines_.back() != QLatin1String("end")) {
        fragment_ = lines_.takeLast();
        cut_ = true;
    }
}

std::unique_ptr<ChartDocument> ChartFileReader::read() {
    if (!readVersion()) {
        return nullptr;
    }
    auto doc = std::make_unique<ChartDocument>();
    QString value;
    if (!record(QStringLiteral("document"), 1) || !text(fields_[0], value)) {
        return nullptr;
    }
    doc->setName(value);
    if (!record(QStringLiteral("defaultFileName"), 1) || !text(fields_[0], value)) {
        return nullptr;
    }
    doc->setDefaultFileName(value);
    // Counts are not held against the lines that follow: a file that ends before its count is
    // reached is told as one that ends early.
    qint64 charts = 0;
    if (!record(QStringLiteral("charts"), 1) || !whole(fields_[0], 0, kMostCount, charts)) {
        return nullptr;
    }
    chartsDeclared_ = charts;
    for (qint64 c = 0; c < charts; ++c) {
        if (!readChart(*doc)) {
            return nullptr;
        }
        ++chartsDone_;
    }
    if (!record(QStringLiteral("end"), 0)) {
        return nullptr;
    }
    if (remaining() > 0 || cut_) {
        fail(tr("Nach dem Ende der Messreihe folgen weitere Zeilen."));
        return nullptr;
    }
    return doc;
}

bool ChartFileReader::fail(const QString& reason) {
    if (error_.isEmpty()) {
        error_ = reason;
    }
    return false;
}

QString ChartFileReader::endedEarly() const {
    // Only whole lines count as read: a cut-off last line is no line.
    const QString where = next_ == 0 ? tr("Die Datei endet vorzeitig schon in ihrer ersten Zeile")
                                     : tr("Die Datei endet vorzeitig (nach Zeile %1)").arg(next_);
    if (chartsDeclared_ < 0) {
        return where + tr(", noch vor dem ersten Diagramm.");
    }
    const qint64 missingCharts = chartsDeclared_ - chartsDone_;
    if (!inChart_) {
        if (missingCharts == 0) {
            return where + tr(": Es fehlt die Schlusszeile „end“.");
        }
        if (missingCharts == chartsDeclared_) {
            return where + (missingCharts == 1
                                ? tr("; das Diagramm fehlt.")
                                : tr("; es fehlen alle %1 Diagramme.").arg(missingCharts));
        }
        return where + (missingCharts == 1
                            ? tr("; es fehlt eines der %1 Diagramme.").arg(chartsDeclared_)
                            : tr("; es fehlen %1 der %2 Diagramme.")
                                  .arg(missingCharts)
                                  .arg(chartsDeclared_));
    }
    const QString title = chartTitle();
    QString text = where;
    if (pointsDeclared_ < 0) {
        text += tr(" mitten in den Angaben zum Diagramm „%1“; seine Messpunkte fehlen.").arg(title);
    } else {
        const qint64 missing = pointsDeclared_ - pointsRead_;
        text += missing == 1 ? tr("; es fehlt 1 Messpunkt von „%1“.").arg(title)
                             : tr("; es fehlen %1 Messpunkte von „%2“.").arg(missing).arg(title);
    }
    const qint64 later = missingCharts - 1;
    if (later == 1) {
        text += tr(" Außerdem fehlt ein weiteres Diagramm.");
    } else if (later > 1) {
        text += tr(" Außerdem fehlen %1 weitere Diagramme.").arg(later);
    }
    return text;
}

QString ChartFileReader::chartTitle() const {
    const QString title = titles_ ? titles_(chartName_) : QString();
    if (!title.isEmpty()) {
        return title;
    }
    return chartName_.isEmpty() ? tr("Nr. %1").arg(chartsDone_ + 1) : chartName_;
}

bool ChartFileReader::readVersion() {
    const QString notOurs = tr("Die Datei ist keine Vozavero-Messreihe.");
    if (remaining() == 0) {
        // A first line cut off after the magic word belongs to a file of ours that ends early.
        return fail(cut_ && fragment_.startsWith(magic()) ? endedEarly() : notOurs);
    }
    const QString& first = lines_[next_++];
    if (!first.startsWith(magic() + u' ')) {
        return fail(notOurs);
    }
    const QStringView digits = QStringView(first).mid(magic().size() + 1);
    const bool wellFormed =
        !digits.isEmpty() && digits.front() != u'0' &&
        std::all_of(digits.begin(), digits.end(), ChartFileFields::isAsciiDigit);
    if (!wellFormed) {
        return fail(notOurs);
    }
    if (digits != QString::number(kFormatVersion)) {
        return fail(tr("Die Datei wurde mit einer neueren Programmversion gespeichert "
                       "(Format %1) und kann nicht gelesen werden.")
                        .arg(digits.left(20)));
    }
    return true;
}

bool ChartFileReader::readChart(ChartDocument& doc) {
    QString name;
    if (!record(QStringLiteral("chart"), 1) || !text(fields_[0], name)) {
        return false;
    }
    Chart& chart = doc.addChart(name);
    inChart_ = true;
    chartName_ = name;
    pointsDeclared_ = -1;
    pointsRead_ = 0;
    qint64 count = 0;
    if (!readAxis(QStringLiteral("xAxis"), chart.xAxis()) ||
        !readAxis(QStringLiteral("yAxis"), chart.yAxis()) || !readCurve(chart.curve()) ||
        !record(QStringLiteral("points"), 1) || !whole(fields_[0], 0, kMostCount, count)) {
        return false;
    }
    pointsDeclared_ = count;
    for (qint64 i = 0; i < count; ++i) {
        double x = 0;
        double y = 0;
        if (!plain(2) || !real(fields_[0], x) || !real(fields_[1], y)) {
            return false;
        }
        chart.append(x, y);
        ++pointsRead_;
    }
    inChart_ = false;
    return true;
}

bool ChartFileReader::readAxis(const QString& key, ChartAxis& axis) {
    return record(key, 4) && text(fields_[0], axis.title) && text(fields_[1], axis.unit) &&
           real(fields_[2], axis.minimum) && real(fields_[3], axis.maximum);
}

bool ChartFileReader::readCurve(CurveStyle& curve) {
    if (!record(QStringLiteral("curve"), 5)) {
        return false;
    }
    const std::optional<QColor> c = ChartFileFields::colour(fields_[0]);
    if (!c) {
        return fail(
            tr("Zeile %1 enthält keine gültige Farbe: „%2“.").arg(next_).arg(fields_[0].left(40)));
    }
    curve.colour = *c;
    qint64 width = 0;
    qint64 style = 0;
    qint64 markers = 0;
    qint64 shape = 0;
    if (!whole(fields_[1], 0, 100, width) || !whole(fields_[2], 0, 1, style) ||
        !whole(fields_[3], 0, 1, markers) || !whole(fields_[4], 1, 2, shape)) {
        return false;
    }
    curve.lineWidth = static_cast<int>(width);
    curve.lineStyle = static_cast<int>(style);
    curve.markers = markers == 1;
    curve.markerShape = static_cast<int>(shape);
    return true;
}

bool ChartFileReader::record(const QString& key, qsizetype count) {
    if (!error_.isEmpty()) {
        return false;
    }
    if (remaining() == 0) {
        return fail(endedEarly());
    }
    fields_ = lines_[next_++].split(u'\t');
    if (fields_.front() != key || fields_.size() != count + 1) {
        return fail(tr("Zeile %1 ist fehlerhaft: Erwartet wird „%2“ mit %3 Angaben.")
                        .arg(next_)
                        .arg(key)
                        .arg(count));
    }
    fields_.removeFirst();
    return true;
}

bool ChartFileReader::plain(qsizetype count) {
    if (!error_.isEmpty()) {
        return false;
    }
    if (remaining() == 0) {
        return fail(endedEarly());
    }
    fields_ = lines_[next_++].split(u'\t');
    if (fields_.size() != count) {
        return fail(
            tr("Zeile %1 ist fehlerhaft: Erwartet werden %2 Zahlen.").arg(next_).arg(count));
    }
    return true;
}

bool ChartFileReader::text(const QString& field, QString& out) {
    std::optional<QString> value = ChartFileFields::unescaped(field);
    if (!value) {
        return fail(tr("Zeile %1 enthält einen ungültigen Text.").arg(next_));
    }
    out = std::move(*value);
    return true;
}

bool ChartFileReader::real(const QString& field, double& out) {
    const std::optional<double> value = ChartFileFields::decimal(field);
    if (!value) {
        return fail(
            tr("Zeile %1 enthält keine gültige Zahl: „%2“.").arg(next_).arg(field.left(40)));
    }
    out = *value;
    return true;
}

bool ChartFileReader::whole(const QString& field, qint64 lo, qint64 hi, qint64& out) {
    const std::optional<qint64> value = ChartFileFields::wholeNumber(field);
    if (!value || *value < lo || *value > hi) {
        return fail(
            tr("Zeile %1 enthält einen ungültigen Wert: „%2“.").arg(next_).arg(field.left(40)));
    }
    out = *value;
    return true;
}

} // namespace vozavero::chart
