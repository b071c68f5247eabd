// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Saving and opening series through the real window: a saved series opens as measured with
// recording paused; unsaved points are asked about; a bad file changes nothing; a file named on
// the command line opens at the start.
#include "AppFixture.h"

#include <QCheckBox>
#include <QFileInfo>
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
    EXPECT_TRUE(services.questions.isEmpty() && services.messages.isEmpty());
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
    services.answers = {FrameworkServices::kAnswerYes};
    open(QString()); // cancelled; the choice started in the last file's folder
    EXPECT_EQ(offeredFolders.value(1), QFileInfo(path).absolutePath());
}

TEST_F(OpenSeriesWindowTest, OpeningOverUnsavedPointsAsksAndABadFileChangesNothing) {
    // Which points count as unsaved is the experiment's rule; here the question and its answers.
    const QString empty = save("leer.kpx");
    closeInterval(50);
    const auto measured = points();
    services.answers = {FrameworkServices::kAnswerNo};
    open(empty);
    EXPECT_EQ(services.questions,
              QStringList{"Die aktuelle Messreihe ist nicht gespeichert. Trotzdem öffnen?"});
    EXPECT_EQ(points(), measured);

    save("gesichert.kpx");
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
    services.answers = {FrameworkServices::kAnswerNo};
    open(empty);
    EXPECT_EQ(services.questions.size(), 1); // saved: not asked again, and opened
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 0);
}

TEST_F(OpenSeriesWindowTest, ASeriesNamedOnTheCommandLineOpensAtTheStart) {
    closeInterval(50);
    const auto measured = points();
    const QString path = save("my-device.kpx"); // the "-dev" in the name starts no trace
    ASSERT_TRUE(start(CommandLine::fromArguments({QStringLiteral("vozavero"), path})));
    EXPECT_TRUE(services.messages.isEmpty()) << services.messages.join(u' ').toStdString();
    EXPECT_EQ(points(), measured);
    EXPECT_FALSE(find<QCheckBox>("opt_Record")->isChecked());
    // A file that cannot be read is reported, and the program runs on with its empty series.
    ASSERT_TRUE(start(CommandLine::fromArguments({"vozavero", dir.filePath("fehlt.kpx")})));
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
}

} // namespace vozavero
