// Tests of saving through the document manager with a scripted file chooser and error reporter:
// the offered name and folder, cancelling, a direct path, and the report of a failure.
#include "chart/DocumentManager.h"
#include "chart/ChartFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vozavero::chart::ChartDocument;
using vozavero::chart::ChartFile;
using vozavero::chart::DocumentManager;

namespace {

/// A document as the program saves it: eleven charts and the default name set before saving.
ChartDocument measurement() {
    ChartDocument doc(QStringLiteral("Vozavero"));
    for (int i = 0; i < 11; ++i) {
        doc.addChart().append(i, i * 10.5);
    }
    doc.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    return doc;
}

/// Records what the manager offered and answers with prepared file names.
struct ScriptedUser {
    QStringList offered;
    QStringList answers;
    QStringList reports;

    void attach(DocumentManager& manager) {
        manager.setFileChooser([this](const QString& suggested) {
            offered << suggested;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
        manager.setErrorReporter([this](const QString& text) { reports << text; });
    }
};

} // namespace

TEST(DocumentManager, OffersTheDefaultNameEveryTimeInTheLastFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DocumentManager manager;
    ScriptedUser user;
    user.attach(manager);
    user.answers << dir.filePath(QStringLiteral("montag.kpx"))
                 << dir.filePath(QStringLiteral("dienstag.kpx"));
    const QString firstFolder = manager.lastFolder();

    ChartDocument doc = measurement();
    ASSERT_TRUE(manager.save(doc, QString(), true, 0, true));
    doc.setDefaultFileName(QStringLiteral("teilchen.kpx"));
    ASSERT_TRUE(manager.save(doc, QString(), true, 0, true));

    ASSERT_EQ(user.offered.size(), 2);
    EXPECT_EQ(QFileInfo(user.offered[0]).fileName(), QStringLiteral("teilchen.kpx"));
    EXPECT_EQ(QFileInfo(user.offered[1]).fileName(), QStringLiteral("teilchen.kpx"));
    EXPECT_EQ(QFileInfo(user.offered[0]).absolutePath(), QDir(firstFolder).absolutePath());
    EXPECT_EQ(QFileInfo(user.offered[1]).absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(user.reports.isEmpty());

    const auto loaded = ChartFile::load(dir.filePath(QStringLiteral("dienstag.kpx")));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->chartCount(), 11);
    EXPECT_EQ(loaded->chart(10).y(1), 105.0);
}

TEST(DocumentManager, CancelledChoiceWritesNothing) {
    DocumentManager manager;
    ScriptedUser user;
    user.attach(manager);
    ChartDocument doc = measurement();
    const QString folder = manager.lastFolder();
    EXPECT_FALSE(manager.save(doc, QString()));
    EXPECT_EQ(user.offered.size(), 1);
    EXPECT_TRUE(user.reports.isEmpty());
    EXPECT_EQ(manager.lastFolder(), folder);
}

TEST(DocumentManager, GivenPathIsWrittenWithoutAskingUnlessAskedTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DocumentManager manager;
    ScriptedUser user;
    user.attach(manager);
    ChartDocument doc = measurement();

    const QString direct = dir.filePath(QStringLiteral("direkt.kpx"));
    ASSERT_TRUE(manager.save(doc, direct, false));
    EXPECT_TRUE(user.offered.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(direct));

    // Asked to confirm, the user sees the given path and may pick another name, whose missing
    // suffix is added.
    user.answers << dir.filePath(QStringLiteral("anders"));
    ASSERT_TRUE(manager.save(doc, direct, true));
    EXPECT_EQ(user.offered, QStringList{direct});
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("anders.kpx"))));
}

TEST(DocumentManager, FailureIsReportedInGermanOnlyWhenWanted) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString earlier = dir.filePath(QStringLiteral("teilchen.kpx"));
    ChartDocument doc = measurement();
    ASSERT_TRUE(ChartFile::save(doc, earlier));

    DocumentManager manager;
    ScriptedUser user;
    user.attach(manager);
    const QString folder = manager.lastFolder();
    const QString impossible = earlier + QStringLiteral("/teilchen.kpx");

    user.answers << impossible;
    EXPECT_FALSE(manager.save(doc, QString(), true, 0, true));
    ASSERT_EQ(user.reports.size(), 1);
    EXPECT_TRUE(user.reports[0].contains(QStringLiteral("konnte nicht gespeichert werden")));
    EXPECT_EQ(manager.lastFolder(), folder);

    user.answers << impossible;
    EXPECT_FALSE(manager.save(doc, QString(), true, 0, false));
    EXPECT_EQ(user.reports.size(), 1);
}
