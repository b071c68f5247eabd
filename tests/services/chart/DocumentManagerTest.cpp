// Tests of saving through the document manager with a scripted file chooser and error reporter.
#include "chart/DocumentManager.h"
#include "chart/ChartFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vozavero::chart::ChartDocument;
using vozavero::chart::ChartFile;
using vozavero::chart::DocumentManager;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DocumentManager, OffersTheDefaultNameEveryTimeAndReportsAFailedSave) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString earlier = dir.filePath(QStringLiteral("montag.kpx"));
    QStringList offered;
    QStringList answers = {earlier, dir.filePath(QStringLiteral("dienstag")),
                           // A path below a regular file cannot be created, not even by root.
                           earlier + QStringLiteral("/teilchen.kpx")};
    QStringList reports;
    DocumentManager manager;
    manager.setFileChooser([&](const QString& suggested) {
        offered << suggested;
        return answers.takeFirst();
    });
    manager.setErrorReporter([&](const QString& text) { reports << text; });

    ChartDocument doc(QStringLiteral("Vozavero"));
    doc.addChart().append(3, 10.5);
    doc.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    ASSERT_TRUE(manager.save(doc, QString()));
    ASSERT_TRUE(manager.save(doc, QString()));
    const QByteArray before = fileBytes(earlier);
    ASSERT_FALSE(before.isEmpty());
    EXPECT_FALSE(manager.save(doc, QString()));

    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(QFileInfo(offered[0]).fileName(), QStringLiteral("teilchen.kpx"));
    EXPECT_EQ(QFileInfo(offered[1]).fileName(), QStringLiteral("teilchen.kpx"));
    EXPECT_EQ(QFileInfo(offered[1]).absolutePath(), QDir(dir.path()).absolutePath());
    const auto loaded = ChartFile::load(dir.filePath(QStringLiteral("dienstag.kpx")));
    ASSERT_TRUE(loaded); // the missing suffix was added
    EXPECT_EQ(loaded->chart(0).y(1), 10.5);

    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("konnte nicht gespeichert werden")));
    EXPECT_TRUE(reports[0].contains(QStringLiteral("teilchen.kpx")));
    EXPECT_EQ(fileBytes(earlier), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}
