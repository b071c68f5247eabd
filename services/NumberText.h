// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// How numbers travel between text and value: typed text is read as its leading number ("." as
// decimal point, blanks ignored, the first other character ends it, nothing numeric is 0), and
// numbers are shown as plain text in their shortest form with the user's decimal separator.
#pragma once
#include <QLocale>
#include <QString>

namespace vozavero {

/// The leading number of text: optional sign, digits, one ".", optional exponent; blanks anywhere
/// are ignored; "12abc" is 12, "1,5" is 1, "" and "abc" are 0.
double leadingNumber(const QString& text);

/// The leading number of a text the user typed into a field that the program may have filled
/// with numberText: the decimal separator of locale counts as a decimal point as well as ".", so
/// that "2,5" shown under a German locale reads back as 2.5. Otherwise as leadingNumber.
double typedNumber(const QString& text, const QLocale& locale = QLocale());

/// The number as plain text: no group separator, no trailing zeros, up to 15 significant digits,
/// with the decimal separator of locale (the user's locale by default).
QString numberText(double value, const QLocale& locale = QLocale());

/// As numberText, but first rounded to decimals digits after the point (ties away from zero), so
/// that a sum of decimal steps shows without binary noise: 0.1 added fifteen times to 5 shows as
/// "6.5", not "6.49999999999999".
QString numberText(double value, int decimals, const QLocale& locale = QLocale());

/// As numberText, but at most characters long where it can be: a longer text is rounded to as
/// many decimals as fit ("6,49999999999999" in six characters is "6,5"), and a number whose whole
/// digits alone are too many is written with an exponent ("1e+14", or "1E+14" in German).
QString fittedNumberText(double value, int characters, const QLocale& locale = QLocale());

/// How many digits after the decimal point the shortest text of value has (0.5 has 1, 0.001
/// has 3, 250 has 0, 1e-7 has 7); at most 15.
int decimalsOf(double value);

} // namespace vozavero
