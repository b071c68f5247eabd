// The folder of recovery copies: the copies of instances whose lock is stale or gone are lost
// series (newest first) and the copies of running instances are not, an instance takes a lost
// copy over so that no other offers it, a copy reads back with its points and time or with a
// German reason, and one that is no series is moved aside.
#include "RecoveryFolder.h"
#include "RecordingExperiment.h"
#include "SingleInstance.h"
#include "chart/ChartFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vozavero {
namespace {

class RecoveryFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(locks()));
        ASSERT_TRUE(QDir().mkpath(copies()));
        series.record(5);
    }
    QString locks() const { return dir.filePath(QStringLiteral("run")); }
    QString copies() const { return dir.filePath(QStringLiteral("recovery")); }
    /// The folder as the instance sees it.
    RecoveryFolder folderOf(const SingleInstance& instance) const {
        return RecoveryFolder(copies(), instance.name(), [&instance](const QString& other) {
            return instance.isRunning(other);
        });
    }
    /// Writes the series as the copy of instance, last changed `age` seconds ago.
    QString copyOf(const QString& instance, int age = 0, const QString& suffix = ".kpx") const {
        const QString path = QDir(copies()).filePath(instance + suffix);
        EXPECT_TRUE(chart::ChartFile::save(series.document(), path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                         QFileDevice::FileModificationTime);
        return path;
    }
    /// The name of an instance that ran and has ended.
    QString endedInstance() const { return SingleInstance(locks()).name(); }

    QTemporaryDir dir;
    RecordingExperiment series;
};

TEST_F(RecoveryFolderTest, LostCopiesAreThoseOfInstancesThatNoLongerRunNewestFirst) {
    SingleInstance self(locks());
    SingleInstance other(locks()); // started with "/NEW" beside this one and still running
    const QString ended = endedInstance();
    // A crashed instance whose lock file is still there, held by no process.
    const QString crashed = QStringLiteral("vozavero-999999-0-0000dead");
    QFile stale(QDir(locks()).filePath(crashed + ".lock"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvozavero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    copyOf(self.name());
    const QString runningCopy = copyOf(other.name());
    const QString endedCopy = copyOf(ended, 60);
    const QString crashedCopy = copyOf(crashed, 10);
    // Unfinished writes: the ended instance's goes, the running one's stays.
    const QString endedLeftover = copyOf(ended, 60, ".kpx.Ab12Cd");
    const QString runningLeftover = copyOf(other.name(), 0, ".kpx.Xy34Zw");

    EXPECT_EQ(folderOf(self).lostCopies(), QStringList({crashedCopy, endedCopy}));
    EXPECT_FALSE(QFile::exists(endedLeftover));
    EXPECT_TRUE(QFile::exists(runningLeftover));
    EXPECT_TRUE(QFile::exists(runningCopy));
    EXPECT_FALSE(stale.exists()); // the stale lock is cleared on the way
    EXPECT_EQ(folderOf(self).copyPath(), QDir(copies()).filePath(self.name() + ".kpx"));
}

TEST_F(RecoveryFolderTest, OneInstanceTakesALostCopyOverAndItIsLostAgainWhenThatOneEnds) {
    const QString lost = copyOf(endedInstance());
    const QString series = QFileInfo(lost).completeBaseName();
    auto first = std::make_unique<SingleInstance>(locks());
    SingleInstance second(locks());

    const QString claimed = folderOf(*first).claim(lost);
    EXPECT_EQ(QFileInfo(claimed).fileName(), first->name() + "." + series + ".kpx");
    EXPECT_TRUE(folderOf(second).claim(lost).isEmpty());  // the first was quicker
    EXPECT_TRUE(folderOf(second).lostCopies().isEmpty()); // the first still runs

    // The first ends while asking: its copy is lost again, and keeps naming the series.
    first.reset();
    ASSERT_EQ(folderOf(second).lostCopies(), QStringList{claimed});
    const QString again = folderOf(second).claim(claimed);
    EXPECT_EQ(QFileInfo(again).fileName(), second.name() + "." + series + ".kpx");
}

TEST_F(RecoveryFolderTest, ACopyReadsBackWithItsPointsAndTimeOrWithAReason) {
    const QString good = copyOf(QStringLiteral("good"), 3600);
    const RecoveryFolder::Contents contents = RecoveryFolder::read(good);
    ASSERT_TRUE(contents.series) << contents.error.toStdString();
    EXPECT_EQ(contents.points, 5);
    EXPECT_EQ(RecordingExperiment::pointsOf(*contents.series),
              RecordingExperiment::pointsOf(series.document()));
    EXPECT_EQ(contents.saved, QFileInfo(good).lastModified());

    const QByteArray text = chart::ChartFile::toText(series.document()).toUtf8();
    chart::ChartDocument oneChart(QStringLiteral("Vozavero"));
    oneChart.addChart(QStringLiteral("pressureTimeChart")).append(0, 1);
    const struct {
        const char* what;
        QByteArray bytes;
    } bad[] = {
        {"empty", QByteArray()},
        {"garbage", QByteArray("\x01\x02 kein Text")},
        {"cut off", text.left(text.size() / 2)},
        {"another document", chart::ChartFile::toText(oneChart).toUtf8()},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.what);
        const QString path = QDir(copies()).filePath(QStringLiteral("bad.kpx"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(b.bytes);
        file.close();
        const RecoveryFolder::Contents read = RecoveryFolder::read(path);
        EXPECT_FALSE(read.series);
        EXPECT_FALSE(read.error.isEmpty());
        EXPECT_EQ(read.points, 0);
    }
}

TEST_F(RecoveryFolderTest, ACopyThatIsNoSeriesIsMovedAsideUnderAFreeName) {
    SingleInstance self(locks());
    const RecoveryFolder folder = folderOf(self);
    const QString unreadable = QDir(copies()).filePath(QStringLiteral("unreadable"));
    for (const QString& expected : {QStringLiteral("x.kpx"), QStringLiteral("2-x.kpx")}) {
        const QString path = copyOf(self.name() + QStringLiteral(".x"));
        EXPECT_EQ(folder.moveAside(path, QStringLiteral("x.kpx")),
                  QDir(unreadable).filePath(expected));
        EXPECT_FALSE(QFile::exists(path));
    }
    EXPECT_TRUE(folder.lostCopies().isEmpty()); // what is moved aside is never offered
}

} // namespace
} // namespace vozavero
