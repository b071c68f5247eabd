// Reads typed numbers the forgiving way pupils type them and writes numbers as short plain text.
#include "NumberText.h"

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

QString numberText(double value, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    return plain.toString(value, 'g', 15);
}

} // namespace vozavero
