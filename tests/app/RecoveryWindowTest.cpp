// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The recovery copy through the real window (which copies are offered, how they are written and
// removed is the recovery folder's and the copy's own): at start-up a lost series is offered after
// the "-DEV" trace and a series named on the command line, before measuring starts; Yes shows it,
// No removes it. The menu and the close box end the lesson and remove the window's own copy.
#include "AppFixture.h"
#include "SingleInstance.h"
#include "chart/ChartFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace vozavero {

class RecoveryWindowTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(dir.filePath("run")));
        recoveryFolder = dir.filePath(QStringLiteral("recovery"));
        ASSERT_TRUE(QDir().mkpath(recoveryFolder));
        instance = [this] {
            if (!self) {
                self = std::make_unique<SingleInstance>(dir.filePath("run"));
            }
            return self.get();
        };
    }
    void TearDown() override { end(); }
    void end() {
        window.reset();
        self.reset();
    }
    /// Leaves lesson's series as the copy of an instance that ended at 06.12.2026, 11:40:27.
    QString lose(const RecordingExperiment& lesson) {
        const QString path = QDir(recoveryFolder).filePath("vozavero-999999-0-0000dead.kpx");
        EXPECT_TRUE(chart::ChartFile::save(lesson.document(), path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 6), QTime(11, 40, 27)),
                                     QFileDevice::FileModificationTime));
        return path;
    }
    QString ownCopy() const { return window->recovery()->copy().path(); }
    void settle() {
        QCoreApplication::processEvents();
        window->recovery()->copy().waitWritten();
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    std::unique_ptr<SingleInstance> self;
};

TEST_F(RecoveryWindowTest,
       ALostSeriesIsOfferedAfterTheTraceAndFileBeforeMeasuringAndTheOrderlyEndRemovesTheCopy) {
    RecordingExperiment saved;
    saved.record(2, 90);
    const QString file = dir.filePath(QStringLiteral("gespeichert.kpx"));
    ASSERT_TRUE(chart::ChartFile::save(saved.document(), file));
    RecordingExperiment twelve;
    twelve.record(12, 55);
    RecordingExperiment one;
    one.record(1);
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        const QString lost = lose(yes ? twelve : one);
        services.answers = {yes ? FrameworkServices::kAnswerYes : FrameworkServices::kAnswerNo};
        qsizetype tracedBeforeQuestion = -1;
        bool measuringWhileAsked = true;
        services.whileOpen = [&] {
            if (services.questions.size() == 1 && tracedBeforeQuestion < 0) {
                tracedBeforeQuestion = services.messages.size();
                measuringWhileAsked = find<QTimer>("KollZaehl")->isActive();
            }
        };
        ASSERT_TRUE(start(CommandLine::fromArguments({"vozavero", "-dev", file})));
        ASSERT_EQ(services.questions.size(), 1);
        EXPECT_TRUE(services.questions[0].startsWith(
            QString("Nach einem unerwarteten Programmende ist eine nicht gespeicherte Messreihe "
                    "vom 06.12.2026, 11:40 Uhr mit %1 erhalten. Wiederherstellen?")
                .arg(yes ? "12 Messpunkten" : "1 Messpunkt")))
            << services.questions[0].toStdString();
        EXPECT_EQ(services.safeAnswers[0], FrameworkServices::kAnswerYes);
        EXPECT_EQ(tracedBeforeQuestion, 14);
        EXPECT_EQ(services.messages.size(), 14);
        EXPECT_FALSE(measuringWhileAsked);
        EXPECT_TRUE(find<QTimer>("KollZaehl")->isActive());
        EXPECT_EQ(points(),
                  RecordingExperiment::pointsOf(yes ? twelve.document() : saved.document()));
        EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
        EXPECT_FALSE(QFile::exists(lost));
        EXPECT_TRUE(QFile::exists(file));
        if (yes) { // the series lives on in the window's own copy only: opening another asks
            EXPECT_TRUE(window->experiment().hasUnsavedPoints());
            const auto own = chart::ChartFile::load(ownCopy());
            ASSERT_TRUE(own);
            EXPECT_EQ(RecordingExperiment::pointsOf(*own), points());
        }
        // The orderly end, by the menu or the close box, removes the window's own copy.
        window->timers().loop()->start();
        find<QCheckBox>("opt_Record")->setChecked(true);
        closeInterval(30);
        settle();
        ASSERT_TRUE(QFile::exists(ownCopy()));
        if (yes) {
            services.answers = {FrameworkServices::kAnswerYes};
            trigger("mnu_FileQuit");
            advance(0.1); // the loop sees the request and ends the program
            EXPECT_EQ(quitCalls, 1);
        } else {
            window->close();
        }
        EXPECT_FALSE(QFile::exists(ownCopy()));
        closeInterval(30); // a last interval before the program is gone writes nothing
        settle();
        EXPECT_FALSE(QFile::exists(ownCopy()));
        end();
        services.questions.clear();
        services.messages.clear();
    }
}

} // namespace vozavero
