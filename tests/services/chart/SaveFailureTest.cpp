// Saving through the document manager and onto a full disk, into missing folders, onto folders,
// under files and into folders without rights: the earlier file always stays byte for byte, no
// temporary file is left, and the user reads in German which file failed and why.
#include "chart/SaveFailure.h"
#include "FullDisk.h"
#include "chart/AtomicFile.h"
#include "chart/ChartFile.h"
#include "chart/DocumentManager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/wait.h>
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

/// Saves doc to path and returns the reason it failed. Run by root, who may write anywhere, the
/// save is made by a child process with the rights of the user "nobody".
QString saveError(const ChartDocument& doc, const QString& path) {
    QString error;
    if (::geteuid() != 0) {
        ChartFile::save(doc, path, &error);
        return error;
    }
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return QStringLiteral("no pipe");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            ChartFile::save(doc, path, &error);
        }
        const QByteArray bytes = error.toUtf8();
        const bool written = ::write(pipe[1], bytes.data(), bytes.size()) == bytes.size();
        ::_exit(written ? 0 : 1);
    }
    ::close(pipe[1]);
    QByteArray bytes;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, n);
    }
    ::close(pipe[0]);
    ::waitpid(child, nullptr, 0);
    return QString::fromUtf8(bytes);
}

} // namespace

TEST(SaveFailure, TheManagerOffersTheDefaultNameAddsTheSuffixAndKeepsTheEarlierFileOnAFullDisk) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString disk = dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    FullDisk full(disk);
    const QString path = QDir(disk).filePath(QStringLiteral("reihe.kpx"));
    QStringList offered;
    QStringList reports;
    DocumentManager manager;
    manager.setFileChooser([&](const QString& suggested) {
        offered << suggested;
        return QDir(disk).filePath(QStringLiteral("reihe"));
    });
    manager.setErrorReporter([&](const QString& text) { reports << text; });
    ChartDocument earlier(QStringLiteral("Vozavero"));
    earlier.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    earlier.addChart().append(1, 10.5);
    ASSERT_TRUE(manager.save(earlier, QString()));
    const QByteArray before = fileBytes(path);
    ASSERT_EQ(ChartFile::load(path)->chart(0).y(1), 10.5); // the missing suffix was added

    ChartDocument series = normalSeries();
    ASSERT_GT(ChartFile::toText(series).toUtf8().size(), 3700);
    full.fill(2048);
    manager.setReplaceQuestion([](const QString&) { return true; });
    EXPECT_FALSE(manager.save(series, QString()));

    // The default name again, now in the folder of the last save.
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(QFileInfo(offered[0]).fileName(), QStringLiteral("teilchen.kpx"));
    EXPECT_EQ(offered[1], QDir(disk).filePath(QStringLiteral("teilchen.kpx")));
    EXPECT_EQ(fileBytes(path), before);
    ASSERT_EQ(reports.size(), 1);
    expectReason(reports[0], path, "nicht mehr genug Platz");
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("reihe")),
              QStringList{QStringLiteral("reihe.kpx")});
}

TEST(SaveFailure, EachCommonCauseIsNamedWithItsFileAndNothingIsWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("datei.kpx"));
    ASSERT_TRUE(writeBytes(file, "alt"));
    const QString folder = dir.filePath(QStringLiteral("ordner.kpx"));
    ASSERT_TRUE(QDir().mkpath(folder));
    // A folder nobody but root may write to.
    const QString locked = dir.filePath(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_TRUE(
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ExeOther));
    const ChartDocument doc = normalSeries();

    const struct {
        QString path;
        QString names;
        const char* cause;
    } cases[] = {
        {dir.filePath(QStringLiteral("fehlt/noch/reihe.kpx")), dir.filePath("fehlt/noch"),
         "gibt es nicht"},
        {file + QStringLiteral("/reihe.kpx"), file, "ist eine Datei, kein Ordner"},
        {file + QStringLiteral("/neu/reihe.kpx"), file, "ist eine Datei, kein Ordner"},
        {folder, folder, "ist ein Ordner, keine Datei"},
        {locked + QStringLiteral("/reihe.kpx"), locked, "keine Berechtigung"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QString error = saveError(doc, c.path);
        EXPECT_TRUE(error.contains(QStringLiteral("konnte nicht gespeichert werden")));
        expectReason(error, c.names, c.cause);
    }
    EXPECT_EQ(fileBytes(file), QByteArray("alt"));
    EXPECT_TRUE(QDir(locked).isEmpty());
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_TRUE(SaveFailure::reason(EROFS, file).contains(QStringLiteral("schreibgeschützt")));
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
        QString error;
        EXPECT_FALSE(AtomicFile::makeFolder(folder, &error));
        expectReason(error, folder, "konnte nicht angelegt werden");
        expectReason(error, file, "ist eine Datei, kein Ordner");
    }
    EXPECT_EQ(fileBytes(file), QByteArray("alt"));
    // A refusal names the nearest folder that exists: the one a missing folder would go into.
    expectReason(SaveFailure::folderReason(EACCES, dir.filePath(QStringLiteral("x/y"))), dir.path(),
                 "keine Berechtigung");
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
