// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The ".kpx" text format of a chart document (see docs/kpx-format.md): writing it, reading it
// strictly (any deviation is reported, never guessed at), and storing it atomically.
#include "ChartFile.h"

#include "AtomicFile.h"
#include "ChartFileReader.h"

#include <QDir>
#include <QFile>
#include <QStringConverter>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cmath>

namespace vozavero::chart {

namespace {

/// Escapes backslash, tab, line feed and carriage return so a text fits one tab-separated field.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

/// The shortest decimal text that reads back as exactly v, always with '.' as decimal point.
QString number(double v) {
    if (v == 0.0 && std::signbit(v)) {
        return QStringLiteral("-0");
    }
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString ChartFile::toText(const ChartDocument& doc) {
    QString out;
    const auto line = [&out](std::initializer_list<QString> fields) {
        out += QStringList(fields).join(u'\t') + u'\n';
    };
    line({ChartFileReader::magic() + u' ' + QString::number(ChartFileReader::kFormatVersion)});
    line({QStringLiteral("document"), escaped(doc.name())});
    line({QStringLiteral("defaultFileName"), escaped(doc.defaultFileName())});
    line({QStringLiteral("charts"), QString::number(doc.chartCount())});
    for (int c = 0; c < doc.chartCount(); ++c) {
        const Chart& chart = doc.chart(c);
        line({QStringLiteral("chart"), escaped(chart.name())});
        for (const auto& [key, axis] : {std::pair{QStringLiteral("xAxis"), &chart.xAxis()},
                                        std::pair{QStringLiteral("yAxis"), &chart.yAxis()}}) {
            line({key, escaped(axis->title), escaped(axis->unit), number(axis->minimum),
                  number(axis->maximum)});
        }
        const CurveStyle& curve = chart.curve();
        line({QStringLiteral("curve"),
              curve.colour.name(curve.colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb),
              QString::number(curve.lineWidth), QString::number(curve.lineStyle),
              QString::number(curve.markers ? 1 : 0), QString::number(curve.markerShape)});
        line({QStringLiteral("points"), QString::number(chart.count())});
        for (const QPointF& p : chart.points()) {
            line({number(p.x()), number(p.y())});
        }
    }
    line({QStringLiteral("end")});
    return out;
}

std::unique_ptr<ChartDocument> ChartFile::fromText(const QString& text, QString* error,
                                                   const ChartTitles& titles) {
    ChartFileReader reader(text, titles);
    auto doc = reader.read();
    if (!doc && error) {
        *error = reader.error();
    }
    return doc;
}

std::unique_ptr<ChartDocument> ChartFile::fromBytes(QByteArrayView bytes, QString* error,
                                                    const ChartTitles& titles) {
    const QByteArrayView bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        bytes = bytes.sliced(bom.size());
    }
    // Stateless: a sequence cut off at the end counts as an error instead of waiting for more.
    // A second byte order mark stays in the text as a character and so spoils the first line.
    const auto decode = [](QByteArrayView part, QString& text) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        text = decoder.decode(part);
        return !decoder.hasError();
    };
    QString text;
    if (!decode(bytes, text)) {
        // Bad bytes in a last line without line feed alone are a file cut off inside a
        // character: the lines before it are read, and the cut line stays unreadable, so that
        // the reader tells where the file ends.
        const qsizetype complete = bytes.lastIndexOf('\n') + 1;
        if (complete == 0 || complete == bytes.size() || !decode(bytes.first(complete), text)) {
            if (error) {
                *error = tr("Die Datei ist keine Vozavero-Messreihe.");
            }
            return nullptr;
        }
        text += QChar(QChar::ReplacementCharacter);
    }
    return fromText(text, error, titles);
}

bool ChartFile::save(const ChartDocument& doc, const QString& path, QString* error) {
    return AtomicFile::write(path, toText(doc).toUtf8(), error);
}

std::unique_ptr<ChartDocument> ChartFile::load(const QString& path, QString* error,
                                               const ChartTitles& titles) {
    const auto failed = [&](const QString& reason) -> std::unique_ptr<ChartDocument> {
        if (error) {
            *error = tr("Die Datei „%1“ konnte nicht gelesen werden: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        }
        return nullptr;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(file.errorString());
    }
    QString reason;
    auto doc = fromBytes(file.readAll(), &reason, titles);
    if (!doc) {
        return failed(reason);
    }
    return doc;
}

} // namespace vozavero::chart
