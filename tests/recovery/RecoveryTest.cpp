// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The recovery copy follows the series and goes at the orderly end, a failed write is told once;
// the folder offers only the copies of instances that no longer run, and only to one of them.
#include "FullDisk.h"
#include "RecordingExperiment.h"
#include "RecoveryCopy.h"
#include "RecoveryFolder.h"
#include "SingleInstance.h"
#include "chart/ChartFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vozavero {
namespace {

using chart::ChartFile;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Lets the deferred copy be taken, waits for its write and lets a failure be told.
void settle(RecoveryCopy& copy) {
    QCoreApplication::processEvents();
    copy.waitWritten();
    QCoreApplication::processEvents();
}

TEST(RecoveryCopy, FollowsTheSeriesAndIsGoneAfterTheOrderlyEnd) {
    QTemporaryDir dir;
    RecordingExperiment lesson;
    RecoveryCopy copy(lesson.experiment, dir.filePath(QStringLiteral("recovery/copy.kpx")));
    const auto expectCopyIsTheSeries = [&] {
        settle(copy);
        const auto loaded = ChartFile::load(copy.path());
        ASSERT_TRUE(loaded);
        EXPECT_EQ(ChartFile::toText(*loaded), ChartFile::toText(lesson.document()));
    };
    // 700 impacts in one second raise the impact scale after the row: the copy has both.
    lesson.record(1, 700);
    expectCopyIsTheSeries();
    lesson.experiment.restartMeasurement();
    expectCopyIsTheSeries();
    // The orderly end removes the copy, also of a change asked for and not yet written.
    lesson.record(1);
    copy.discard();
    lesson.record(2);
    settle(copy);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("recovery"))).isEmpty());
}

TEST(RecoveryCopy, AFullDiskIsToldOnceAndTheEarlierCopyStays) {
    QTemporaryDir dir;
    FullDisk full(dir.path());
    RecordingExperiment lesson;
    RecoveryCopy copy(lesson.experiment, dir.filePath(QStringLiteral("copy.kpx")));
    QSignalSpy failed(&copy, &RecoveryCopy::failed);
    lesson.record(2);
    settle(copy);
    const QByteArray earlier = bytesOf(copy.path());
    full.fill(2048);
    for (int i = 0; i < 3; ++i) {
        lesson.record(60);
        settle(copy);
    }
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains(QStringLiteral("nicht mehr genug Platz")));
    EXPECT_EQ(bytesOf(copy.path()), earlier);
}

TEST(RecoveryFolder, LostCopiesAreOfferedNewestFirstAndTakenOverByOneInstanceOnly) {
    QTemporaryDir dir;
    const QString locks = dir.filePath(QStringLiteral("run"));
    const QString copies = dir.filePath(QStringLiteral("recovery"));
    ASSERT_TRUE(QDir().mkpath(locks) && QDir().mkpath(copies));
    RecordingExperiment series;
    series.record(5);
    const auto folderOf = [&](const SingleInstance& instance) {
        return RecoveryFolder(copies, instance.name(), [&instance](const QString& other) {
            return instance.isRunning(other);
        });
    };
    // Writes the series as the copy of instance, last changed `age` seconds ago.
    const auto copyOf = [&](const QString& instance, int age = 0, const QString& suffix = ".kpx") {
        const QString path = QDir(copies).filePath(instance + suffix);
        EXPECT_TRUE(ChartFile::save(series.document(), path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                         QFileDevice::FileModificationTime);
        return path;
    };
    auto self = std::make_unique<SingleInstance>(locks);
    SingleInstance other(locks); // a second instance started with "/NEW", still running
    const QString older = copyOf(SingleInstance(locks).name(), 60);
    const QString newer = copyOf(SingleInstance(locks).name(), 10);
    const QString running = copyOf(other.name());
    // A running instance's unfinished write stays.
    const QString runningLeftover = copyOf(other.name(), 0, ".kpx.Xy34Zw");
    EXPECT_EQ(folderOf(*self).lostCopies(), QStringList({newer, older}));
    EXPECT_TRUE(QFile::exists(runningLeftover) && QFile::exists(running));

    const QString claimed = folderOf(*self).claim(newer);
    EXPECT_TRUE(folderOf(other).claim(newer).isEmpty());
    EXPECT_EQ(folderOf(other).lostCopies(), QStringList{older});
    // The claiming instance ends while asking: the copy is lost again.
    self.reset();
    EXPECT_EQ(folderOf(other).lostCopies(), QStringList({claimed, older}));
}

} // namespace
} // namespace vozavero
