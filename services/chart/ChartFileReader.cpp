// The strict reader of the ".kpx" text: splitting into lines, the record sequence, and the exact
// form of every kind of field (texts with their escapes, decimal numbers, whole numbers, colours).
#include "ChartFileReader.h"

#include <QColor>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace vozavero::chart {

namespace {

/// Whole numbers longer than this are refused before they could overflow (18 digits fit).
constexpr qsizetype kMaxWholeDigits = 18;

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

/// Value of an ASCII hexadecimal digit in either case; -1 for any other character.
int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

/// "0" or a digit 1..9 followed by digits: no sign, no blanks, no leading zeros.
std::optional<qint64> wholeNumber(QStringView field) {
    if (field.isEmpty() || field.size() > kMaxWholeDigits ||
        (field.size() > 1 && field.front() == u'0')) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : field) {
        if (!isAsciiDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

/// Whether field has the form of a decimal number: an optional "-", digits, optionally "." and
/// digits, optionally "e" or "E", an optional sign and digits.
bool isDecimal(QStringView field) {
    qsizetype i = 0;
    const qsizetype n = field.size();
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < n && isAsciiDigit(field[i])) {
            ++i;
        }
        return i > start;
    };
    if (i < n && field[i] == u'-') {
        ++i;
    }
    if (!digits()) {
        return false;
    }
    if (i < n && field[i] == u'.') {
        ++i;
        if (!digits()) {
            return false;
        }
    }
    if (i < n && (field[i] == u'e' || field[i] == u'E')) {
        ++i;
        if (i < n && (field[i] == u'+' || field[i] == u'-')) {
            ++i;
        }
        if (!digits()) {
            return false;
        }
    }
    return i == n;
}

/// A number as the format allows it; none when the form is wrong or the value lies outside
/// double precision (it would read as infinity, or as zero although it has non-zero digits).
std::optional<double> decimal(QStringView field) {
    if (field == u"inf") {
        return std::numeric_limits<double>::infinity();
    }
    if (field == u"-inf") {
        return -std::numeric_limits<double>::infinity();
    }
    if (field == u"nan") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (!isDecimal(field)) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(field, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

/// "#rrggbb" or "#aarrggbb" with hexadecimal digits in either case.
std::optional<QColor> colour(QStringView field) {
    if ((field.size() != 7 && field.size() != 9) || field.front() != u'#') {
        return std::nullopt;
    }
    QRgb argb = 0;
    for (const QChar c : field.mid(1)) {
        const int digit = hexValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        argb = argb * 16 + static_cast<QRgb>(digit);
    }
    if (field.size() == 7) {
        argb |= 0xff000000u;
    }
    return QColor::fromRgba(argb);
}

/// Undoes the escapes of a text field; none for a raw carriage return or a backslash that
/// starts no known escape.
std::optional<QString> unescaped(QStringView field) {
    QString text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c == u'\r') {
            return std::nullopt;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i == field.size()) {
            return std::nullopt;
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
            return std::nullopt;
        }
    }
    return text;
}

} // namespace

const QString& ChartFileReader::magic() {
    static const QString word = QStringLiteral("VOZAVERO-KPX");
    return word;
}

ChartFileReader::ChartFileReader(const QString& text)
    : lines_(text.split(u'\n')) {
    // A final line feed leaves one empty piece behind it, which is no line.
    if (!lines_.isEmpty() && lines_.back().isEmpty()) {
        lines_.removeLast();
    }
    for (QString& line : lines_) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
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
    qint64 charts = 0;
    if (!record(QStringLiteral("charts"), 1) || !whole(fields_[0], 0, remaining(), charts)) {
        return nullptr;
    }
    for (qint64 c = 0; c < charts; ++c) {
        if (!readChart(*doc)) {
            return nullptr;
        }
    }
    if (!record(QStringLiteral("end"), 0)) {
        return nullptr;
    }
    if (remaining() > 0) {
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

bool ChartFileReader::readVersion() {
    const QString notOurs = tr("Die Datei ist keine Vozavero-Messreihe.");
    if (remaining() == 0) {
        return fail(notOurs);
    }
    const QString& first = lines_[next_++];
    if (!first.startsWith(magic() + u' ')) {
        return fail(notOurs);
    }
    const QStringView digits = QStringView(first).mid(magic().size() + 1);
    const bool wellFormed = !digits.isEmpty() && digits.front() != u'0' &&
                            std::all_of(digits.begin(), digits.end(), isAsciiDigit);
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
    qint64 count = 0;
    if (!readAxis(QStringLiteral("xAxis"), chart.xAxis()) ||
        !readAxis(QStringLiteral("yAxis"), chart.yAxis()) || !readCurve(chart.curve()) ||
        !record(QStringLiteral("points"), 1) || !whole(fields_[0], 0, remaining(), count)) {
        return false;
    }
    for (qint64 i = 0; i < count; ++i) {
        double x = 0;
        double y = 0;
        if (!plain(2) || !real(fields_[0], x) || !real(fields_[1], y)) {
            return false;
        }
        chart.append(x, y);
    }
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
    const std::optional<QColor> c = colour(fields_[0]);
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
        return fail(tr("Die Datei ist unvollständig: Es fehlt die Angabe „%1“.").arg(key));
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
        return fail(tr("Die Datei ist unvollständig: Es fehlen Messwerte."));
    }
    fields_ = lines_[next_++].split(u'\t');
    if (fields_.size() != count) {
        return fail(
            tr("Zeile %1 ist fehlerhaft: Erwartet werden %2 Zahlen.").arg(next_).arg(count));
    }
    return true;
}

bool ChartFileReader::text(const QString& field, QString& out) {
    std::optional<QString> value = unescaped(field);
    if (!value) {
        return fail(tr("Zeile %1 enthält einen ungültigen Text.").arg(next_));
    }
    out = std::move(*value);
    return true;
}

bool ChartFileReader::real(const QString& field, double& out) {
    const std::optional<double> value = decimal(field);
    if (!value) {
        return fail(
            tr("Zeile %1 enthält keine gültige Zahl: „%2“.").arg(next_).arg(field.left(40)));
    }
    out = *value;
    return true;
}

bool ChartFileReader::whole(const QString& field, qint64 lo, qint64 hi, qint64& out) {
    const std::optional<qint64> value = wholeNumber(field);
    if (!value || *value < lo || *value > hi) {
        return fail(
            tr("Zeile %1 enthält einen ungültigen Wert: „%2“.").arg(next_).arg(field.left(40)));
    }
    out = *value;
    return true;
}

} // namespace vozavero::chart
