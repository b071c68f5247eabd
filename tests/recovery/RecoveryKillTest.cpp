// Kills at 50 random moments while the recovery copy is being written never leave a copy that
// fails to load: a child program writes a long lesson's copy without pause and is killed with
// SIGKILL; the copy it leaves is always a whole series of this program.
#include "RecoveryFolder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <random>

namespace vozavero {
namespace {

TEST(RecoveryKill, KillsDuringWritesNeverLeaveACopyThatFailsToLoad) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 random(18);
    std::uniform_int_distribution<int> pauseMs(0, 150);
    int grown = 0;
    for (int run = 0; run < 50; ++run) {
        SCOPED_TRACE(run);
        const QString path = dir.filePath(QStringLiteral("%1/copy.kpx").arg(run));
        QProcess child;
        child.start(QStringLiteral(RECOVERY_WRITE_CHILD), {path});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.errorString().toStdString();
        ASSERT_EQ(child.readAllStandardOutput(), QByteArray("ready\n"));
        QThread::msleep(static_cast<unsigned long>(pauseMs(random)));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));

        const RecoveryFolder::Contents contents = RecoveryFolder::read(path);
        ASSERT_TRUE(contents.series) << contents.error.toStdString();
        EXPECT_GE(contents.points, 3000);
        grown += contents.points > 3000 ? 1 : 0;
    }
    // The copy was being replaced when most kills came: later copies than the first survived.
    EXPECT_GE(grown, 25);
}

} // namespace
} // namespace vozavero
