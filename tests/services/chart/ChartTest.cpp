// Tests of a chart's point list and table text, and of copying and printing the table and graph.
#include "chart/Chart.h"
#include "chart/GraphView.h"
#include "chart/PrintAdaptor.h"

#include "NumberText.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

using vozavero::numberText;
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

/// The text of a PDF file as the poppler tools extract it, in reading order with the layout's
/// blanks, pages separated by form feeds.
QString pdfText(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    return QString::fromUtf8(tool.readAllStandardOutput());
}

qsizetype pdfPages(const QString& path) {
    // pdftotext ends every page with a form feed.
    return pdfText(path).count(u'\f');
}

} // namespace

TEST(Chart, PointsAreIndexedFromOneInInsertionOrder) {
    Chart chart;
    EXPECT_THROW(chart.x(1), std::out_of_range);
    chart.append(10, 1.5);
    chart.append(5, 2.5);
    chart.append(7, 3.5);
    chart.replaceY(2, 42);
    ASSERT_EQ(chart.count(), 3);
    EXPECT_EQ(chart.x(1), 10);
    EXPECT_EQ(chart.y(1), 1.5);
    EXPECT_EQ(chart.x(2), 5);
    EXPECT_EQ(chart.y(2), 42);
    EXPECT_EQ(chart.x(3), 7);
    EXPECT_EQ(chart.y(3), 3.5);
    for (const int i : {0, -1, 4}) {
        EXPECT_THROW(chart.x(i), std::out_of_range) << i;
        EXPECT_THROW(chart.y(i), std::out_of_range) << i;
        EXPECT_THROW(chart.replaceY(i, 0), std::out_of_range) << i;
    }
    chart.clear();
    chart.append(9, 8);
    EXPECT_EQ(chart.count(), 1);
    EXPECT_EQ(chart.x(1), 9);
}

TEST(Chart, TableHasCaptionHeaderFixedDecimalsPerColumnAndCrLf) {
    Chart chart = pressureTimeChart();
    chart.append(0, 12);
    chart.append(5, 20);
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
    EXPECT_EQ(Chart::tableDecimals({1e-9, 2.5}), 6);
    EXPECT_EQ(Chart::tableDecimals({std::nan(""), 3.0}), 0);
}

TEST(Chart, TableAndGraphAreCopiedToTheClipboard) {
    Chart chart = pressureTimeChart();
    chart.append(5, 20.5);
    chart.copyTable(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), chart.tableText());

    QImage picture(320, 160, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    picture.setPixelColor(10, 20, Qt::red);
    GraphView view;
    view.setPicture(picture);
    view.copyGraph(true);
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(320, 160));
    EXPECT_EQ(copied.pixelColor(10, 20), QColor(Qt::red));
    EXPECT_EQ(copied.pixelColor(11, 20), QColor(Qt::white));
}

TEST(Chart, PrintsWithoutAPrinterGoToNumberedPdfFilesThatNeverReplaceAnEarlierOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintAdaptor adaptor;
    adaptor.usePdfFolder(dir.path());
    Chart chart = pressureTimeChart();
    for (int i = 0; i < 300; ++i) {
        chart.append(i * 5, 100 + i % 7 + 0.5);
    }
    chart.setTitle(QStringLiteral("Stöße in der Zeit"));
    ASSERT_TRUE(chart.printTable(adaptor, true));
    const QString table = dir.filePath(QStringLiteral("teilchen.pdf"));
    EXPECT_EQ(adaptor.description(), table);
    const qint64 firstSize = QFileInfo(table).size();
    // Every row is on paper under the title for people, pages go on with the column header,
    // numbers in the user's format with the column's fixed decimals.
    const QString tableText = pdfText(table);
    EXPECT_TRUE(tableText.contains(chart.title())) << tableText.left(300).toStdString();
    EXPECT_FALSE(tableText.contains(chart.name()));
    EXPECT_EQ(tableText.count(chart.xAxis().caption()), pdfPages(table));
    EXPECT_GT(pdfPages(table), 1);
    for (const int row : {0, 150, 299}) {
        const QString line =
            numberText(row * 5) + QStringLiteral(" +") +
            QRegularExpression::escape(QLocale().toString(100 + row % 7 + 0.5, 'f', 2));
        EXPECT_TRUE(tableText.contains(QRegularExpression(QStringLiteral("(^|\\s)") + line)))
            << row;
    }

    GraphView view;
    view.setHeading(QStringLiteral("Vozavero"));
    QImage picture(320, 160, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::blue);
    view.setPicture(picture);
    ASSERT_TRUE(view.printGraph(adaptor, true));
    const QString graph = dir.filePath(QStringLiteral("teilchen-2.pdf"));
    EXPECT_EQ(adaptor.description(), graph);
    EXPECT_EQ(pdfText(graph).trimmed(), "Vozavero");
    EXPECT_EQ(pdfPages(graph), 1);
    ASSERT_TRUE(chart.printTable(adaptor, true));
    EXPECT_EQ(adaptor.description(), dir.filePath(QStringLiteral("teilchen-3.pdf")));
    EXPECT_EQ(QFileInfo(table).size(), firstSize);

    // A fixed file is what a caller asked for: it is replaced.
    const QString fixed = dir.filePath(QStringLiteral("tabelle.pdf"));
    adaptor.usePdfFile(fixed);
    ASSERT_TRUE(chart.printTable(adaptor, true));
    ASSERT_TRUE(chart.printTable(adaptor, true));
    EXPECT_FALSE(adaptor.printsToPdfFolder());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
}
