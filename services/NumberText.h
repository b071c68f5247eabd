#pragma once
// How numbers travel between text and value: typed text is read as its leading number ("." as
// decimal point, blanks ignored, the first other character ends it, nothing numeric is 0), and
// numbers are shown as plain text in their shortest form with the user's decimal separator.
#include <QLocale>
#include <QString>

namespace vozavero {

/// The leading number of text: optional sign, digits, one ".", optional exponent; blanks anywhere
/// are ignored; "12abc" is 12, "1,5" is 1, "" and "abc" are 0.
double leadingNumber(const QString& text);

/// The number as plain text: no group separator, no trailing zeros, up to 15 significant digits,
/// with the decimal separator of locale (the user's locale by default).
QString numberText(double value, const QLocale& locale = QLocale());

} // namespace vozavero
