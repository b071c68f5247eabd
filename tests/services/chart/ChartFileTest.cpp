// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The ".kpx" file: exact round trips in any locale, and a reader that accepts exactly the forms
// its format description gives and says why it refuses anything else.
#include "chart/ChartFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using vozavero::chart::Chart;
using vozavero::chart::ChartAxis;
using vozavero::chart::ChartDocument;
using vozavero::chart::ChartFile;

namespace {

ChartDocument sampleDocument() {
    ChartDocument doc(QStringLiteral("Vozavero"));
    doc.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    Chart& time = doc.addChart(QStringLiteral("Druck\tüber \"Zeit\"\nzweite Zeile \\ Ende"));
    time.xAxis() = {QStringLiteral("Zeit"), QStringLiteral("s"), 0, 160};
    time.yAxis() = {QStringLiteral("Stöße (=Druck)"), QStringLiteral("-"), -0.5, 1e300};
    time.curve().colour = QColor(12, 34, 56);
    time.curve().lineWidth = 2;
    time.curve().lineStyle = 1;
    for (const double v : {0.1 + 0.2, 1.0 / 3.0, 1e-300, 5e-324, DBL_MAX, -0.0, 0.004}) {
        time.append(v, -v * 7.0 / 3.0);
    }
    Chart& empty = doc.addChart(QString());
    empty.yAxis() = {QStringLiteral("\\t ist kein Tabulator"), QStringLiteral("\r"), 0, 0};
    empty.curve().colour = QColor(255, 128, 0, 100);
    empty.curve().markers = true;
    empty.curve().markerShape = 2;
    return doc;
}

} // namespace

TEST(ChartFile, SavedDocumentLoadsBackExactlyInAnyLocale) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("teilchen.kpx"));
    const ChartDocument doc = sampleDocument();
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German));
    QString error;
    const bool written = ChartFile::save(doc, path, &error);
    QLocale::setDefault(saved);
    ASSERT_TRUE(written) << error.toStdString();
    const auto loaded = ChartFile::load(path, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    // The text is exact to the last bit and the sign of zero: the same text, the same document.
    EXPECT_EQ(ChartFile::toText(*loaded), ChartFile::toText(doc));
}

TEST(ChartFile, AFileCutAnywhereIsRejectedWithAReason) {
    const QString valid = ChartFile::toText(sampleDocument());
    // Cut after every character (a cut just before the final line feed leaves a whole file); cut
    // after the magic word, it says that it ends early.
    for (qsizetype cut = 0; cut < valid.size() - 1; ++cut) {
        QString error;
        EXPECT_FALSE(ChartFile::fromText(valid.left(cut), &error)) << cut;
        EXPECT_TRUE(cut < 12 ? !error.isEmpty() : error.startsWith("Die Datei endet vorzeitig"))
            << cut << ' ' << error.toStdString();
    }
}

namespace {

/// A small valid file; the rejection table below damages it one field at a time.
const QString kSmallFile = QStringLiteral("VOZAVERO-KPX 1\n"
                                          "document\tV\n"
                                          "defaultFileName\t\n"
                                          "charts\t1\n"
                                          "chart\tc\n"
                                          "xAxis\tx\t-\t0\t1\n"
                                          "yAxis\ty\t-\t0\t1\n"
                                          "curve\t#ff0000\t2\t1\t0\t1\n"
                                          "points\t1\n"
                                          "2\t3\n"
                                          "end\n");

/// kSmallFile with the first occurrence of from replaced by to.
QString damaged(const QString& from, const QString& to) {
    const qsizetype at = kSmallFile.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return QString(kSmallFile).replace(at, from.size(), to);
}

} // namespace

TEST(ChartFile, FieldsOfAnyOtherFormThanTheDocumentedOneAreRejected) {
    // Each field and the forms of it that are refused.
    const std::pair<const char*, std::vector<const char*>> cases[] = {
        {"KPX 1\n", {"KPX 01\n", "KPX  1\n", "KPX\n", "KPX 0\n", "KPX 2\n"}}, // 2: newer
        {"VOZAVERO", {"vozavero", "Hallo Welt"}},
        {"charts\t1", {"charts\t+1", "charts\t01", "charts\t1.0"}},
        {"points\t1", {"points\t-1", "points\t2", "points\t99999999999999999999"}},
        {"#ff0000", {"red", "#f00", "#ff00000"}},
        {"\t2\t1\t0\t1", {"\t101\t1\t0\t1", "\t2\t2\t0\t1", "\t2\t1\t2\t1", "\t2\t1\t0\t3"}},
        {"2\t3",
         {"+2\t3", "2 \t3", ".5\t3", "2,5\t3", "0x2\t3", "1e400\t3", "1e-400\t3", "Inf\t3",
          "NaN\t3", "2e\t3", "\t3", "2"}},
        {"x\t-\t0\t1", {"x\t-\t0\t1e"}},
        {"document\tV", {"document\tV\\x", "document\tV\rW", "document\tV\tW"}},
        {"document\t", {"Document\t"}},
        {"charts\t1\n", {"charts\t1\n\n"}},
        {"end\n", {"end\n\n", "end\nend\n", "end\nnoch etwas\n", ""}},
        {"\nyAxis", {"\ryAxis"}},
    };
    ASSERT_TRUE(ChartFile::fromText(kSmallFile));
    for (const auto& [from, forms] : cases) {
        for (const char* to : forms) {
            QString error;
            const QString text = damaged(QString::fromUtf8(from), QString::fromUtf8(to));
            EXPECT_FALSE(ChartFile::fromText(text, &error)) << from << " -> " << to;
            EXPECT_FALSE(error.isEmpty()) << from << " -> " << to;
        }
    }

    const QByteArray bytes = kSmallFile.toUtf8();
    const QByteArray bom("\xEF\xBB\xBF");
    const QByteArray badBytes[] = {
        QByteArray(bytes).replace("document\tV", "document\tV\xC0\x80"), // overlong encoding
        QByteArray(bytes).replace("document\tV", "document\tV\xFF"),
        bytes.chopped(1) + "\xE2\x82", // a character cut off after the last line
        bom + bom + bytes,
    };
    for (const QByteArray& b : badBytes) {
        QString error;
        EXPECT_FALSE(ChartFile::fromBytes(b, &error)) << b.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(ChartFile, EveryDocumentedFormReads) {
    const auto x = [](const QString& text) {
        QString error;
        const auto doc = ChartFile::fromText(text, &error);
        EXPECT_TRUE(doc) << error.toStdString();
        return doc ? doc->chart(0).x(1) : 0.0;
    };
    EXPECT_EQ(x(damaged("2\t3", "1E+05\t3")), 1e5);
    EXPECT_EQ(x(damaged("2\t3", "-007.50\t3")), -7.5);
    EXPECT_TRUE(std::isnan(x(damaged("2\t3", "nan\t3"))));
    EXPECT_EQ(x(damaged("2\t3", "-inf\t3")), -INFINITY);
    EXPECT_EQ(x(kSmallFile.chopped(1)), 2); // no line feed after "end"
    EXPECT_EQ(x(QString(kSmallFile).replace(QStringLiteral("1\n"), QStringLiteral("1\r\n"))), 2);

    // Files from Windows editors: carriage returns and a byte order mark.
    const auto withBom = ChartFile::fromBytes(QByteArray("\xEF\xBB\xBF") + kSmallFile.toUtf8());
    ASSERT_TRUE(withBom);
    EXPECT_EQ(withBom->name(), QStringLiteral("V"));

    // The example in the format description is a valid file.
    QFile description(QStringLiteral(KPX_FORMAT_DOCUMENT));
    ASSERT_TRUE(description.open(QIODevice::ReadOnly));
    const QString doc = QString::fromUtf8(description.readAll());
    const qsizetype start = doc.indexOf(QStringLiteral("```\n")) + 4;
    const QString example = doc.mid(start, doc.indexOf(QStringLiteral("```\n"), start) - start);
    QString error;
    const auto parsed = ChartFile::fromText(example, &error);
    ASSERT_TRUE(parsed) << error.toStdString();
    EXPECT_EQ(parsed->chartCount(), 2);
    EXPECT_EQ(parsed->chart(0).y(3), 40.8);
}

TEST(ChartFile, AFileThatEndsEarlySaysWhereAndWhatIsMissing) {
    ChartDocument doc(QStringLiteral("Vozavero"));
    for (const auto& [name, points] : {std::pair{"a", 2}, {"b", 3}, {"c", 0}}) {
        Chart& chart = doc.addChart(QLatin1String(name));
        chart.yAxis().title = QStringLiteral("Stöße");
        for (int i = 0; i < points; ++i) {
            chart.append(i, 10 + i);
        }
    }
    // Lines: 1-4 header, 5-11 chart a, 12-19 chart b, 20-24 chart c, 25 "end".
    const QStringList lines = ChartFile::toText(doc).split(u'\n');
    ASSERT_EQ(lines.size(), 26);
    const auto firstLines = [&](int n) { return lines.mid(0, n).join(u'\n') + u'\n'; };
    const auto titles = [](const QString& name) {
        return name == QLatin1String("a") ? QStringLiteral("Stöße im Lauf der Zeit") : QString();
    };
    const QString start = QStringLiteral("Die Datei endet vorzeitig (nach Zeile %1)");
    const struct {
        QString text;
        QString reason;
    } cases[] = {
        {firstLines(4), start.arg(4) + "; es fehlen alle 3 Diagramme."},
        {firstLines(6), start.arg(6) + " mitten in den Angaben zum Diagramm „Stöße im Lauf der "
                                       "Zeit“; seine Messpunkte fehlen. Außerdem fehlen 2 "
                                       "weitere Diagramme."},
        {firstLines(10), start.arg(10) + "; es fehlt 1 Messpunkt von „Stöße im Lauf der Zeit“. "
                                         "Außerdem fehlen 2 weitere Diagramme."},
        {firstLines(17), start.arg(17) + "; es fehlen 2 Messpunkte von „b“. Außerdem fehlt ein "
                                         "weiteres Diagramm."},
        {firstLines(24), start.arg(24) + ": Es fehlt die Schlusszeile „end“."},
        {QStringLiteral("VOZAVERO-KPX 1"),
         "Die Datei endet vorzeitig schon in ihrer ersten Zeile, noch vor dem ersten Diagramm."},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ChartFile::fromText(c.text, &error, titles));
        EXPECT_EQ(error, c.reason);
    }
}
