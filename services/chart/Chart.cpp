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
#include <stdexcept>
#include <string>

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

/// The shortest text that reads back as v, with the locale's decimal separator and no grouping.
QString numberText(double v, QLocale locale) {
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', QLocale::FloatingPointShortest);
}

/// Heading of a printed table: the chart's name, or "y title / x title" for an unnamed chart.
QString tableTitle(const Chart& chart) {
    if (!chart.name().isEmpty()) {
        return chart.name();
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

QString Chart::tableText(const QLocale& locale) const {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = xAxis_.caption() + u'\t' + yAxis_.caption() + lineEnd;
    for (const QPointF& p : points_) {
        text += numberText(p.x(), locale) + u'\t' + numberText(p.y(), locale) + lineEnd;
    }
    return text;
}

void Chart::copyTable(bool /*plainText*/) const {
    QGuiApplication::clipboard()->setText(tableText());
}

bool Chart::printTable(PrintAdaptor& adaptor, bool withTitle) const {
    QPrinter& printer = adaptor.printer();
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
    QStringList xs;
    QStringList ys;
    double xWidth = QFontMetricsF(headFont, &printer).horizontalAdvance(xAxis_.caption());
    double yWidth = QFontMetricsF(headFont, &printer).horizontalAdvance(yAxis_.caption());
    for (const QPointF& p : points_) {
        xs << numberText(p.x(), locale);
        ys << numberText(p.y(), locale);
        xWidth = std::max(xWidth, body.horizontalAdvance(xs.back()));
        yWidth = std::max(yWidth, body.horizontalAdvance(ys.back()));
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
