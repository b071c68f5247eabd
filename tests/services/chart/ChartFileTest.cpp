// Tests of the ".kpx" file: exact round trips (awkward doubles, special characters, empty
// charts), independence of the locale, atomic saving that never harms an earlier file, and the
// rejection of foreign, newer, truncated and damaged files.
#include "chart/ChartFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

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
    for (const double v : {0.1 + 0.2, 1.0 / 3.0, 1e-300, -2.5, 5e-324, DBL_MAX, -0.0, 0.004}) {
        time.append(v, -v * 7.0 / 3.0);
    }

    Chart& empty = doc.addChart(QString());
    empty.xAxis() = {QString(), QString(), 2, 50};
    empty.yAxis() = {QStringLiteral("\\t ist kein Tabulator"), QStringLiteral("\r"), 0, 0};
    empty.curve().colour = QColor(255, 128, 0, 100);
    empty.curve().lineStyle = 0;
    empty.curve().markers = true;
    empty.curve().markerShape = 2;
    empty.curve().lineWidth = 0;
    return doc;
}

void expectSameAxis(const ChartAxis& a, const ChartAxis& b) {
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.unit, b.unit);
    EXPECT_EQ(a.minimum, b.minimum);
    EXPECT_EQ(a.maximum, b.maximum);
}

void expectSameDocument(const ChartDocument& a, const ChartDocument& b) {
    EXPECT_EQ(a.name(), b.name());
    EXPECT_EQ(a.defaultFileName(), b.defaultFileName());
    ASSERT_EQ(a.chartCount(), b.chartCount());
    for (int c = 0; c < a.chartCount(); ++c) {
        SCOPED_TRACE(c);
        const Chart& ca = a.chart(c);
        const Chart& cb = b.chart(c);
        EXPECT_EQ(ca.name(), cb.name());
        expectSameAxis(ca.xAxis(), cb.xAxis());
        expectSameAxis(ca.yAxis(), cb.yAxis());
        EXPECT_EQ(ca.curve().colour, cb.curve().colour);
        EXPECT_EQ(ca.curve().lineWidth, cb.curve().lineWidth);
        EXPECT_EQ(ca.curve().lineStyle, cb.curve().lineStyle);
        EXPECT_EQ(ca.curve().markers, cb.curve().markers);
        EXPECT_EQ(ca.curve().markerShape, cb.curve().markerShape);
        ASSERT_EQ(ca.count(), cb.count());
        for (int i = 1; i <= ca.count(); ++i) {
            // Bit for bit: equal values and the same sign of zero.
            EXPECT_EQ(ca.x(i), cb.x(i)) << i;
            EXPECT_EQ(ca.y(i), cb.y(i)) << i;
            EXPECT_EQ(std::signbit(ca.x(i)), std::signbit(cb.x(i))) << i;
        }
    }
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Restores the default locale when a test changed it.
struct DefaultLocale {
    QLocale saved;
    ~DefaultLocale() { QLocale::setDefault(saved); }
};

} // namespace

TEST(ChartFile, SavedDocumentLoadsBackExactly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("teilchen.kpx"));
    const ChartDocument doc = sampleDocument();
    QString error;
    ASSERT_TRUE(ChartFile::save(doc, path, &error)) << error.toStdString();
    const auto loaded = ChartFile::load(path, &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    expectSameDocument(doc, *loaded);
}

TEST(ChartFile, DocumentWithoutChartsRoundTrips) {
    const ChartDocument doc;
    QString error;
    const auto loaded = ChartFile::fromText(ChartFile::toText(doc), &error);
    ASSERT_TRUE(loaded) << error.toStdString();
    expectSameDocument(doc, *loaded);
}

TEST(ChartFile, TextIsVersionedReadableAndTheSameInEveryLocale) {
    const DefaultLocale restore;
    const ChartDocument doc = sampleDocument();
    QLocale::setDefault(QLocale::c());
    const QString plain = ChartFile::toText(doc);
    QLocale::setDefault(QLocale(QLocale::German));
    const QString german = ChartFile::toText(doc);
    EXPECT_EQ(plain, german);
    EXPECT_TRUE(plain.startsWith(QStringLiteral("VOZAVERO-KPX 1\n")));
    EXPECT_TRUE(plain.contains(QStringLiteral("\n0.30000000000000004\t")));
    EXPECT_TRUE(plain.contains(QStringLiteral("\nxAxis\tZeit\ts\t0\t160\n")));
    // Every line of a chart name stays on one line of the file.
    EXPECT_TRUE(plain.contains(
        QStringLiteral("\nchart\tDruck\\tüber \"Zeit\"\\nzweite Zeile \\\\ Ende\n")));
    const auto loaded = ChartFile::fromText(german);
    ASSERT_TRUE(loaded);
    expectSameDocument(doc, *loaded);
}

TEST(ChartFile, WindowsLineEndsAreAccepted) {
    const ChartDocument doc = sampleDocument();
    QString text = ChartFile::toText(doc);
    text.replace(u'\n', QStringLiteral("\r\n"));
    const auto loaded = ChartFile::fromText(text);
    ASSERT_TRUE(loaded);
    expectSameDocument(doc, *loaded);
}

TEST(ChartFile, FailedSaveReportsAndLeavesTheEarlierFileIntact) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString earlier = dir.filePath(QStringLiteral("teilchen.kpx"));
    ASSERT_TRUE(ChartFile::save(sampleDocument(), earlier));
    const QByteArray before = fileBytes(earlier);
    ASSERT_FALSE(before.isEmpty());

    // A path below a regular file cannot be created, not even by an administrator.
    const QString below = earlier + QStringLiteral("/neu.kpx");
    QString error;
    EXPECT_FALSE(ChartFile::save(ChartDocument(QStringLiteral("Neu")), below, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei „")));
    EXPECT_TRUE(error.contains(QStringLiteral("konnte nicht gespeichert werden: ")));
    EXPECT_TRUE(error.contains(QStringLiteral("neu.kpx")));
    EXPECT_EQ(fileBytes(earlier), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ChartFile, ForeignAndNewerFilesAreRejectedWithAReason) {
    const QString valid = ChartFile::toText(sampleDocument());
    struct Case {
        QString text;
        QString reasonPart;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("keine Vozavero-Messreihe")},
        {QStringLiteral("Hallo Welt\n"), QStringLiteral("keine Vozavero-Messreihe")},
        {QStringLiteral("VOZAVERO-KPX\n"), QStringLiteral("keine Vozavero-Messreihe")},
        {QStringLiteral("VOZAVERO-KPX eins\n"), QStringLiteral("keine Vozavero-Messreihe")},
        {QString(valid).replace(0, 14, QStringLiteral("VOZAVERO-KPX 2")),
         QStringLiteral("neueren Programmversion")},
        {QString(valid).replace(QStringLiteral("\nxAxis\tZeit\ts\t0\t160\n"),
                                QStringLiteral("\nxAxis\tZeit\ts\tnull\t160\n")),
         QStringLiteral("keine gültige Zahl")},
        {QString(valid).replace(QStringLiteral("#0c2238"), QStringLiteral("#0c22zz")),
         QStringLiteral("keine gültige Farbe")},
        {QString(valid).replace(QStringLiteral("\\\\ Ende"), QStringLiteral("\\q Ende")),
         QStringLiteral("ungültigen Text")},
        {QString(valid).replace(QStringLiteral("points\t8"), QStringLiteral("points\t80")),
         QStringLiteral("ungültigen Wert")},
        {valid + QStringLiteral("noch etwas\n"), QStringLiteral("weitere Zeilen")},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(ChartFile::fromText(c.text, &error)) << c.text.left(60).toStdString();
        EXPECT_TRUE(error.contains(c.reasonPart))
            << error.toStdString() << " / " << c.reasonPart.toStdString();
    }
}

TEST(ChartFile, EveryTruncationIsRejected) {
    const QString valid = ChartFile::toText(sampleDocument());
    ASSERT_TRUE(ChartFile::fromText(valid));
    // Cut after every line and in the middle of every line; a cut just before the final line
    // feed leaves a complete file.
    for (qsizetype cut = 0; cut < valid.size() - 1; ++cut) {
        QString error;
        EXPECT_FALSE(ChartFile::fromText(valid.left(cut), &error)) << cut;
        EXPECT_FALSE(error.isEmpty()) << cut;
    }
}

TEST(ChartFile, DamagedFilesNeverCrashTheReader) {
    const QString valid = ChartFile::toText(sampleDocument());
    QRandomGenerator random(20240611);
    const QString noise = QStringLiteral("\t\n\\x9.-e#VOZAVERO");
    for (int round = 0; round < 2000; ++round) {
        QString text = valid;
        const int changes = 1 + random.bounded(4);
        for (int i = 0; i < changes; ++i) {
            const qsizetype at = random.bounded(static_cast<int>(text.size()));
            text[at] = noise[random.bounded(static_cast<int>(noise.size()))];
        }
        QString error;
        const auto doc = ChartFile::fromText(text, &error);
        EXPECT_TRUE(doc || !error.isEmpty()) << round;
    }
}

TEST(ChartFile, UnreadableFilesAreReported) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString error;
    EXPECT_FALSE(ChartFile::load(dir.filePath(QStringLiteral("fehlt.kpx")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("konnte nicht gelesen werden")));

    const QString binary = dir.filePath(QStringLiteral("bild.kpx"));
    QFile file(binary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("VOZAVERO-KPX 1\n\xff\xfe\x00\x01", 19));
    file.close();
    EXPECT_FALSE(ChartFile::load(binary, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("keine Vozavero-Messreihe")));
}
