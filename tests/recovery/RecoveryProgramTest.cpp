// The real program, started offscreen with a 1 s measuring interval, killed with SIGKILL and
// started again: the question about the lost series comes, and after "Ja" every point of every
// chart is back. An orderly end leaves no copy and the next start asks nothing; two "/NEW"
// instances keep a copy each; a copy that is no series is moved aside with a note instead of
// being offered. Every run has data, settings and runtime folders of its own (XDG_DATA_HOME,
// XDG_CONFIG_HOME, XDG_RUNTIME_DIR), never the user's, and answers through
// VOZAVERO_TEST_RECOVERY_ANSWER.
#include "RecoveryFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace vozavero {
namespace {

const QString kQuestionEnd = QStringLiteral("Wiederherstellen?");

class RecoveryProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(QDir().mkpath(runtime()));
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    }
    void TearDown() override {
        for (auto& p : programs) {
            if (p->state() != QProcess::NotRunning) {
                ::kill(static_cast<pid_t>(p->processId()), SIGKILL);
                p->waitForFinished(10000);
            }
        }
    }
    QString runtime() const { return home.filePath(QStringLiteral("run")); }
    QString folder() const { return home.filePath(QStringLiteral("data/Vozavero/recovery")); }

    /// Starts the program; quitAfterMs > 0 closes its window that long after start-up.
    QProcess& start(const QString& answer, const QStringList& arguments = {}, int quitAfterMs = 0) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        // The user's language choice stays out; the messages are German.
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        env.insert(QStringLiteral("VOZAVERO_TEST_INTERVAL"), QStringLiteral("1"));
        env.insert(QStringLiteral("VOZAVERO_TEST_RECOVERY_ANSWER"), answer);
        env.remove(QStringLiteral("VOZAVERO_QUIT_AFTER_START"));
        if (quitAfterMs > 0) {
            env.insert(QStringLiteral("VOZAVERO_QUIT_AFTER_START"), QString::number(quitAfterMs));
        }
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(VOZAVERO_PROGRAM), arguments);
        EXPECT_TRUE(p->waitForStarted(10000));
        pids[p.get()] = p->processId(); // gone from the process once it has ended
        programs.push_back(std::move(p));
        return *programs.back();
    }
    /// Lets a program end by itself; returns what it wrote to standard error.
    static QString finished(QProcess& p) {
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
        return QString::fromUtf8(p.readAllStandardError());
    }
    static void killHard(QProcess& p) {
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        ASSERT_TRUE(p.waitForFinished(10000));
    }
    /// The path of the copy of the program (named after its process).
    QString copyOf(const QProcess& p) const {
        const QStringList names =
            QDir(folder()).entryList({QStringLiteral("vozavero-%1-*.kpx").arg(pids.at(&p))});
        return names.size() == 1 ? QDir(folder()).filePath(names[0]) : QString();
    }
    /// Waits until the program's copy holds at least rows measured points.
    RecoveryFolder::Contents waitForCopy(const QProcess& p, int rows) {
        const QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            if (const QString path = copyOf(p); !path.isEmpty()) {
                RecoveryFolder::Contents c = RecoveryFolder::read(path);
                if (c.series && c.points >= rows) {
                    return c;
                }
            }
            QThread::msleep(20);
        }
        ADD_FAILURE() << "no copy with " << rows << " rows";
        return {};
    }
    QStringList copies() const {
        return QDir(folder()).entryList({QStringLiteral("*.kpx")}, QDir::Files);
    }

    QTemporaryDir home;
    std::vector<std::unique_ptr<QProcess>> programs;
    std::map<const QProcess*, qint64> pids;
};

TEST_F(RecoveryProgramTest, AfterAKillYesBringsBackEveryPointOfEveryChart) {
    QProcess& first = start(QStringLiteral("ja"));
    waitForCopy(first, 3);
    killHard(first);
    // The copy as the killed program left it: a row closes a second after the copy was seen,
    // the kill comes within milliseconds, so this is the series it held.
    const QString lost = copyOf(first);
    const RecoveryFolder::Contents before = RecoveryFolder::read(lost);
    ASSERT_TRUE(before.series);

    QProcess& second = start(QStringLiteral("ja"), {}, 4000);
    const RecoveryFolder::Contents after = waitForCopy(second, before.points);
    ASSERT_TRUE(after.series);
    ASSERT_EQ(after.series->chartCount(), 11);
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(after.series->chart(c).points(), before.series->chart(c).points())
            << after.series->chart(c).name().toStdString();
    }
    EXPECT_FALSE(QFile::exists(lost));
    const QString err = finished(second);
    EXPECT_EQ(err.count(kQuestionEnd), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("wiederherstellen")));
    EXPECT_TRUE(
        err.contains(QStringLiteral("vom %1 mit %2 Messpunkten erhalten. Wiederherstellen?")
                         .arg(before.saved.toString(QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'")))
                         .arg(before.points)))
        << err.toStdString();
}

TEST_F(RecoveryProgramTest, AnOrderlyEndLeavesNoCopyAndTheNextStartAsksNothing) {
    QProcess& first = start(QStringLiteral("ja"), {}, 2500);
    waitForCopy(first, 1);
    finished(first);
    EXPECT_TRUE(copies().isEmpty()) << copies().join(u' ').toStdString();

    QProcess& next = start(QStringLiteral("ja"), {}, 500);
    const QString err = finished(next);
    EXPECT_FALSE(err.contains(kQuestionEnd)) << err.toStdString();
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(RecoveryProgramTest, TwoNewInstancesKeepACopyEachAndOnlyTheDeadOnesIsOffered) {
    QProcess& first = start(QStringLiteral("nein"), {QStringLiteral("/NEW")});
    QProcess& second = start(QStringLiteral("nein"), {QStringLiteral("/NEW")});
    const RecoveryFolder::Contents secondCopy = waitForCopy(second, 2);
    const RecoveryFolder::Contents firstCopy = waitForCopy(first, 2);
    ASSERT_TRUE(firstCopy.series && secondCopy.series);
    ASSERT_NE(copyOf(first), copyOf(second));

    killHard(second);
    const QString lost = copyOf(second);
    const int lostPoints = RecoveryFolder::read(lost).points;
    QProcess& third = start(QStringLiteral("nein"), {QStringLiteral("/NEW")}, 1500);
    const QString err = finished(third);
    EXPECT_EQ(err.count(kQuestionEnd), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("mit %1 Messpunkten").arg(lostPoints)))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(lost));     // "Nein" removes it
    EXPECT_FALSE(copyOf(first).isEmpty()); // the running instance's copy stays
}

TEST_F(RecoveryProgramTest, ACopyThatIsNoSeriesIsMovedAsideWithANoteAndNotOffered) {
    ASSERT_TRUE(QDir().mkpath(folder()));
    QFile broken(QDir(folder()).filePath(QStringLiteral("vozavero-999999-0-0000dead.kpx")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("VOZAVERO-KPX 1\ndocument\tVozavero\ncharts\t11\n");
    broken.close();

    const QString err = finished(start(QStringLiteral("ja"), {}, 500));
    EXPECT_FALSE(err.contains(kQuestionEnd)) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("keine gültige Messreihe"))) << err.toStdString();
    EXPECT_FALSE(broken.exists());
    EXPECT_TRUE(QFile::exists(folder() + "/unreadable/vozavero-999999-0-0000dead.kpx"));
}

} // namespace
} // namespace vozavero
