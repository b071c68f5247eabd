// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Saving through the document manager, onto a full disk and where no file can go: the earlier file
// stays byte for byte, no temporary file is left, and the user reads in German which file and why.
#include "chart/SaveFailure.h"
#include "FullDisk.h"
#include "chart/AtomicFile.h"
#include "chart/ChartFile.h"
#include "chart/DocumentManager.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

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

/// What the user must read: the file or folder by its name, the cause in German words, and no
/// word of the system's English error texts.
void expectReason(const QString& text, const QString& names, const char* cause) {
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(names))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(cause))) << text.toStdString();
    for (const char* english : {"No space", "Permission", "directory", "Not a", "denied"}) {
        EXPECT_FALSE(text.contains(QLatin1String(english), Qt::CaseInsensitive))
            << text.toStdString();
    }
}

} // namespace

TEST(SaveFailure, TheManagerAsksBeforeReplacingAndKeepsTheEarlierFileOnAFullDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString disk = dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    FullDisk full(disk);
    const QString path = QDir(disk).filePath(QStringLiteral("reihe.kpx"));
    QString answer = QDir(disk).filePath(QStringLiteral("reihe"));
    bool replace = false;
    QStringList offered, asked, reports;
    DocumentManager manager;
    manager.setFileChooser([&](const QString& suggested) {
        offered << suggested;
        return answer;
    });
    manager.setReplaceQuestion([&](const QString& replaced) {
        asked << replaced;
        return replace;
    });
    manager.setErrorReporter([&](const QString& text) { reports << text; });
    ChartDocument earlier(QStringLiteral("Vozavero"));
    earlier.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    earlier.addChart().append(1, 10.5);
    ASSERT_TRUE(manager.save(earlier, QString()));
    ASSERT_EQ(ChartFile::load(path)->chart(0).y(1), 10.5); // the missing suffix was added
    const QByteArray before = fileBytes(path);

    // The same name without its suffix asks before replacing the file; "Nein" keeps it.
    const ChartDocument series = normalSeries();
    EXPECT_FALSE(manager.save(series, QString()));
    EXPECT_EQ(asked, QStringList{path});
    EXPECT_EQ(fileBytes(path), before);
    replace = true;
    ASSERT_TRUE(manager.save(series, QString()));
    EXPECT_EQ(ChartFile::toText(*ChartFile::load(path)), ChartFile::toText(series));
    const QByteArray saved = fileBytes(path);

    // A typed suffix was asked about by the dialog. The full disk keeps the file and says so.
    answer = path;
    ChartDocument other = normalSeries();
    other.setDefaultFileName(QStringLiteral("andere.kpx"));
    full.fill(2048);
    EXPECT_FALSE(manager.save(other, QString()));
    EXPECT_EQ(fileBytes(path), saved);
    EXPECT_EQ(asked.size(), 2);
    ASSERT_EQ(reports.size(), 1);
    expectReason(reports[0], path, "nicht mehr genug Platz");
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden).filter("reihe"),
              QStringList{"reihe.kpx"});
    // The default name is offered in the folder of the last save.
    EXPECT_EQ(offered[3], QDir(disk).filePath(QStringLiteral("andere.kpx")));
}

TEST(SaveFailure, EachCommonCauseIsNamedWithItsFileAndNothingIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("datei.kpx"));
    ASSERT_TRUE(writeBytes(file, "alt"));
    const QString folder = dir.filePath(QStringLiteral("ordner.kpx"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const ChartDocument doc = normalSeries();

    const struct {
        QString path;
        QString names;
        const char* cause;
    } cases[] = {
        {dir.filePath(QStringLiteral("fehlt/noch/reihe.kpx")), dir.filePath("fehlt/noch"),
         "gibt es nicht"},
        {file + QStringLiteral("/neu/reihe.kpx"), file, "ist eine Datei, kein Ordner"},
        {folder, folder, "ist ein Ordner, keine Datei"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QString error;
        EXPECT_FALSE(ChartFile::save(doc, c.path, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("konnte nicht gespeichert werden")));
        expectReason(error, c.names, c.cause);
    }
    EXPECT_EQ(fileBytes(file), QByteArray("alt"));
    EXPECT_TRUE(QDir(folder).isEmpty());
    // A refusal a test cannot cause as root names the folder that refuses.
    expectReason(SaveFailure::reason(EACCES, file), dir.path(), "keine Berechtigung");
    // A folder for files (of the recovery copy) that cannot be made names what is in the way.
    QString error;
    EXPECT_FALSE(AtomicFile::makeFolder(file + QStringLiteral("/unter/ordner"), &error));
    expectReason(error, file + QStringLiteral("/unter/ordner"), "konnte nicht angelegt werden");
    expectReason(error, file, "ist eine Datei, kein Ordner");
    // A missing folder would go into the nearest one that exists.
    expectReason(SaveFailure::folderReason(EACCES, dir.filePath(QStringLiteral("x/y"))), dir.path(),
                 "keine Berechtigung");
}

TEST(SaveFailure, AFolderThatRefusesTheFileGivesItsCause) {
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path());
    // Root writes into any folder, but not onto a write-protected disk such as a locked stick.
    const bool readOnly = ::mount("tmpfs", path, "tmpfs", MS_RDONLY, nullptr) == 0;
    const auto unmount = qScopeGuard([&] { ::umount2(path, MNT_DETACH); });
    if (!readOnly && (!QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner) ||
                      ::access(path, W_OK) == 0)) {
        GTEST_SKIP() << "neither a write-protected disk nor a folder without rights can be made";
    }
    QString error;
    EXPECT_FALSE(ChartFile::save(normalSeries(), dir.filePath("reihe.kpx"), &error));
    expectReason(error, dir.path(), readOnly ? "schreibgeschützt" : "keine Berechtigung");
}
