// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Copying a chart's table to the clipboard and printing it, page by page, on the adaptor's
// printer. Kept apart from Chart.cpp so that the chart data needs neither clipboard nor printer.
#include "Chart.h"
#include "PrintAdaptor.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace vozavero::chart {

namespace {

/// Heading of a printed table: the chart's title, or "y title / x title" for an untitled chart.
QString tableTitle(const Chart& chart) {
    if (!chart.title().isEmpty()) {
        return chart.title();
    }
    return chart.yAxis().title + QStringLiteral(" / ") + chart.xAxis().title;
}

} // namespace

void Chart::copyTable(bool /*plainText*/) const {
    QGuiApplication::clipboard()->setText(tableText());
}

bool Chart::printTable(PrintAdaptor& adaptor, bool withTitle) const {
    QPrinter& printer = adaptor.startJob();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRectF page = painter.viewport();
    const QLocale locale;

    QFont bodyFont;
    bodyFont.setPointSizeF(11);
    QFont headFont = bodyFont;
    headFont.setBold(true);
    QFont titleFont = headFont;
    titleFont.setPointSizeF(16);

    painter.setFont(bodyFont);
    const QFontMetricsF body(painter.font(), &printer);
    const double lineHeight = body.lineSpacing() * 1.2;
    const double gap = body.horizontalAdvance(QStringLiteral("MMMM"));

    // Both columns are as wide as their widest entry; numbers are right-aligned beneath the
    // left-aligned header so decimal places line up.
    const auto [xs, ys] = columnTexts(points_, locale);
    double xWidth = QFontMetricsF(headFont, &printer).horizontalAdvance(xAxis_.caption());
    double yWidth = QFontMetricsF(headFont, &printer).horizontalAdvance(yAxis_.caption());
    for (qsizetype row = 0; row < xs.size(); ++row) {
        xWidth = std::max(xWidth, body.horizontalAdvance(xs[row]));
        yWidth = std::max(yWidth, body.horizontalAdvance(ys[row]));
    }
    const QRectF xColumn(page.left(), 0, xWidth, lineHeight);
    const QRectF yColumn(page.left() + xWidth + gap, 0, yWidth, lineHeight);

    double top = page.top();
    const auto drawHeader = [&] {
        painter.setFont(headFont);
        painter.drawText(xColumn.translated(0, top), Qt::AlignLeft | Qt::AlignVCenter,
                         xAxis_.caption());
        painter.drawText(yColumn.translated(0, top), Qt::AlignLeft | Qt::AlignVCenter,
                         yAxis_.caption());
        top += lineHeight;
        painter.drawLine(QPointF(page.left(), top), QPointF(yColumn.right(), top));
        top += lineHeight * 0.25;
        painter.setFont(bodyFont);
    };

    if (withTitle) {
        painter.setFont(titleFont);
        const double titleHeight = QFontMetricsF(titleFont, &printer).lineSpacing() * 1.3;
        painter.drawText(QRectF(page.left(), top, page.width(), titleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, tableTitle(*this));
        top += titleHeight * 1.5;
    }
    drawHeader();
    for (qsizetype row = 0; row < xs.size(); ++row) {
        if (top + lineHeight > page.bottom()) {
            printer.newPage();
            top = page.top();
            drawHeader();
        }
        painter.drawText(xColumn.translated(0, top), Qt::AlignRight | Qt::AlignVCenter, xs[row]);
        painter.drawText(yColumn.translated(0, top), Qt::AlignRight | Qt::AlignVCenter, ys[row]);
        top += lineHeight;
    }
    return painter.end();
}

} // namespace vozavero::chart
