// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Reads typed numbers the forgiving way pupils type them and writes numbers as short plain text.
#include "NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace vozavero {

double leadingNumber(const QString& text) {
    std::string s;
    s.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t') {
            continue;
        }
        s.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
    }
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        number.push_back(s[i++]);
    }
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        number.push_back(s[i++]);
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        number.push_back(s[i++]);
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            number.push_back(s[i++]);
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent.push_back(s[j++]);
        }
        bool expDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exponent.push_back(s[j++]);
            expDigits = true;
        }
        if (expDigits) {
            number += exponent;
        }
    }
    // from_chars always reads "." as decimal point, whatever C locale the application set up;
    // it takes no "+" sign, and a number out of range reads as 0.
    const char* first = number.data();
    const char* last = number.data() + number.size();
    if (*first == '+') {
        ++first;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

double typedNumber(const QString& text, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point == QStringLiteral(".") || point.isEmpty()) {
        return leadingNumber(text);
    }
    QString dotted = text;
    dotted.replace(point, QStringLiteral("."));
    return leadingNumber(dotted);
}

QString numberText(double value, int decimals, const QLocale& locale) {
    if (!std::isfinite(value) || decimals < 0 || decimals >= 15) {
        return numberText(value, locale);
    }
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    // A value too large to scale keeps its own digits.
    return numberText(std::isfinite(rounded) ? rounded : value, locale);
}

QString fittedNumberText(double value, int characters, const QLocale& locale) {
    QString text = numberText(value, locale);
    for (int decimals = decimalsOf(value) - 1; text.size() > characters && decimals >= 0;
         --decimals) {
        text = numberText(value, decimals, locale);
    }
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::OmitLeadingZeroInExponent);
    for (int digits = 15; text.size() > characters && digits >= 1; --digits) {
        text = plain.toString(value, 'g', digits);
    }
    return text;
}

int decimalsOf(double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return 0;
    }
    // The C locale's shortest form, for example "0.001", "250", "1e-07" or "1.25e-05".
    const QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    const QString mantissa = e < 0 ? text : text.left(e);
    const int exponent = e < 0 ? 0 : text.mid(e + 1).toInt();
    const qsizetype point = mantissa.indexOf(u'.');
    const int fraction = point < 0 ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return std::clamp(fraction - exponent, 0, 15);
}

QString numberText(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    return plain.toString(value, 'g', 15);
}

} // namespace vozavero
