// Tests of the ".kpx" file: exact round trips of awkward doubles and texts in any locale, and the
// rejection of foreign, newer, truncated and damaged files.
#include "chart/ChartFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>

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

void expectSameDocument(const ChartDocument& a, const ChartDocument& b) {
    EXPECT_EQ(a.name(), b.name());
    EXPECT_EQ(a.defaultFileName(), b.defaultFileName());
    ASSERT_EQ(a.chartCount(), b.chartCount());
    for (int c = 0; c < a.chartCount(); ++c) {
        const Chart& ca = a.chart(c);
        const Chart& cb = b.chart(c);
        EXPECT_EQ(ca.name(), cb.name());
        for (const auto& [aa, ab] :
             {std::pair(ca.xAxis(), cb.xAxis()), std::pair(ca.yAxis(), cb.yAxis())}) {
            EXPECT_EQ(aa.title, ab.title);
            EXPECT_EQ(aa.unit, ab.unit);
            EXPECT_EQ(aa.minimum, ab.minimum);
            EXPECT_EQ(aa.maximum, ab.maximum);
        }
        EXPECT_EQ(ca.curve().colour, cb.curve().colour);
        EXPECT_EQ(ca.curve().lineWidth, cb.curve().lineWidth);
        EXPECT_EQ(ca.curve().lineStyle, cb.curve().lineStyle);
        EXPECT_EQ(ca.curve().markers, cb.curve().markers);
        EXPECT_EQ(ca.curve().markerShape, cb.curve().markerShape);
        ASSERT_EQ(ca.count(), cb.count());
        for (int i = 1; i <= ca.count(); ++i) {
            EXPECT_EQ(ca.x(i), cb.x(i)) << c << ' ' << i;
            EXPECT_EQ(std::signbit(ca.x(i)), std::signbit(cb.x(i))) << c << ' ' << i;
            EXPECT_EQ(ca.y(i), cb.y(i)) << c << ' ' << i;
        }
    }
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
    expectSameDocument(doc, *loaded);

    const auto windows =
        ChartFile::fromText(ChartFile::toText(doc).replace(u'\n', QStringLiteral("\r\n")));
    ASSERT_TRUE(windows);
    expectSameDocument(doc, *windows);
    const auto none = ChartFile::fromText(ChartFile::toText(ChartDocument()));
    ASSERT_TRUE(none);
    expectSameDocument(ChartDocument(), *none);
}

TEST(ChartFile, ForeignTruncatedAndDamagedFilesAreRejectedWithAReason) {
    const QString valid = ChartFile::toText(sampleDocument());
    QStringList bad = {QString(), QStringLiteral("Hallo Welt\n"),
                       QString(valid).replace(0, 14, QStringLiteral("VOZAVERO-KPX 2")),
                       valid + QStringLiteral("noch etwas\n")};
    // Cut after every character; a cut just before the final line feed leaves a complete file.
    for (qsizetype cut = 0; cut < valid.size() - 1; ++cut) {
        bad << valid.left(cut);
    }
    for (const QString& text : bad) {
        QString error;
        EXPECT_FALSE(ChartFile::fromText(text, &error)) << text.size();
        EXPECT_FALSE(error.isEmpty()) << text.size();
    }
    // Random damage is either read or rejected with a reason, never a crash.
    QRandomGenerator random(20240611);
    const QString noise = QStringLiteral("\t\n\\x9.-e#VOZAVERO");
    for (int round = 0; round < 2000; ++round) {
        QString text = valid;
        for (int i = 0; i < 3; ++i) {
            text[random.bounded(static_cast<int>(text.size()))] =
                noise[random.bounded(static_cast<int>(noise.size()))];
        }
        QString error;
        EXPECT_TRUE(ChartFile::fromText(text, &error) || !error.isEmpty()) << round;
    }
}
