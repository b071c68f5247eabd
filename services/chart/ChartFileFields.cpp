// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The exact forms of the fields of a ".kpx" file: whole numbers, decimal numbers, colours and
// texts with their escapes.
#include "ChartFileFields.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace vozavero::chart {

namespace {

/// Whole numbers longer than this are refused before they could overflow (18 digits fit).
constexpr qsizetype kMaxWholeDigits = 18;

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

/// Whether field has the form of a decimal number: an optional "-", digits, optionally "." and
/// digits, optionally "e" or "E", an optional sign and digits.
bool isDecimal(QStringView field) {
    qsizetype i = 0;
    const qsizetype n = field.size();
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < n && ChartFileFields::isAsciiDigit(field[i])) {
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

} // namespace

bool ChartFileFields::isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<qint64> ChartFileFields::wholeNumber(QStringView field) {
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

std::optional<double> ChartFileFields::decimal(QStringView field) {
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

std::optional<QColor> ChartFileFields::colour(QStringView field) {
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

std::optional<QString> ChartFileFields::unescaped(QStringView field) {
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

} // namespace vozavero::chart
