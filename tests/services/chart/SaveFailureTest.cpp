// Tests of saving onto a full disk, into missing folders, onto folders and over files named
// without suffix, and of making folders for files: the earlier file always stays byte for byte,
// and the user reads why in German.
#include "chart/SaveFailure.h"
#include "FullDisk.h"
#include "chart/AtomicFile.h"
#include "chart/ChartFile.h"
#include "chart/DocumentManager.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using vozavero::FullDisk;
using vozavero::chart::AtomicFile;
using vozavero::chart::ChartDocument;
using vozavero::chart::ChartFile;
using vozavero::chart::DocumentManager;
using vozavero::chart::SaveFailure;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

/// A series of the usual size: eleven charts, the time chart with 100 rows (about 4 kB).
ChartDocument normalSeries() {
    ChartDocument doc(QStringLiteral("Vozavero"));
    doc.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    for (int c = 0; c < 11; ++c) {
        auto& chart = doc.addChart(QStringLiteral("chart%1").arg(c));
        for (int i = 0; i < (c == 0 ? 100 : 4); ++i) {
            chart.append(i * 5.0, 100.0 / 3.0 + i);
        }
    }
    return doc;
}

/// No word of the system's English error texts may reach the user.
void expectGerman(const QString& text) {
    for (const char* english : {"No space", "Permission", "directory", "Not a", "denied"}) {
        EXPECT_FALSE(text.contains(QLatin1String(english), Qt::CaseInsensitive))
            << text.toStdString();
    }
}

} // namespace

TEST(SaveFailure, ADiskThatFillsDuringTheSaveKeepsTheEarlierFileAndSaysSoInGerman) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString disk = dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    FullDisk full(disk);
    const QString path = QDir(disk).filePath(QStringLiteral("reihe.kpx"));
    ChartDocument earlier(QStringLiteral("Vozavero"));
    earlier.addChart().append(1, 2);
    ASSERT_TRUE(ChartFile::save(earlier, path));
    const QByteArray before = fileBytes(path);
    ASSERT_FALSE(before.isEmpty());

    ChartDocument series = normalSeries();
    ASSERT_GT(ChartFile::toText(series).toUtf8().size(), 3700);
    full.fill(2048);
    QStringList reports;
    DocumentManager manager;
    manager.setFileChooser([&](const QString&) { return path; });
    manager.setErrorReporter([&](const QString& text) { reports << text; });
    EXPECT_FALSE(manager.save(series, QString()));

    EXPECT_EQ(fileBytes(path), before);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("nicht mehr genug Platz")))
        << reports[0].toStdString();
    expectGerman(reports[0]);
    // No temporary file is left behind either.
    EXPECT_FALSE(
        QDir(disk).entryList(QDir::Files).join(u' ').contains(QStringLiteral("reihe.kpx.")));
}

TEST(SaveFailure, TheCommonCausesReadAsGermanSentences) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("datei.kpx"));
    ASSERT_TRUE(writeBytes(file, "alt"));
    const QString folder = dir.filePath(QStringLiteral("ordner.kpx"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ChartDocument doc = normalSeries();

    const struct {
        QString path;
        int expected;
        const char* words;
    } cases[] = {
        {dir.filePath(QStringLiteral("fehlt/noch/reihe.kpx")), ENOENT, "gibt es nicht"},
        {file + QStringLiteral("/reihe.kpx"), ENOTDIR, "datei.kpx“ ist eine Datei, kein Ordner"},
        {file + QStringLiteral("/neu/reihe.kpx"), ENOTDIR, "datei.kpx“ ist eine Datei"},
        {folder, EISDIR, "ist ein Ordner"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SaveFailure::checkPath(c.path), c.expected) << c.path.toStdString();
        QString error;
        EXPECT_FALSE(ChartFile::save(doc, c.path, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.words))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("konnte nicht gespeichert werden")));
        expectGerman(error);
    }
    EXPECT_EQ(fileBytes(file), QByteArray("alt"));
    EXPECT_EQ(SaveFailure::checkPath(dir.filePath(QStringLiteral("neu.kpx"))), 0);
    EXPECT_TRUE(SaveFailure::reason(EACCES, file).contains(QStringLiteral("keine Berechtigung")));
    EXPECT_TRUE(SaveFailure::reason(EROFS, file).contains(QStringLiteral("schreibgeschützt")));
    EXPECT_EQ(SaveFailure::reason(EIO, file),
              QStringLiteral("Beim Schreiben ist ein Fehler aufgetreten."));

    if (::geteuid() != 0) { // the superuser may write anywhere
        const QString locked = dir.filePath(QStringLiteral("gesperrt"));
        ASSERT_TRUE(QDir().mkpath(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QString error;
        EXPECT_FALSE(ChartFile::save(doc, locked + QStringLiteral("/reihe.kpx"), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("keine Berechtigung"))) << error.toStdString();
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
}

TEST(SaveFailure, AFolderForFilesIsMadeOrItsCauseIsToldInGerman) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("datei"));
    ASSERT_TRUE(writeBytes(file, "alt"));

    const QString nested = dir.filePath(QStringLiteral("a/b/c"));
    EXPECT_TRUE(AtomicFile::makeFolder(nested));
    EXPECT_TRUE(QFileInfo(nested).isDir());
    EXPECT_TRUE(AtomicFile::makeFolder(nested)); // there already

    for (const QString& folder : {file, file + QStringLiteral("/unter/ordner")}) {
        EXPECT_EQ(SaveFailure::checkFolder(folder), ENOTDIR);
        QString error;
        EXPECT_FALSE(AtomicFile::makeFolder(folder, &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Der Ordner „%1“ konnte nicht angelegt werden.")
                                         .arg(QDir::toNativeSeparators(folder))))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("„%1“ ist eine Datei, kein Ordner.")
                                       .arg(QDir::toNativeSeparators(file))))
            << error.toStdString();
        expectGerman(error);
    }
    EXPECT_EQ(fileBytes(file), QByteArray("alt"));
    // A refusal names the nearest folder that exists: the one a missing folder would go into.
    EXPECT_TRUE(
        SaveFailure::folderReason(EACCES, dir.filePath(QStringLiteral("x/y")))
            .contains(QStringLiteral("im Ordner „%1“").arg(QDir::toNativeSeparators(dir.path()))));
    EXPECT_TRUE(SaveFailure::folderReason(ENOSPC, nested).contains(QStringLiteral("Platz")));
}

TEST(SaveFailure, ANameWithoutSuffixAsksBeforeReplacingTheFileWithTheSuffix) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("reihe.kpx"));
    ASSERT_TRUE(writeBytes(existing, "alte Messreihe"));
    QStringList asked;
    bool replace = false;
    QString answer = dir.filePath(QStringLiteral("reihe"));
    DocumentManager manager;
    manager.setFileChooser([&](const QString&) { return answer; });
    manager.setReplaceQuestion([&](const QString& path) {
        asked << path;
        return replace;
    });
    manager.setErrorReporter([](const QString& text) { FAIL() << text.toStdString(); });
    ChartDocument doc = normalSeries();

    EXPECT_FALSE(manager.save(doc, QString()));
    EXPECT_EQ(asked, QStringList{existing});
    EXPECT_EQ(fileBytes(existing), QByteArray("alte Messreihe"));

    replace = true;
    EXPECT_TRUE(manager.save(doc, QString()));
    EXPECT_EQ(asked.size(), 2);
    EXPECT_TRUE(ChartFile::load(existing));

    // A new name, and a name whose suffix was typed (the dialog asked about it), ask nothing.
    answer = dir.filePath(QStringLiteral("neu"));
    EXPECT_TRUE(manager.save(doc, QString()));
    answer = existing;
    EXPECT_TRUE(manager.save(doc, QString()));
    EXPECT_EQ(asked.size(), 2);
}
