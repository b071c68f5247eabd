// Saving and opening series through the real window: a saved series, and one the lab wrote, opens
// as measured with recording paused; unsaved points are asked about; a bad file changes nothing;
// a file named on the command line opens at the start.
#include "AppFixture.h"
#include "chart/ChartFile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace vozavero {

class OpenSeriesWindowTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    void open(const QString& path) {
        window->files().documentOpener().setFileChooser([this, path](const QString& folder) {
            offeredFolders << folder;
            return path;
        });
        trigger("mnu_FileOpen");
    }
    /// Saves through "Messreihe speichern" under name (none: cancelled); returns the path.
    QString save(const QString& name) {
        const QString path = name.isEmpty() ? QString() : dir.filePath(name);
        window->files().documentManager().setFileChooser([&](const QString& suggested) {
            offered = suggested;
            return path;
        });
        trigger("mnu_FileSave");
        return path;
    }

    QTemporaryDir dir;
    QString offered;
    QStringList offeredFolders;
};

TEST_F(OpenSeriesWindowTest, ASavedSeriesOpensAsMeasuredWithRecordingPaused) {
    closeInterval(50);
    setCount(10);
    closeInterval(100);
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureSpeed, 7, 333.4);
    const auto measured = points();
    const QString path = save("reihe.kpx");
    EXPECT_TRUE(offered.endsWith("teilchen.kpx"));
    trigger("mnu_FileNew");
    open(path);
    EXPECT_TRUE(services.questions.isEmpty()); // nothing measured since the restart
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(points(), measured);
    EXPECT_EQ(text("SCROLLMAX(2)"), "334");
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_FALSE(find<QAction>("mnu_OptionsRecord")->isChecked());
    closeInterval(999); // paused: the loaded points stay
    EXPECT_EQ(points(), measured);
    // Switched on again, the series goes on after them.
    find<QCheckBox>("opt_Record")->setChecked(true);
    setCount(10);
    closeInterval(150);
    const chart::Chart& time = window->experiment().charts().pressureTimeChart();
    ASSERT_EQ(time.count(), 3);
    EXPECT_EQ(time.x(3), time.x(2) + window->experiment().settings().measuringInterval);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().y(2), 30); // 10 replaced
    // The next choice starts in the folder of the file opened last.
    services.answers = {FrameworkServices::kAnswerYes};
    open(QString());
    EXPECT_EQ(offeredFolders.value(1), QFileInfo(path).absolutePath());
    EXPECT_EQ(time.count(), 3); // cancelled: nothing changed
}

TEST_F(OpenSeriesWindowTest, OpeningOverUnsavedPointsAsksAndABadFileChangesNothing) {
    const QString empty = save("leer.kpx");
    closeInterval(50);
    const auto measured = points();
    const QStringList asked{"Die aktuelle Messreihe ist nicht gespeichert. Trotzdem öffnen?"};
    services.answers = {FrameworkServices::kAnswerNo};
    open(empty);
    EXPECT_EQ(services.questions, asked);
    EXPECT_EQ(points(), measured);
    save(QString()); // a cancelled save keeps asking
    services.questions.clear();
    open(empty);
    EXPECT_EQ(services.questions, asked);

    const QString saved = save("gesichert.kpx"); // a save asks no more
    QFile picture(dir.filePath("bild.kpx"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray("\x89PNG\r\n\x1a\n", 8));
    picture.close();
    for (const QString& bad : {picture.fileName(), dir.filePath("fehlt.kpx")}) {
        services.messages.clear();
        open(bad);
        ASSERT_EQ(services.messages.size(), 1) << bad.toStdString();
        EXPECT_TRUE(services.messages[0].contains("nicht gelesen werden") ||
                    services.messages[0].contains("nicht geöffnet werden"))
            << services.messages[0].toStdString();
        EXPECT_EQ(points(), measured);
        EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
    }
    services.questions.clear();
    open(empty);
    EXPECT_TRUE(services.questions.isEmpty());
    // Points measured after the opening are asked about again, and Ja opens.
    find<QCheckBox>("opt_Record")->setChecked(true);
    closeInterval(30);
    services.answers = {FrameworkServices::kAnswerYes};
    open(saved);
    EXPECT_EQ(services.questions, asked);
    EXPECT_EQ(points(), measured);
}

TEST_F(OpenSeriesWindowTest, ASeriesNamedOnTheCommandLineOrWrittenByTheLabOpens) {
    QProcess lab;
    lab.start(QStringLiteral(VOZAVERO_LAB_PATH),
              {"--vary", "area", "--from", "100", "--to", "400", "--step", "100", "--seconds", "20",
               "--out", dir.path()});
    ASSERT_TRUE(lab.waitForFinished(60000));
    ASSERT_EQ(lab.exitCode(), 0) << lab.readAllStandardError().toStdString();
    const QString printed = QString::fromUtf8(lab.readAllStandardOutput());
    const auto written = chart::ChartFile::load(dir.filePath("series.kpx"));
    ASSERT_TRUE(written);
    // The "-dev" in the file's name starts no trace.
    const QString path = dir.filePath("my-device.kpx");
    ASSERT_TRUE(QFile::rename(dir.filePath("series.kpx"), path));
    ASSERT_TRUE(start(CommandLine::fromArguments({QStringLiteral("vozavero"), path})));
    EXPECT_TRUE(services.messages.isEmpty()) << services.messages.join(u' ').toStdString();
    EXPECT_EQ(points(), RecordingExperiment::pointsOf(*written));
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    ASSERT_EQ(window->experiment().charts().pressureInverseAreaChart().count(), 4);
    // The lab's line is that of the inverse-area page; the window's button there fits the same.
    find<QTabWidget>("tab_View")->setCurrentIndex(SeriesInverseArea);
    find<QPushButton>("but_LinearRegression(3)")->click();
    const QString slope = printed.section(QStringLiteral("·x"), 0, 0).section(u' ', 2);
    EXPECT_NEAR(window->experiment().lastRegression().slope, slope.toDouble(),
                0.006 * std::abs(slope.toDouble()))
        << printed.toStdString();

    // A file that cannot be read is reported, and the program runs on with its empty series.
    ASSERT_TRUE(start(CommandLine::fromArguments({"vozavero", dir.filePath("fehlt.kpx")})));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
}

} // namespace vozavero
