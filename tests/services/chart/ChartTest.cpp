// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A chart's table text, and printing the table and the graph.
#include "chart/Chart.h"
#include "chart/GraphView.h"
#include "chart/PrintAdaptor.h"

#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

using vozavero::chart::Chart;
using vozavero::chart::GraphView;
using vozavero::chart::PrintAdaptor;

namespace {

Chart pressureTimeChart() {
    Chart chart(QStringLiteral("Druck über Zeit"));
    chart.xAxis().title = QStringLiteral("Zeit");
    chart.xAxis().unit = QStringLiteral("s");
    chart.yAxis().title = QStringLiteral("Stöße (=Druck)");
    chart.yAxis().unit = QStringLiteral("-");
    return chart;
}

/// A word on a printed page, where the poppler tools find it (in points, y downwards).
struct PdfWord {
    int page;
    double pageHeight;
    QString text;
    double left, top, right, bottom;
};

/// The words of a PDF file, line by line from the top of each page.
std::vector<PdfWord> pdfWords(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    static const QRegularExpression item(QStringLiteral(
        R"re(<page width="[\d.]+" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    double height = 0.0;
    for (const auto& m : item.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()))) {
        if (!m.captured(1).isEmpty()) {
            ++page;
            height = m.captured(1).toDouble();
            continue;
        }
        words.push_back({page, height, m.captured(6), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(),
                         m.captured(5).toDouble()});
    }
    // The tools read a table column by column; people read it row by row.
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::tuple(a.page, std::round(a.top), a.left) <
               std::tuple(b.page, std::round(b.top), b.left);
    });
    return words;
}

} // namespace

TEST(Chart, TableHasCaptionHeaderFixedDecimalsPerColumnAndCrLf) {
    Chart chart = pressureTimeChart();
    chart.append(0, 12);
    chart.append(5, 99);
    chart.replaceY(2, 20); // points count from one
    EXPECT_EQ(chart.tableText(QLocale::c()),
              QStringLiteral("Zeit [s]\tStöße (=Druck) [-]\r\n0\t12\r\n5\t20\r\n"));
    // A rate of 100 impacts in 3 s shows two decimals, and so does every rate of its column.
    chart.append(8, 100.0 / 3.0);
    EXPECT_EQ(chart.tableText(QLocale(QLocale::German)),
              QStringLiteral("Zeit [s]\tStöße (=Druck) [-]\r\n0\t12,00\r\n5\t20,00\r\n"
                             "8\t33,33\r\n"));
    chart.clear();
    chart.append(0.004, 1234567.5);
    chart.append(-2.5, 1.0 / 3.0);
    EXPECT_EQ(chart.tableText(QLocale(QLocale::German)),
              QStringLiteral("Zeit [s]\tStöße (=Druck) [-]\r\n0,00400\t1234567,500\r\n"
                             "-2,50000\t0,333\r\n"));
}

TEST(Chart, PrintsWithoutAPrinterGoToNumberedPdfFilesThatNeverReplaceAnEarlierOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintAdaptor adaptor;
    adaptor.usePdfFolder(dir.path());
    Chart chart = pressureTimeChart();
    for (int i = 0; i < 300; ++i) {
        chart.append(i * 5, i % 7 * 37 + 0.5);
    }
    chart.setTitle(QStringLiteral("Stöße im Lauf der Messung"));
    ASSERT_TRUE(chart.printTable(adaptor, true));
    const QString table = dir.filePath(QStringLiteral("teilchen.pdf"));
    EXPECT_EQ(adaptor.description(), table);
    const qint64 firstSize = QFileInfo(table).size();
    // The title for people heads the first page, every page starts with the column header, and
    // every row follows in order, numbers as in the copied table right-aligned in two columns
    // apart, none off the page.
    const QStringList copied = chart.tableText().split(QStringLiteral("\r\n"));
    const std::vector<PdfWord> words = pdfWords(table);
    ASSERT_GT(words.size(), 600u);
    EXPECT_EQ(words.front().text, QStringLiteral("Stöße"));
    int row = 0;
    int pages = 0;
    double lastTop = 0.0;
    std::optional<std::pair<double, double>> rightEdges; // of the first row's two numbers
    for (size_t w = 0; w + 1 < words.size(); ++w) {
        const PdfWord& x = words[w];
        if (x.text == QStringLiteral("Zeit")) { // a header
            EXPECT_EQ(x.page, ++pages);
            lastTop = x.top;
            continue;
        }
        if (row >= 300 || x.text != copied[row + 1].section(u'\t', 0, 0)) {
            continue;
        }
        SCOPED_TRACE(row);
        const PdfWord& y = words[w + 1];
        EXPECT_EQ(y.text, copied[row + 1].section(u'\t', 1, 1));
        EXPECT_EQ(x.page, pages);
        EXPECT_GT(x.top, lastTop);
        EXPECT_LT(x.bottom, x.pageHeight);
        EXPECT_NEAR(x.top, y.top, 0.5);
        if (!rightEdges) {
            rightEdges = {x.right, y.right};
        }
        EXPECT_NEAR(x.right, rightEdges->first, 0.5) << "the x column is not right-aligned";
        EXPECT_NEAR(y.right, rightEdges->second, 0.5) << "the y column is not right-aligned";
        EXPECT_GT(y.left, x.right + 10);
        lastTop = x.top;
        ++row;
    }
    EXPECT_EQ(row, 300);
    EXPECT_GT(pages, 1);
    for (const PdfWord& w : words) {
        EXPECT_NE(w.text, chart.name());
    }

    // The graph goes to the next free name under its heading.
    GraphView view;
    view.setHeading(QStringLiteral("Vozavero"));
    view.setPicture(QImage(320, 160, QImage::Format_ARGB32_Premultiplied));
    ASSERT_TRUE(view.printGraph(adaptor, true));
    EXPECT_EQ(adaptor.description(), dir.filePath(QStringLiteral("teilchen-2.pdf")));
    const std::vector<PdfWord> heading = pdfWords(adaptor.description());
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(heading[0].text, QStringLiteral("Vozavero"));
    EXPECT_EQ(QFileInfo(table).size(), firstSize);
}
