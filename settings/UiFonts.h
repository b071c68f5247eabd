// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The faces of the settings widgets: a small sans-serif body face for captions, fields and scales,
// and a second sans-serif face for the header of the options dialog. The first installed family
// of each list is taken; without any of them the platform's sans-serif face stands in.
#pragma once
#include <QFont>
#include <QStringList>

namespace vozavero {

/// The body face at points (8.25 by default), bold when asked.
inline QFont bodyFont(double points = 8.25, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

/// The header face of dialogs at points, bold when asked.
inline QFont headerFont(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Verdana"),
                      QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace vozavero
