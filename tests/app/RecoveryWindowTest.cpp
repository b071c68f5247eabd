// The recovery copy through the real window: at start-up a lost series is offered with the date
// of its last point and its number of points, after the "-DEV" trace and before measuring starts;
// Yes shows it as "Messreihe öffnen…" would, No removes it; copies of running instances, copies
// without points and copies that are no series are not offered. The orderly end (menu, close box)
// removes the window's own copy, and a full disk gives one message while the lesson goes on.
#include "AppFixture.h"
#include "FullDisk.h"
#include "RecordingExperiment.h"
#include "SimulationLoop.h"
#include "SingleInstance.h"
#include "chart/ChartFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace vozavero {

class RecoveryWindowTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir().mkpath(locks()));
        recoveryFolder = dir.filePath(QStringLiteral("recovery"));
        ASSERT_TRUE(QDir().mkpath(recoveryFolder));
        instance = [this] {
            if (!self) {
                self = std::make_unique<SingleInstance>(locks());
            }
            return self.get();
        };
    }
    void TearDown() override {
        window.reset();
        self.reset();
    }
    QString locks() const { return dir.filePath(QStringLiteral("run")); }
    /// Leaves lesson's series as the copy of an instance that ended, last written at saved.
    QString lose(const RecordingExperiment& lesson, const QDateTime& saved,
                 const QString& owner = QStringLiteral("vozavero-999999-0-0000dead")) {
        const QString path = QDir(recoveryFolder).filePath(owner + ".kpx");
        EXPECT_TRUE(chart::ChartFile::save(lesson.document(), path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(saved, QFileDevice::FileModificationTime));
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
    const QDateTime lastPoint{QDate(2026, 12, 6), QTime(11, 40, 27)};
};

TEST_F(RecoveryWindowTest, YesShowsTheLostSeriesAsOpeningItWouldBeforeMeasuringStarts) {
    RecordingExperiment lesson;
    lesson.record(12, 55);
    const QString lost = lose(lesson, lastPoint);
    services.answers = {FrameworkServices::kAnswerYes};
    bool measuringWhileAsked = true;
    services.whileOpen = [&] { measuringWhileAsked = find<QTimer>("KollZaehl")->isActive(); };
    ASSERT_TRUE(start());

    ASSERT_EQ(services.questions.size(), 1);
    EXPECT_TRUE(services.questions[0].startsWith(
        "Nach einem unerwarteten Programmende ist eine nicht gespeicherte Messreihe vom "
        "06.12.2026, 11:40 Uhr mit 12 Messpunkten erhalten. Wiederherstellen?"))
        << services.questions[0].toStdString();
    EXPECT_TRUE(services.questions[0].contains("wiederherstellen"));
    EXPECT_EQ(services.safeAnswers[0], FrameworkServices::kAnswerYes);
    EXPECT_FALSE(measuringWhileAsked);
    EXPECT_TRUE(find<QTimer>("KollZaehl")->isActive());
    EXPECT_TRUE(services.messages.isEmpty());

    const auto taken = RecordingExperiment::pointsOf(window->experiment().document());
    EXPECT_EQ(taken, RecordingExperiment::pointsOf(lesson.document()));
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_FALSE(find<QAction>("mnu_OptionsRecord")->isChecked());
    EXPECT_TRUE(window->experiment().hasUnsavedPoints()); // in no file: opening another asks
    // The series lives on in the window's own copy only; the open dialog does not start here.
    EXPECT_FALSE(QFile::exists(lost));
    const auto own = chart::ChartFile::load(ownCopy());
    ASSERT_TRUE(own);
    EXPECT_EQ(RecordingExperiment::pointsOf(*own), taken);
    EXPECT_TRUE(window->files().documentOpener().lastFolder().isEmpty());
}

TEST_F(RecoveryWindowTest, NoRemovesTheCopyAndTheLessonStartsAfresh) {
    RecordingExperiment lesson;
    lesson.record(1);
    const QString lost = lose(lesson, lastPoint);
    services.answers = {FrameworkServices::kAnswerNo};
    ASSERT_TRUE(start());
    ASSERT_EQ(services.questions.size(), 1);
    EXPECT_TRUE(services.questions[0].contains("mit 1 Messpunkt erhalten"));
    EXPECT_FALSE(QFile::exists(lost));
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_TRUE(QDir(recoveryFolder).entryList(QDir::Files).isEmpty());
}

TEST_F(RecoveryWindowTest, WithASeriesFileOnTheCommandLineTheQuestionComesAfterItIsOpened) {
    RecordingExperiment lesson;
    lesson.record(6, 30);
    RecordingExperiment saved;
    saved.record(2, 90);
    const QString file = dir.filePath(QStringLiteral("gespeichert.kpx"));
    ASSERT_TRUE(chart::ChartFile::save(saved.document(), file));
    const CommandLine withFile = CommandLine::fromArguments({QStringLiteral("vozavero"), file});
    for (const int answer : {FrameworkServices::kAnswerYes, FrameworkServices::kAnswerNo}) {
        lose(lesson, lastPoint);
        services.answers = {answer};
        ASSERT_TRUE(start(withFile));
        EXPECT_EQ(services.questions.size(), 1);
        EXPECT_TRUE(services.messages.isEmpty());
        EXPECT_EQ(RecordingExperiment::pointsOf(window->experiment().document()),
                  RecordingExperiment::pointsOf(answer == FrameworkServices::kAnswerYes
                                                    ? lesson.document()
                                                    : saved.document()));
        EXPECT_TRUE(QFile::exists(file));
        window->close(); // an orderly end: no copy is left for the next round
        window.reset();
        self.reset();
        services.questions.clear();
    }
}

TEST_F(RecoveryWindowTest, UnderDevTheQuestionComesAfterTheStartUpTrace) {
    RecordingExperiment lesson;
    lesson.record(3);
    lose(lesson, lastPoint);
    qsizetype tracedBeforeQuestion = -1;
    services.whileOpen = [&] {
        if (services.questions.size() == 1 && tracedBeforeQuestion < 0) {
            tracedBeforeQuestion = services.messages.size();
        }
    };
    ASSERT_TRUE(start(QStringLiteral("-dev")));
    EXPECT_EQ(tracedBeforeQuestion, 14);
    EXPECT_EQ(services.messages.last(), "X-14");
}

TEST_F(RecoveryWindowTest, NoQuestionForARunningInstancesCopyAnEmptyOneOrOneThatIsNoSeries) {
    SingleInstance other(locks()); // a "/NEW" instance still running
    RecordingExperiment lesson;
    lesson.record(4);
    const QString running = lose(lesson, lastPoint, other.name());
    const QString empty = lose(RecordingExperiment(), lastPoint, "vozavero-999998-0-00000000");
    const QString broken = QDir(recoveryFolder).filePath("vozavero-999997-0-00000000.kpx");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("VOZAVERO-KPX 1\n");
    file.close();

    ASSERT_TRUE(start());
    EXPECT_TRUE(services.questions.isEmpty());
    EXPECT_TRUE(QFile::exists(running));
    EXPECT_FALSE(QFile::exists(empty));
    EXPECT_FALSE(QFile::exists(broken));
    EXPECT_EQ(QDir(recoveryFolder + "/unreadable").entryList(QDir::Files).size(), 1);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);
}

TEST_F(RecoveryWindowTest, TheOrderlyEndRemovesTheCopy) {
    const struct {
        const char* how;
        std::function<void()> end;
    } ends[] = {
        {"menu",
         [this] {
             services.answers = {FrameworkServices::kAnswerYes};
             find<QAction>("mnu_FileQuit")->trigger();
             advance(0.1); // the loop sees the request and ends the program
             EXPECT_EQ(quitCalls, 1);
         }},
        {"close box", [this] { window->close(); }},
    };
    for (const auto& e : ends) {
        SCOPED_TRACE(e.how);
        quitCalls = 0;
        ASSERT_TRUE(start());
        window->timers().loop()->start();
        closeInterval(30);
        settle();
        ASSERT_TRUE(QFile::exists(ownCopy()));
        e.end();
        EXPECT_FALSE(QFile::exists(ownCopy()));
        closeInterval(30); // a last interval before the program is gone writes nothing
        settle();
        EXPECT_FALSE(QFile::exists(ownCopy()));
        window.reset();
        self.reset();
    }
}

TEST_F(RecoveryWindowTest, AFullDiskGivesOneMessageAndTheLessonGoesOn) {
    FullDisk full(recoveryFolder);
    ASSERT_TRUE(start());
    closeInterval(30);
    settle();
    QFile copy(ownCopy());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    const QByteArray earlier = copy.readAll();
    copy.close();

    full.fill(2048);
    for (int i = 0; i < 90; ++i) {
        closeInterval(40 + i % 9);
        if (i % 30 == 29) {
            settle();
        }
    }
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].startsWith(
        "Die Wiederherstellungskopie der Messreihe kann nicht geschrieben werden."));
    EXPECT_TRUE(services.messages[0].contains("nicht mehr genug Platz"));
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 91);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), earlier);
}

} // namespace vozavero
