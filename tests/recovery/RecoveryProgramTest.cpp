// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The real program killed with SIGKILL and started again, and a copy killed while it is written.
#include "RecoveryFolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <random>

namespace vozavero {
namespace {

TEST(RecoveryProgram, AfterAKillYesBringsBackEveryPointAndAnOrderlyEndLeavesNoCopy) {
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("data/Vozavero/recovery"));
    // Folders of its own (the temporary one is private, as a runtime folder must be), German
    // messages, a 1 s interval and "Ja" to the question.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", QStringLiteral("offscreen")},
                                      {"XDG_DATA_HOME", home.filePath("data")},
                                      {"XDG_CONFIG_HOME", home.filePath("config")},
                                      {"XDG_RUNTIME_DIR", home.path()},
                                      {"LC_MESSAGES", QStringLiteral("C.UTF-8")},
                                      {"VOZAVERO_TEST_INTERVAL", QStringLiteral("1")},
                                      {"VOZAVERO_TEST_RECOVERY_ANSWER", QStringLiteral("ja")}}) {
        env.insert(QString::fromLatin1(name), value);
    }
    const auto start = [&](QProcess& p, int quitAfterMs) {
        env.insert(QStringLiteral("VOZAVERO_QUIT_AFTER_START"), QString::number(quitAfterMs));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VOZAVERO_PROGRAM));
        EXPECT_TRUE(p.waitForStarted(10000));
        return p.processId();
    };
    const auto copyWith = [&](qint64 pid, int rows) {
        for (const QDeadlineTimer deadline(30000); !deadline.hasExpired(); QThread::msleep(20)) {
            const QStringList names =
                QDir(folder).entryList({QStringLiteral("vozavero-%1-*.kpx").arg(pid)});
            if (names.size() == 1 && RecoveryFolder::read(folder + "/" + names[0]).points >= rows) {
                return folder + "/" + names[0];
            }
        }
        ADD_FAILURE() << "no copy with " << rows << " rows";
        return QString();
    };
    const auto finished = [](QProcess& p) {
        EXPECT_TRUE(p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit &&
                    p.exitCode() == 0);
        return QString::fromUtf8(p.readAllStandardError());
    };

    QProcess first;
    const qint64 firstPid = start(first, 600000);
    copyWith(firstPid, 3);
    ::kill(static_cast<pid_t>(firstPid), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    // The copy as the killed program left it: the kill came within milliseconds of seeing it.
    const QString lost = copyWith(firstPid, 3);
    const RecoveryFolder::Contents before = RecoveryFolder::read(lost);

    QProcess second;
    const auto after = RecoveryFolder::read(copyWith(start(second, 4000), before.points));
    ASSERT_TRUE(after.series);
    ASSERT_EQ(after.series->chartCount(), 11);
    for (int c = 0; c < 11; ++c) {
        EXPECT_EQ(after.series->chart(c).points(), before.series->chart(c).points()) << c;
    }
    QString err = finished(second);
    EXPECT_EQ(err.count(QStringLiteral("Wiederherstellen?")), 1) << err.toStdString();
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());

    // The next start asks nothing, and moves a copy that is no series aside with a note.
    QFile broken(QDir(folder).filePath(QStringLiteral("vozavero-999999-0-0000dead.kpx")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("VOZAVERO-KPX 1\ndocument\tVozavero\ncharts\t11\n");
    broken.close();
    QProcess third;
    start(third, 500);
    err = finished(third);
    EXPECT_FALSE(err.contains(QStringLiteral("Wiederherstellen?"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("keine gültige Messreihe"))) << err.toStdString();
    EXPECT_TRUE(QFile::exists(folder + "/unreadable/vozavero-999999-0-0000dead.kpx"));
}

TEST(RecoveryProgram, KillsDuringWritesNeverLeaveACopyThatFailsToLoad) {
    QTemporaryDir dir;
    std::mt19937 random(18);
    int grown = 0;
    for (int run = 0; run < 50; ++run) {
        const QString path = dir.filePath(QStringLiteral("%1/copy.kpx").arg(run));
        QProcess child;
        child.start(QStringLiteral(RECOVERY_WRITE_CHILD), {path});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.errorString().toStdString();
        QThread::msleep(std::uniform_int_distribution<unsigned long>(0, 150)(random));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(10000));
        const RecoveryFolder::Contents contents = RecoveryFolder::read(path);
        ASSERT_TRUE(contents.series) << run << contents.error.toStdString();
        EXPECT_GE(contents.points, 3000);
        grown += contents.points > 3000 ? 1 : 0;
    }
    EXPECT_GE(grown, 25); // most kills came while the copy was being replaced
}

} // namespace
} // namespace vozavero
