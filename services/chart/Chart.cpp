// Point list access with 1-based indices, the chart's table as text, and copying and printing
// that table.
#include "Chart.h"

#include "PrintAdaptor.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

namespace vozavero::chart {

namespace {

/// Converts a 1-based point index into a vector position; throws for anything out of range.
size_t position(int i, int count) {
    if (i < 1 || i > count) {
        throw std::out_of_range("chart point " + std::to_string(i) + " outside 1.." +
                                std::to_string(count));
    }
    return static_cast<size_t>(i - 1);
}

/// The two columns of the table as text: decimals fixed per column, the locale's decimal
/// separator, no grouping.
std::pair<QStringList, QStringList> columnTexts(const std::vector<QPointF>& points,
                                                QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    std::vector<double> xs;
    std::vector<double> ys;
    for (const QPointF& p : points) {
        xs.push_back(p.x());
        ys.push_back(p.y());
    }
    const int xDecimals = Chart::tableDecimals(xs);
    const int yDecimals = Chart::tableDecimals(ys);
    QStringList xTexts;
    QStringList yTexts;
    for (const QPointF& p : points) {
        xTexts << locale.toString(p.x(), 'f', xDecimals);
        yTexts << locale.toString(p.y(), 'f', yDecimals);
    }
    return {xTexts, yTexts};
}

/// Heading of a printed table: the chart's title, or "y title / x title" for an untitled chart.
QString tableTitle(const Chart& chart) {
    if (!chart.title().isEmpty()) {
        return chart.title();
    }
    return chart.yAxis().title + QStringLiteral(" / ") + chart.xAxis().title;
}

} // namespace

double Chart::x(int i) const {
    return points_[position(i, count())].x();
}

double Chart::y(int i) const {
    return points_[position(i, count())].y();
}

void Chart::replaceY(int i, double y) {
    points_[position(i, count())].setY(y);
}

int Chart::tableDecimals(const std::vector<double>& values) {
    constexpr int kFewest = 2;
    constexpr int kMost = 6;
    double smallestFraction = std::numeric_limits<double>::infinity();
    for (const double v : values) {
        if (std::isfinite(v) && v != std::trunc(v)) {
            smallestFraction = std::min(smallestFraction, std::abs(v));
        }
    }
    if (std::isinf(smallestFraction)) {
        return 0;
    }
    const int wanted = 2 - static_cast<int>(std::floor(std::log10(smallestFraction)));
    return std::clamp(wanted, kFewest, kMost);
}

QString Chart::tableText(const QLocale& locale) const {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = xAxis_.caption() + u'\t' + yAxis_.caption() + lineEnd;
    const auto [xs, ys] = columnTexts(points_, locale);
    for (qsizetype row = 0; row < xs.size(); ++row) {
        text += xs[row] + u'\t' + ys[row] + lineEnd;
    }
    return text;
}

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
