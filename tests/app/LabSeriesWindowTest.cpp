// A series written by vozavero-lab opens in the window through "Messreihe öffnen…" and shows the
// points the lab measured, with the same regression line on the page of the varied quantity.
#include "AppFixture.h"
#include "chart/ChartFile.h"

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace vozavero {

class LabSeriesWindowTest : public AppFixture {};

TEST_F(LabSeriesWindowTest, ALabSeriesOpensWithTheSamePointsAndLine) {
    QTemporaryDir dir;
    QProcess lab;
    lab.start(QStringLiteral(VOZAVERO_LAB_PATH),
              {"--vary", "area", "--from", "100", "--to", "400", "--step", "100", "--seconds", "20",
               "--out", dir.path()});
    ASSERT_TRUE(lab.waitForFinished(60000));
    ASSERT_EQ(lab.exitCode(), 0) << lab.readAllStandardError().toStdString();
    const QString printed = QString::fromUtf8(lab.readAllStandardOutput());
    const QString path = dir.filePath(QStringLiteral("series.kpx"));
    const auto written = chart::ChartFile::load(path);
    ASSERT_TRUE(written);

    ASSERT_TRUE(start());
    window->files().documentOpener().setFileChooser([&path](const QString&) { return path; });
    find<QAction>("mnu_FileOpen")->trigger();
    EXPECT_TRUE(services.messages.isEmpty());
    for (int c = 0; c < written->chartCount(); ++c) {
        EXPECT_EQ(window->experiment().charts().document().chart(c).points(),
                  written->chart(c).points())
            << c;
    }
    ASSERT_EQ(window->experiment().charts().pressureInverseAreaChart().count(), 4);

    // The lab's line is that of the inverse-area page; the window's button there fits the same.
    find<QTabWidget>("tab_View")->setCurrentIndex(SeriesInverseArea);
    find<QPushButton>("but_LinearRegression(3)")->click();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());
    const QString slope = printed.section(QStringLiteral("·x"), 0, 0).section(u' ', 2);
    EXPECT_NEAR(window->experiment().lastRegression().slope, slope.toDouble(),
                0.006 * std::abs(slope.toDouble()))
        << printed.toStdString();
}

} // namespace vozavero
