// Tests of a chart's point list (1-based, replace, clear, bounds), its table text and the copy
// and print of that table.
#include "chart/Chart.h"
#include "chart/PrintAdaptor.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

using vozavero::chart::Chart;
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

/// Number of pages in a PDF file written by the toolkit.
int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page/") +
                            pdf.count("/Type /Page "));
}

} // namespace

TEST(ChartPoints, AreIndexedFromOneInInsertionOrderAndNeverSorted) {
    Chart chart;
    chart.append(10, 1.5);
    chart.append(5, 2.5);
    chart.append(7, 3.5);
    ASSERT_EQ(chart.count(), 3);
    EXPECT_EQ(chart.x(1), 10);
    EXPECT_EQ(chart.y(1), 1.5);
    EXPECT_EQ(chart.x(2), 5);
    EXPECT_EQ(chart.x(3), 7);
    EXPECT_EQ(chart.y(3), 3.5);
}

TEST(ChartPoints, ReplaceChangesOnlyTheYOfThatPoint) {
    Chart chart;
    chart.append(5, 1);
    chart.append(10, 2);
    chart.append(15, 3);
    chart.replaceY(2, 42);
    EXPECT_EQ(chart.count(), 3);
    EXPECT_EQ(chart.x(2), 10);
    EXPECT_EQ(chart.y(2), 42);
    EXPECT_EQ(chart.y(1), 1);
    EXPECT_EQ(chart.y(3), 3);
}

TEST(ChartPoints, ClearEmptiesTheListAndAppendingStartsAgainAtOne) {
    Chart chart;
    chart.append(1, 2);
    chart.append(3, 4);
    chart.clear();
    EXPECT_EQ(chart.count(), 0);
    chart.append(9, 8);
    EXPECT_EQ(chart.x(1), 9);
}

TEST(ChartPoints, IndexOutsideTheListThrows) {
    Chart chart;
    EXPECT_THROW(chart.x(1), std::out_of_range);
    chart.append(1, 2);
    chart.append(3, 4);
    for (const int i : {0, -1, 3, 1000}) {
        EXPECT_THROW(chart.x(i), std::out_of_range) << i;
        EXPECT_THROW(chart.y(i), std::out_of_range) << i;
        EXPECT_THROW(chart.replaceY(i, 0), std::out_of_range) << i;
    }
    EXPECT_EQ(chart.y(2), 4);
}

TEST(ChartTable, HasCaptionHeaderAndOneLinePerPointWithCrLf) {
    Chart chart = pressureTimeChart();
    chart.append(0, 12);
    chart.append(5, 13.2);
    EXPECT_EQ(chart.tableText(QLocale::c()),
              QStringLiteral("Zeit [s]\tStöße (=Druck) [-]\r\n0\t12\r\n5\t13.2\r\n"));
}

TEST(ChartTable, UsesTheLocaleDecimalSeparatorWithoutGroupingInShortestForm) {
    Chart chart = pressureTimeChart();
    chart.append(0.004, 1234.5);
    chart.append(160, 1.0 / 3.0);
    chart.append(-2.5, 1234567);
    const QString text = chart.tableText(QLocale(QLocale::German));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 5); // header, three rows, empty rest after the last line end
    EXPECT_EQ(lines[1], QStringLiteral("0,004\t1234,5"));
    EXPECT_EQ(lines[2], QStringLiteral("160\t0,3333333333333333"));
    EXPECT_EQ(lines[3], QStringLiteral("-2,5\t1234567"));
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

TEST(ChartTable, CopyPutsTheTableOnTheClipboard) {
    Chart chart = pressureTimeChart();
    chart.append(5, 20.5);
    QGuiApplication::clipboard()->clear();
    chart.copyTable(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), chart.tableText());
}

TEST(ChartTable, PrintsIntoAPdfWithMorePagesForALongTable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintAdaptor adaptor;

    const QString shortPath = dir.filePath(QStringLiteral("kurz.pdf"));
    adaptor.usePdfFile(shortPath);
    Chart chart = pressureTimeChart();
    ASSERT_TRUE(chart.printTable(adaptor, true)); // an empty chart prints its header
    EXPECT_GT(QFileInfo(shortPath).size(), 0);
    EXPECT_EQ(pdfPages(shortPath), 1);

    const QString longPath = dir.filePath(QStringLiteral("lang.pdf"));
    adaptor.usePdfFile(longPath);
    for (int i = 0; i < 300; ++i) {
        chart.append(i * 5, 100 + i % 7);
    }
    ASSERT_TRUE(chart.printTable(adaptor, false));
    EXPECT_GT(pdfPages(longPath), 2);
}

TEST(ChartTable, PrintReportsAPrinterThatCannotStart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PrintAdaptor adaptor;
    adaptor.usePdfFile(dir.filePath(QStringLiteral("datei/druck.pdf")));
    EXPECT_FALSE(pressureTimeChart().printTable(adaptor));
}
