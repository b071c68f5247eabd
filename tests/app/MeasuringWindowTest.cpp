// Measuring through the real window: intervals closing into the read-out, the impact gauge and
// the charts; the regression button; recording switches; restart; saving a series.
#include "AppFixture.h"
#include "GraphPlotter.h"
#include "chart/ChartFile.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

namespace vozavero {

class MeasuringWindowTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    QPushButton* regressionButton(int index) const {
        return find<QPushButton>(QString("but_LinearRegression(%1)").arg(index));
    }
};

TEST_F(MeasuringWindowTest, AnIntervalRaisesTheImpactScaleAndClearsTheCount) {
    window->experiment().setMeasuringInterval(2);
    ExperimentProbe::setImpactCount(window->experiment(), 250);
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "0"); // still running
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "125");
    EXPECT_EQ(text("SCROLLMAX(2)"), "125");
    EXPECT_EQ(text("SCROLLSKALA(2)"), "62");
    EXPECT_EQ(window->experiment().impactScale().maximum(), 125);
    EXPECT_EQ(window->experiment().engine().impactCount(), 0);
    GaugePanel* g = window->settingsPanel().gauge(GaugeImpacts);
    EXPECT_NEAR(g->barWidth(), g->usableLength(), 0.5);
    const chart::Chart& c = window->experiment().charts().pressureCountChart();
    ASSERT_EQ(c.count(), 1);
    EXPECT_EQ(c.x(1), 5);
    EXPECT_EQ(c.y(1), 125);
}

TEST_F(MeasuringWindowTest, GraphTakesARaisedImpactScaleAtTheNextInterval) {
    window->experiment().setMeasuringInterval(1);
    auto* plotter = find<GraphPlotter>("PLOTTER");
    const chart::Chart& shown = window->experiment().charts().pressureCountChart();
    const auto top = [plotter] { return plotter->mapping().plotArea().top(); };
    closeInterval(40);
    EXPECT_NEAR(plotter->mapping().mapY(100), top(), 0.5);
    // The interval that raises the scale to 125 redraws the graph on the old scale; only its
    // new point, which is never hidden, reaches above it. The series (and a save) hold the
    // raised scale at once.
    closeInterval(125);
    EXPECT_EQ(text("SCROLLMAX(2)"), "125");
    EXPECT_EQ(shown.yAxis().maximum, 125);
    EXPECT_GE(plotter->mapping().mapY(125), top() - 0.5);
    // The next interval draws on the raised scale.
    closeInterval(40);
    EXPECT_EQ(shown.yAxis().maximum, 125);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().yAxis().maximum, 125);
    EXPECT_NEAR(plotter->mapping().mapY(125), top(), 0.5);
}

TEST_F(MeasuringWindowTest, RecordingOffFreezesTheRowsButNotTheGauge) {
    closeInterval(10);
    find<QCheckBox>("opt_Record")->setChecked(false);
    EXPECT_FALSE(window->experiment().settings().recordingEnabled);
    EXPECT_FALSE(find<QAction>("mnu_OptionsRecord")->isChecked());
    closeInterval(20);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().count(), 1);
    EXPECT_EQ(text("ANZ(4)"), "4");
    find<QAction>("mnu_OptionsRecord")->trigger();
    EXPECT_TRUE(window->experiment().settings().recordingEnabled);
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
    closeInterval(30);
    const chart::Chart& t = window->experiment().charts().pressureTimeChart();
    ASSERT_EQ(t.count(), 2);
    EXPECT_EQ(t.x(2), 5);
    EXPECT_EQ(t.y(2), 6);
}

TEST_F(MeasuringWindowTest, IntervalMenuAndPopupSetTheInterval) {
    find<QAction>("mnu_OptionsIntervalSel(4)")->trigger();
    EXPECT_EQ(window->experiment().settings().measuringInterval, 10);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 4);
    }
    QLabel* anz1 = find<QLabel>("ANZ(1)");
    QTest::mousePress(anz1, Qt::RightButton);
    auto* popup = find<QMenu>("mnu_OptionsInterval");
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
}

TEST_F(MeasuringWindowTest, RegressionLineFollowsTheButtonAndVanishesOnPageChangeAndRestart) {
    regressionButton(2)->click();
    EXPECT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].startsWith("Du kannst erst eine Ausgleichsgerade"));
    EXPECT_FALSE(window->experiment().shownRegression().has_value());

    for (double n : {5.0, 10.0, 20.0, 40.0}) {
        setCount(n);
        closeInterval(static_cast<int>(n * 5 * 2)); // rate 2 * n
    }
    regressionButton(2)->click();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());
    EXPECT_NEAR(window->experiment().lastRegression().slope, 2.0, 1e-12);
    EXPECT_NEAR(window->experiment().lastRegression().intercept, 0.0, 1e-9);
    auto* plotter = find<GraphPlotter>("PLOTTER");
    ASSERT_TRUE(plotter->lineEnds().has_value());
    const chart::Chart& c = window->experiment().charts().pressureCountChart();
    const double x1 = c.xAxis().minimum;
    EXPECT_NEAR(plotter->lineEnds()->x1(), plotter->mapping().mapX(x1), 0.5);
    EXPECT_NEAR(plotter->lineEnds()->y1(), plotter->mapping().mapY(2 * x1), 0.5);

    closeInterval(50); // a new interval keeps the line
    EXPECT_TRUE(plotter->lineEnds().has_value());
    auto* tabs = find<QTabWidget>("tab_View");
    tabs->setCurrentIndex(2);
    EXPECT_FALSE(window->experiment().shownRegression().has_value());
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(plotter->lineEnds().has_value());

    regressionButton(2)->click();
    EXPECT_TRUE(window->experiment().shownRegression().has_value());
    find<QPushButton>("but_Reset")->click();
    EXPECT_FALSE(window->experiment().shownRegression().has_value());
}

TEST_F(MeasuringWindowTest, PressOnThePageAlreadyShownAlsoTakesTheLineAway) {
    for (double n : {5.0, 10.0}) {
        setCount(n);
        closeInterval(static_cast<int>(n * 5));
    }
    regressionButton(2)->click();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());
    auto* tabs = find<QTabWidget>("tab_View");
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs->currentIndex()).center());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(window->experiment().shownRegression().has_value());
    EXPECT_FALSE(find<GraphPlotter>("PLOTTER")->lineEnds().has_value());
}

TEST_F(MeasuringWindowTest, AllPointsAtOneXGiveAMessageAndNoLine) {
    find<QTabWidget>("tab_View")->setCurrentIndex(1);
    closeInterval(10);
    closeInterval(20); // the same speed twice replaces the point: add another key by hand
    ExperimentProbe::addPoint(window->experiment(), ChartId::PressureSpeed, 2, 7);
    services.messages.clear();
    regressionButton(1)->click();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_FALSE(window->experiment().shownRegression().has_value());
}

TEST_F(MeasuringWindowTest, RestartClearsEveryChartAndRestoresTheStartConditions) {
    closeInterval(10);
    setCount(20);
    window->experiment().setQuantity(QuantityId::Speed, 7, ChangeOrigin::Gauge);
    closeInterval(10);
    ExperimentProbe::setImpactCount(window->experiment(), 9);
    window->timers().measuringTick();
    find<QAction>("mnu_FileNew")->trigger();
    for (int i = 0; i < window->experiment().charts().document().chartCount(); ++i) {
        EXPECT_EQ(window->experiment().charts().document().chart(i).count(), 0) << i;
    }
    EXPECT_EQ(window->experiment().intervalTicks(), 0);
    EXPECT_EQ(window->experiment().engine().impactCount(), 0);
    EXPECT_EQ(text("AnzT(1)"), "5");
    EXPECT_EQ(text("AnzT(2)"), "2");
    EXPECT_EQ(text("AnzT(3)"), "250");
    EXPECT_EQ(window->experiment().engine().upperBound(), 5);
    closeInterval(5);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().x(1), 0);
}

TEST_F(MeasuringWindowTest, SavedSeriesReadsBackExactly) {
    closeInterval(7);
    setCount(12);
    closeInterval(33);
    QTemporaryDir dir;
    QStringList offered;
    const QString path = dir.filePath("reihe.kpx");
    window->files().documentManager().setFileChooser([&](const QString& suggested) {
        offered << suggested;
        return path;
    });
    window->files().saveSeries();
    window->files().saveSeries();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_TRUE(offered[0].endsWith("teilchen.kpx"));
    EXPECT_TRUE(offered[1].endsWith("teilchen.kpx"));
    QString error;
    const auto doc = chart::ChartFile::load(path, &error);
    ASSERT_TRUE(doc) << error.toStdString();
    const chart::ChartDocument& saved = window->experiment().charts().document();
    ASSERT_EQ(doc->chartCount(), 11);
    EXPECT_EQ(doc->name(), "Vozavero");
    for (int i = 0; i < 11; ++i) {
        ASSERT_EQ(doc->chart(i).points(), saved.chart(i).points()) << i;
        EXPECT_EQ(doc->chart(i).yAxis().maximum, saved.chart(i).yAxis().maximum);
    }
}

} // namespace vozavero
