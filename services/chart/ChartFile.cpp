// The ".kpx" text format of a chart document (see docs/kpx-format.md): writing it, reading it
// strictly (any deviation is reported, never guessed at), and storing it atomically.
#include "ChartFile.h"

#include "SaveFailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>

namespace vozavero::chart {

namespace {

const QString magic = QStringLiteral("VOZAVERO-KPX");
constexpr int formatVersion = 1;

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

/// Reverses escaped(); false for a backslash that starts no known escape.
bool unescaped(const QString& field, QString& text) {
    text.clear();
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'\\') {
            text += field[i];
            continue;
        }
        if (++i == field.size()) {
            return false;
        }
        switch (field[i].unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u't':
            text += u'\t';
            break;
        case u'n':
            text += u'\n';
            break;
        case u'r':
            text += u'\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

/// The shortest decimal text that reads back as exactly v, always with '.' as decimal point.
QString number(double v) {
    if (v == 0.0 && std::signbit(v)) {
        return QStringLiteral("-0");
    }
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

/// Line-by-line reader of the file text that remembers the first problem it met.
class Reader {
public:
    explicit Reader(const QString& text)
        : lines_(text.split(u'\n')) {
        for (QString& line : lines_) {
            if (line.endsWith(u'\r')) {
                line.chop(1);
            }
        }
        // The text ends in a line feed, which leaves one empty piece after it.
        if (!lines_.isEmpty() && lines_.back().isEmpty()) {
            lines_.removeLast();
        }
    }

    const QString& error() const { return error_; }
    bool failed() const { return !error_.isEmpty(); }
    qsizetype remaining() const { return lines_.size() - next_; }
    /// Number (from 1) of the line read last.
    qsizetype lineNumber() const { return next_; }

    bool fail(const QString& reason) {
        if (error_.isEmpty()) {
            error_ = reason;
        }
        return false;
    }

    /// The next line as it stands; false at the end of the text.
    bool next(QString& line) {
        if (next_ >= lines_.size()) {
            return false;
        }
        line = lines_[next_++];
        return true;
    }

    /// The fields of the next line, which must start with key and have count fields after it.
    bool record(const QString& key, qsizetype count, QStringList& fields) {
        if (failed()) {
            return false;
        }
        if (next_ >= lines_.size()) {
            return fail(
                QStringLiteral("Die Datei ist unvollständig: Es fehlt die Angabe „%1“.").arg(key));
        }
        const qsizetype lineNumber = next_ + 1;
        fields = lines_[next_++].split(u'\t');
        if (fields.front() != key || fields.size() != count + 1) {
            return fail(
                QStringLiteral("Zeile %1 ist fehlerhaft: Erwartet wird „%2“ mit %3 Angaben.")
                    .arg(lineNumber)
                    .arg(key)
                    .arg(count));
        }
        fields.removeFirst();
        return true;
    }

    /// The fields of the next line without a key (a point line).
    bool plain(qsizetype count, QStringList& fields) {
        if (failed()) {
            return false;
        }
        if (next_ >= lines_.size()) {
            return fail(QStringLiteral("Die Datei ist unvollständig: Es fehlen Messwerte."));
        }
        const qsizetype lineNumber = next_ + 1;
        fields = lines_[next_++].split(u'\t');
        if (fields.size() != count) {
            return fail(QStringLiteral("Zeile %1 ist fehlerhaft: Erwartet werden %2 Zahlen.")
                            .arg(lineNumber)
                            .arg(count));
        }
        return true;
    }

    bool text(const QString& field, QString& out) {
        return unescaped(field, out) ||
               fail(QStringLiteral("Zeile %1 enthält einen ungültigen Text.").arg(next_));
    }

    bool real(const QString& field, double& out) {
        bool ok = false;
        out = field.toDouble(&ok);
        return ok || fail(QStringLiteral("Zeile %1 enthält keine gültige Zahl: „%2“.")
                              .arg(next_)
                              .arg(field.left(40)));
    }

    bool integer(const QString& field, int& out, int lo, int hi) {
        bool ok = false;
        out = field.toInt(&ok);
        return (ok && out >= lo && out <= hi) ||
               fail(QStringLiteral("Zeile %1 enthält einen ungültigen Wert: „%2“.")
                        .arg(next_)
                        .arg(field.left(40)));
    }

private:
    QStringList lines_;
    qsizetype next_ = 0;
    QString error_;
};

bool readAxis(Reader& in, const QString& key, ChartAxis& axis) {
    QStringList f;
    return in.record(key, 4, f) && in.text(f[0], axis.title) && in.text(f[1], axis.unit) &&
           in.real(f[2], axis.minimum) && in.real(f[3], axis.maximum);
}

bool readCurve(Reader& in, CurveStyle& curve) {
    QStringList f;
    if (!in.record(QStringLiteral("curve"), 5, f)) {
        return false;
    }
    curve.colour = QColor::fromString(f[0]);
    if (!curve.colour.isValid()) {
        return in.fail(
            QStringLiteral("Zeile %1 enthält keine gültige Farbe.").arg(in.lineNumber()));
    }
    int markers = 0;
    if (!in.integer(f[1], curve.lineWidth, 0, 100) || !in.integer(f[2], curve.lineStyle, 0, 1) ||
        !in.integer(f[3], markers, 0, 1) || !in.integer(f[4], curve.markerShape, 1, 2)) {
        return false;
    }
    curve.markers = markers == 1;
    return true;
}

bool readChart(Reader& in, ChartDocument& doc) {
    QStringList f;
    QString name;
    if (!in.record(QStringLiteral("chart"), 1, f) || !in.text(f[0], name)) {
        return false;
    }
    Chart& chart = doc.addChart(name);
    int count = 0;
    if (!readAxis(in, QStringLiteral("xAxis"), chart.xAxis()) ||
        !readAxis(in, QStringLiteral("yAxis"), chart.yAxis()) || !readCurve(in, chart.curve()) ||
        !in.record(QStringLiteral("points"), 1, f) ||
        !in.integer(f[0], count, 0,
                    static_cast<int>(std::min<qsizetype>(in.remaining(), INT_MAX)))) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        double x = 0;
        double y = 0;
        if (!in.plain(2, f) || !in.real(f[0], x) || !in.real(f[1], y)) {
            return false;
        }
        chart.append(x, y);
    }
    return true;
}

} // namespace

QString ChartFile::toText(const ChartDocument& doc) {
    QString out;
    const auto line = [&out](std::initializer_list<QString> fields) {
        out += QStringList(fields).join(u'\t') + u'\n';
    };
    line({magic + u' ' + QString::number(formatVersion)});
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

std::unique_ptr<ChartDocument> ChartFile::fromText(const QString& text, QString* error) {
    Reader in(text);
    QStringList f;
    const auto failed = [&]() -> std::unique_ptr<ChartDocument> {
        if (error) {
            *error = in.error();
        }
        return nullptr;
    };

    const QString notOurs = QStringLiteral("Die Datei ist keine Vozavero-Messreihe.");
    QString first;
    if (!in.next(first) || !first.startsWith(magic + u' ')) {
        in.fail(notOurs);
        return failed();
    }
    bool ok = false;
    const int version = first.mid(magic.size() + 1).toInt(&ok);
    if (!ok || version < 1) {
        in.fail(notOurs);
        return failed();
    }
    if (version > formatVersion) {
        in.fail(QStringLiteral("Die Datei wurde mit einer neueren Programmversion gespeichert "
                               "(Format %1) und kann nicht gelesen werden.")
                    .arg(version));
        return failed();
    }

    auto doc = std::make_unique<ChartDocument>();
    QString value;
    int charts = 0;
    if (!in.record(QStringLiteral("document"), 1, f) || !in.text(f[0], value)) {
        return failed();
    }
    doc->setName(value);
    if (!in.record(QStringLiteral("defaultFileName"), 1, f) || !in.text(f[0], value)) {
        return failed();
    }
    doc->setDefaultFileName(value);
    if (!in.record(QStringLiteral("charts"), 1, f) ||
        !in.integer(f[0], charts, 0,
                    static_cast<int>(std::min<qsizetype>(in.remaining(), INT_MAX)))) {
        return failed();
    }
    for (int c = 0; c < charts; ++c) {
        if (!readChart(in, *doc)) {
            return failed();
        }
    }
    if (!in.record(QStringLiteral("end"), 0, f)) {
        return failed();
    }
    if (in.remaining() > 0) {
        in.fail(QStringLiteral("Nach dem Ende der Messreihe folgen weitere Zeilen."));
        return failed();
    }
    return doc;
}

bool ChartFile::save(const ChartDocument& doc, const QString& path, QString* error) {
    const auto failed = [&](int errorNumber) {
        if (error) {
            *error =
                QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\n\n%2")
                    .arg(QDir::toNativeSeparators(path), SaveFailure::reason(errorNumber, path));
        }
        return false;
    };
    if (const int known = SaveFailure::checkPath(path); known != 0) {
        return failed(known);
    }
    // The error number is read right after the failing call, before anything else can change
    // it; a failed open without one is almost always a folder that may not be written to.
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int openError = errno;
        return failed(openError != 0
                          ? openError
                          : (QFileInfo(QFileInfo(path).absolutePath()).isWritable() ? 0 : EACCES));
    }
    const QByteArray bytes = toText(doc).toUtf8();
    // The write lands in a buffer; only the flush meets a full disk. A commit after a failed
    // flush would replace the earlier file with a short one and still report success, so the
    // flush is checked on its own before committing.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int writeError = errno;
        file.cancelWriting();
        return failed(writeError);
    }
    if (!file.commit()) {
        return failed(errno);
    }
    return true;
}

std::unique_ptr<ChartDocument> ChartFile::load(const QString& path, QString* error) {
    const auto failed = [&](const QString& reason) -> std::unique_ptr<ChartDocument> {
        if (error) {
            *error = QStringLiteral("Die Datei „%1“ konnte nicht gelesen werden: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        }
        return nullptr;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(file.errorString());
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        return failed(QStringLiteral("Die Datei ist keine Vozavero-Messreihe."));
    }
    QString reason;
    auto doc = fromText(text, &reason);
    if (!doc) {
        return failed(reason);
    }
    return doc;
}

} // namespace vozavero::chart
