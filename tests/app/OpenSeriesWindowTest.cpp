// Opening a saved series through the real window ("Messreihe öffnen…" with a scripted file
// choice): the series is shown as measured and regression works on it, measuring pauses so the
// loaded points stay, the impact scale makes room for them, and a bad file changes nothing.
#include "AppFixture.h"
#include "chart/ChartFile.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

namespace vozavero {

class OpenSeriesWindowTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        ASSERT_TRUE(dir.isValid());
        window->files().documentOpener().setFileChooser([this](const QString& folder) {
            offeredFolders << folder;
            return chosen;
        });
    }
    /// Saves the window's series under name in the test folder and returns the path.
    QString saveAs(const QString& name) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(chart::ChartFile::save(window->experiment().charts().document(), path));
        return path;
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    std::vector<std::vector<QPointF>> points() const {
        std::vector<std::vector<QPointF>> all;
        for (int i = 0; i < window->experiment().charts().document().chartCount(); ++i) {
            all.push_back(window->experiment().charts().document().chart(i).points());
        }
        return all;
    }
    void open(const QString& path) {
        chosen = path;
        find<QAction>("mnu_FileOpen")->trigger();
    }

    QTemporaryDir dir;
    QString chosen;
    QStringList offeredFolders;
};

TEST_F(OpenSeriesWindowTest, OpenedSeriesIsShownAsMeasuredAndRecordingPauses) {
    closeInterval(50);
    setCount(10);
    closeInterval(100);
    const auto measured = points();
    const QString path = saveAs(QStringLiteral("reihe.kpx"));
    find<QAction>("mnu_FileNew")->trigger();
    closeInterval(7);
    ASSERT_NE(points(), measured);

    services.answers = {FrameworkServices::kAnswerYes}; // the 7 impacts are not saved
    open(path);
    EXPECT_TRUE(services.messages.isEmpty());
    EXPECT_EQ(points(), measured);
    EXPECT_FALSE(window->experiment().settings().recordingEnabled);
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    EXPECT_FALSE(find<QAction>("mnu_OptionsRecord")->isChecked());

    // The regression line of the count series (page 0) fits the loaded points 5 -> 10, 10 -> 20.
    find<QPushButton>("but_LinearRegression(2)")->click();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());
    EXPECT_NEAR(window->experiment().lastRegression().slope, 2.0, 1e-12);
    EXPECT_NEAR(window->experiment().lastRegression().intercept, 0.0, 1e-9);

    // While paused the loaded points stay; switched on again, the series goes on after them.
    closeInterval(999);
    EXPECT_EQ(points(), measured);
    find<QCheckBox>("opt_Record")->setChecked(true);
    setCount(10);
    closeInterval(150);
    const chart::Chart& time = window->experiment().charts().pressureTimeChart();
    ASSERT_EQ(time.count(), 3);
    EXPECT_EQ(time.x(3), time.x(2) + window->experiment().settings().measuringInterval);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().count(),
              2); // count 10 again: replaced
    EXPECT_EQ(window->experiment().charts().pressureCountChart().y(2), 30);

    // The next choice starts in the folder of the file opened last.
    chosen.clear();
    find<QAction>("mnu_FileOpen")->trigger();
    ASSERT_EQ(offeredFolders.size(), 2);
    EXPECT_EQ(offeredFolders[1], QFileInfo(path).absolutePath());
    EXPECT_EQ(time.count(), 3); // cancelled: nothing changed
}

TEST_F(OpenSeriesWindowTest, OpeningOverUnsavedPointsAsksAndNoKeepsEverything) {
    const QString empty = saveAs(QStringLiteral("leer.kpx"));
    const QString saved = dir.filePath(QStringLiteral("gesichert.kpx"));
    closeInterval(50);
    const auto measured = points();
    const QStringList asked{
        QStringLiteral("Die aktuelle Messreihe ist nicht gespeichert. Trotzdem öffnen?")};

    services.answers = {FrameworkServices::kAnswerNo};
    open(empty);
    EXPECT_EQ(services.questions, asked);
    EXPECT_EQ(points(), measured);
    EXPECT_TRUE(window->experiment().settings().recordingEnabled);

    // A cancelled save keeps asking; a save through the window asks no more.
    QString target;
    window->files().documentManager().setFileChooser([&target](const QString&) { return target; });
    find<QAction>("mnu_FileSave")->trigger();
    services.questions.clear();
    open(empty);
    EXPECT_EQ(services.questions, asked);
    target = saved;
    find<QAction>("mnu_FileSave")->trigger();
    services.questions.clear();
    open(empty);
    EXPECT_TRUE(services.questions.isEmpty());
    EXPECT_NE(points(), measured);

    // Points measured after the opening are asked about again, and Ja opens.
    find<QCheckBox>("opt_Record")->setChecked(true);
    closeInterval(30);
    services.answers = {FrameworkServices::kAnswerYes};
    open(saved);
    EXPECT_EQ(services.questions, asked);
    EXPECT_EQ(points(), measured);
}

TEST_F(OpenSeriesWindowTest, LoadedRatesAboveTheImpactScaleRaiseIt) {
    closeInterval(50);
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureSpeed, 7, 333.4);
    const QString high = saveAs(QStringLiteral("hoch.kpx"));
    find<QAction>("mnu_FileNew")->trigger();
    const QString low = saveAs(QStringLiteral("leer.kpx"));

    open(high);
    EXPECT_EQ(window->experiment().impactScale().maximum(), 334);
    EXPECT_EQ(text("SCROLLMAX(2)"), "334");
    EXPECT_EQ(text("SCROLLSKALA(2)"), "167");
    EXPECT_EQ(window->experiment().charts().pressureCountChart().yAxis().maximum, 334);

    open(low); // the scale is never lowered during a run
    EXPECT_EQ(window->experiment().impactScale().maximum(), 334);
    EXPECT_EQ(window->experiment().charts().pressureSpeedChart().count(), 0);
}

TEST_F(OpenSeriesWindowTest, AFileThatIsNoSavedSeriesLeavesTheCurrentOneUntouched) {
    closeInterval(50);
    const QString valid = chart::ChartFile::toText(window->experiment().charts().document());
    chart::ChartDocument twoCharts(QStringLiteral("Vozavero"));
    twoCharts.addChart(QStringLiteral("pressureTimeChart"));
    twoCharts.addChart(QStringLiteral("countTimeChart"));

    const QString files[] = {
        write(QStringLiteral("bild.kpx"), QByteArray("\x89PNG\r\n\x1a\n", 8)),
        write(QStringLiteral("kurz.kpx"), valid.left(valid.size() / 2).toUtf8()),
        write(QStringLiteral("zwei.kpx"), chart::ChartFile::toText(twoCharts).toUtf8()),
        dir.filePath(QStringLiteral("fehlt.kpx")),
    };
    const auto before = points();
    const double axisMax = window->experiment().impactScale().maximum();
    for (const QString& path : files) {
        services.messages.clear();
        open(path);
        ASSERT_EQ(services.messages.size(), 1) << path.toStdString();
        EXPECT_TRUE(services.messages[0].contains(QStringLiteral("nicht gelesen werden")) ||
                    services.messages[0].contains(QStringLiteral("nicht geöffnet werden")))
            << services.messages[0].toStdString();
        EXPECT_EQ(points(), before);
        EXPECT_TRUE(window->experiment().settings().recordingEnabled);
        EXPECT_EQ(window->experiment().impactScale().maximum(), axisMax);
    }
}

TEST_F(OpenSeriesWindowTest, AFileThatEndsEarlyNamesTheChartByItsTitle) {
    const QStringList lines =
        chart::ChartFile::toText(window->experiment().charts().document()).split(u'\n').mid(0, 6);
    open(write(QStringLiteral("abgebrochen.kpx"), (lines.join(u'\n') + u'\n').toUtf8()));
    ASSERT_EQ(services.messages.size(), 1);
    const QString title = SeriesCatalogue::titleText(SeriesCatalogue::chart(ChartId::PressureTime));
    EXPECT_TRUE(services.messages[0].contains(
        QStringLiteral("Die Datei endet vorzeitig (nach Zeile 6) mitten in den Angaben zum "
                       "Diagramm „%1“")
            .arg(title)))
        << services.messages[0].toStdString();
}

TEST_F(OpenSeriesWindowTest, ASeriesNamedOnTheCommandLineOpensWhenTheProgramRuns) {
    closeInterval(50);
    const auto measured = points();
    // The "-dev" in the name starts no trace.
    const QString path = saveAs(QStringLiteral("my-device.kpx"));
    const CommandLine withFile = CommandLine::fromArguments({QStringLiteral("vozavero"), path});

    ASSERT_TRUE(start(withFile));
    EXPECT_TRUE(services.messages.isEmpty()) << services.messages.join(u' ').toStdString();
    EXPECT_EQ(points(), measured);
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());

    // Beside a running instance the start is refused as ever, and nothing is opened.
    ASSERT_FALSE(start(withFile, true));
    EXPECT_EQ(services.messages, QStringList{"Vorlix läuft bereits oder wird noch geladen."});
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);

    // A file that cannot be read is reported, and the program runs on with its empty series.
    services.messages.clear();
    ASSERT_TRUE(start(CommandLine::fromArguments(
        {QStringLiteral("vozavero"), dir.filePath(QStringLiteral("fehlt.kpx"))})));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].contains(QStringLiteral("nicht gelesen werden")))
        << services.messages[0].toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
}

} // namespace vozavero
