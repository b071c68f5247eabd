// The recovery copy of a running series: written after the events that change the series and
// after a confirmed choice, equal to the series in every chart, one write for many changes in one
// go and none for an unchanged series, removed at the orderly end, and a write that fails (a full
// disk, a folder that cannot be made) told once, after which nothing is written.
#include "RecoveryCopy.h"
#include "FullDisk.h"
#include "RecordingExperiment.h"
#include "chart/ChartFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecoveryCopyTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    /// Lets the deferred copy be taken and waits for its write.
    void settle() {
        QCoreApplication::processEvents();
        copy.waitWritten();
        QCoreApplication::processEvents(); // a failure is told on this thread
    }
    /// The copy equals the series in every chart, axes included.
    void expectCopyIsTheSeries() {
        QString error;
        const auto loaded = chart::ChartFile::load(copy.path(), &error);
        ASSERT_TRUE(loaded) << error.toStdString();
        EXPECT_EQ(chart::ChartFile::toText(*loaded), chart::ChartFile::toText(lesson.document()));
    }

    QTemporaryDir dir;
    RecordingExperiment lesson;
    RecoveryCopy copy{lesson.experiment, dir.filePath(QStringLiteral("recovery/copy.kpx"))};
};

TEST_F(RecoveryCopyTest, WrittenAfterWhatChangesTheSeriesAndAfterAConfirmedChoiceOnly) {
    RecordingExperiment saved;
    saved.record(4, 900);
    const struct {
        const char* event;
        std::function<void(Experiment&)> act;
        bool written;
    } cases[] = {
        // 700 impacts in one second raise the impact scale after the row: the copy has both.
        {"recorded interval",
         [](Experiment& e) {
             ExperimentProbe::setImpactCount(e, 700);
             e.measuringTick();
         },
         true},
        {"opened series", [&](Experiment& e) { e.openSeries(saved.document(), nullptr); }, true},
        {"restart", [](Experiment& e) { e.restartMeasurement(); }, true},
        {"options dialog's OK",
         [](Experiment& e) {
             e.confirmAutomaticChoice({}, {7, 3, 200});
         },
         true},
        {"interval while not recording",
         [](Experiment& e) {
             e.setRecording(false);
             e.measuringTick();
         },
         false},
        {"a setting",
         [](Experiment& e) { e.setQuantity(QuantityId::Count, 9, ChangeOrigin::Gauge); }, false},
        {"discarded interval", [](Experiment& e) { e.discardInterval(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.event);
        RecordingExperiment fresh;
        const QString path = dir.filePath(QStringLiteral("%1.kpx").arg(c.event));
        RecoveryCopy caseCopy(fresh.experiment, path);
        c.act(fresh.experiment);
        QCoreApplication::processEvents();
        caseCopy.waitWritten();
        ASSERT_EQ(QFile::exists(path), c.written);
        if (c.written) {
            const auto loaded = chart::ChartFile::load(path);
            ASSERT_TRUE(loaded);
            EXPECT_EQ(chart::ChartFile::toText(*loaded),
                      chart::ChartFile::toText(fresh.document()));
        }
    }
}

TEST_F(RecoveryCopyTest, ManyChangesInOneGoGiveOneWriteAndAnUnchangedSeriesNone) {
    lesson.record(3);
    settle();
    EXPECT_EQ(copy.written(), 1);
    expectCopyIsTheSeries();

    lesson.experiment.confirmAutomaticChoice({}, {5, 2, 250});
    settle();
    EXPECT_EQ(copy.written(), 1);

    lesson.record(1);
    settle();
    EXPECT_EQ(copy.written(), 2);
    expectCopyIsTheSeries();
}

TEST_F(RecoveryCopyTest, TheOrderlyEndRemovesTheCopyAndNothingIsWrittenAfterIt) {
    lesson.record(2);
    settle();
    ASSERT_TRUE(QFile::exists(copy.path()));
    lesson.record(1); // asked for, not yet handed over
    copy.discard();
    EXPECT_FALSE(QFile::exists(copy.path()));
    lesson.record(2);
    settle();
    EXPECT_FALSE(QFile::exists(copy.path()));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("recovery"))).isEmpty());
}

TEST_F(RecoveryCopyTest, AFullDiskIsToldOnceAndTheEarlierCopyStays) {
    const QString disk = dir.filePath(QStringLiteral("recovery"));
    ASSERT_TRUE(QDir().mkpath(disk));
    FullDisk full(disk);
    QSignalSpy failed(&copy, &RecoveryCopy::failed);
    lesson.record(2);
    settle();
    const QByteArray earlier = bytesOf(copy.path());
    ASSERT_FALSE(earlier.isEmpty());

    full.fill(2048);
    for (int i = 0; i < 3; ++i) {
        lesson.record(60);
        settle();
    }
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains(QStringLiteral("nicht mehr genug Platz")));
    EXPECT_EQ(bytesOf(copy.path()), earlier);
    EXPECT_EQ(copy.written(), 1);
}

TEST_F(RecoveryCopyTest, AFolderThatCannotBeMadeIsToldOnce) {
    // A file stands where the folder of copies should be.
    QFile blocker(dir.filePath(QStringLiteral("recovery")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSignalSpy failed(&copy, &RecoveryCopy::failed);
    lesson.record(1);
    settle();
    lesson.record(1);
    settle();
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains(QStringLiteral("konnte nicht angelegt")))
        << failed[0][0].toString().toStdString();
    EXPECT_EQ(copy.written(), 0);
}

} // namespace
} // namespace vozavero
