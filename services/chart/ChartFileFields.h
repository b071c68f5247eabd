// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The exact form of every kind of field in a ".kpx" file (docs/kpx-format.md): whole numbers,
// decimal numbers, colours and texts with their escapes. Each reader gives the value, or none for
// any other form; nothing is guessed or repaired.
#pragma once
#include <QColor>
#include <QString>
#include <QStringView>
#include <optional>

namespace vozavero::chart {

class ChartFileFields {
public:
    static bool isAsciiDigit(QChar c);
    /// "0" or a digit 1..9 followed by at most 17 digits: no sign, no blanks, no leading zeros.
    static std::optional<qint64> wholeNumber(QStringView field);
    /// A number as the format allows it; none when the form is wrong or the value lies outside
    /// double precision (it would read as infinity, or as zero although it has non-zero digits).
    static std::optional<double> decimal(QStringView field);
    /// "#rrggbb" or "#aarrggbb" with hexadecimal digits in either case.
    static std::optional<QColor> colour(QStringView field);
    /// Undoes the escapes of a text field; none for a raw carriage return or a backslash that
    /// starts no known escape.
    static std::optional<QString> unescaped(QStringView field);
};

} // namespace vozavero::chart
