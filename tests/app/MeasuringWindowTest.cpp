// Measuring through the real window: a closed interval reaches the read-outs, the impact gauge and
// the graph's axis; the recording switches and the interval choices agree; the regression button
// draws the line that page changes and restarts take away again.
#include "AppFixture.h"
#include "GraphPlotter.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace vozavero {

class MeasuringWindowTest : public AppFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
    QPushButton* regressionButton(int index) const {
        return find<QPushButton>(QString("but_LinearRegression(%1)").arg(index));
    }
};

TEST_F(MeasuringWindowTest, AClosedIntervalReachesTheReadoutsTheGaugeAndTheGraphsAxis) {
    window->experiment().setMeasuringInterval(2);
    auto* plotter = find<GraphPlotter>("PLOTTER");
    const auto top = [plotter] { return plotter->mapping().plotArea().top(); };
    ExperimentProbe::setImpactCount(window->experiment(), 80);
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "0"); // still running
    window->timers().measuringTick();
    EXPECT_EQ(text("ANZ(4)"), "40");
    EXPECT_NEAR(plotter->mapping().mapY(100), top(), 0.5);

    // The interval that raises the scale to 125 redraws the graph on the old scale; only its new
    // point reaches above it. The series (and a save) hold the raised scale at once.
    closeInterval(250);
    EXPECT_EQ(text("ANZ(4)"), "125");
    EXPECT_EQ(text("SCROLLMAX(2)"), "125");
    EXPECT_EQ(text("SCROLLSKALA(2)"), "62");
    GaugePanel* g = window->settingsPanel().gauge(GaugeImpacts);
    EXPECT_NEAR(g->barWidth(), g->usableLength(), 0.5);
    EXPECT_EQ(window->experiment().charts().pressureCountChart().yAxis().maximum, 125);
    EXPECT_GE(plotter->mapping().mapY(125), top() - 0.5);
    closeInterval(80);
    EXPECT_NEAR(plotter->mapping().mapY(125), top(), 0.5);
    const chart::ChartAxis& x = window->experiment().charts().pressureCountChart().xAxis();
    EXPECT_NEAR(plotter->mapping().mapX(x.minimum), plotter->mapping().plotArea().left(), 0.5);
    EXPECT_NEAR(plotter->mapping().mapX(x.maximum), plotter->mapping().plotArea().right(), 1.0);
}

TEST_F(MeasuringWindowTest, BoxAndMenuEntryOfRecordingAgree) {
    find<QCheckBox>("opt_Record")->setChecked(false);
    EXPECT_FALSE(window->experiment().settings().recordingEnabled);
    EXPECT_FALSE(find<QAction>("mnu_OptionsRecord")->isChecked());
    trigger("mnu_OptionsRecord");
    EXPECT_TRUE(window->experiment().settings().recordingEnabled);
    EXPECT_TRUE(find<QCheckBox>("opt_Record")->isChecked());
}

TEST_F(MeasuringWindowTest, IntervalMenuChecksOneEntryAndTheReadoutOpensItByMouseAndKey) {
    trigger("mnu_OptionsIntervalSel(4)");
    EXPECT_EQ(window->experiment().settings().measuringInterval, 10);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(find<QAction>(QString("mnu_OptionsIntervalSel(%1)").arg(i))->isChecked(), i == 4);
    }
    auto* popup = find<QMenu>("mnu_OptionsInterval");
    QTest::mousePress(find("ANZ(1)"), Qt::RightButton);
    EXPECT_TRUE(popup->isVisible());
    popup->hide();
    QTest::keyClick(find("ANZ(1)"), Qt::Key_Space);
    EXPECT_TRUE(popup->isVisible());
    popup->actions().at(1)->trigger();
    popup->hide();
    EXPECT_EQ(window->experiment().settings().measuringInterval, 2);
    EXPECT_EQ(find("ANZ(1)")->accessibleName(), "Intervall: 2 Sek.");
}

TEST_F(MeasuringWindowTest, RegressionLineFollowsTheButtonAndVanishesOnPageChangeAndRestart) {
    regressionButton(2)->click();
    ASSERT_EQ(services.messages.size(), 1);
    EXPECT_TRUE(services.messages[0].startsWith("Du kannst erst eine Ausgleichsgerade"));
    EXPECT_FALSE(window->experiment().shownRegression().has_value());

    for (double n : {5.0, 10.0, 20.0, 40.0}) {
        setCount(n);
        closeInterval(static_cast<int>(n * 5 * 2)); // rate 2 * n
    }
    regressionButton(2)->click();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());
    EXPECT_NEAR(window->experiment().lastRegression().slope, 2.0, 1e-12);
    auto* plotter = find<GraphPlotter>("PLOTTER");
    ASSERT_TRUE(plotter->lineEnds().has_value());
    const double x1 = window->experiment().charts().pressureCountChart().xAxis().minimum;
    EXPECT_NEAR(plotter->lineEnds()->x1(), plotter->mapping().mapX(x1), 0.5);
    EXPECT_NEAR(plotter->lineEnds()->y1(), plotter->mapping().mapY(2 * x1), 0.5);
    closeInterval(50); // a new interval keeps the line
    EXPECT_TRUE(plotter->lineEnds().has_value());

    // A click on the page already shown takes it away, as does another page.
    auto* tabs = find<QTabWidget>("tab_View");
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_FALSE(plotter->lineEnds().has_value());
    regressionButton(2)->click();
    tabs->setCurrentIndex(2);
    EXPECT_FALSE(window->experiment().shownRegression().has_value());
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(plotter->lineEnds().has_value());

    // A restart takes the line and every point away and shows the start values again.
    regressionButton(2)->click();
    ASSERT_TRUE(window->experiment().shownRegression().has_value());
    find<QPushButton>("but_Reset")->click();
    EXPECT_FALSE(window->experiment().shownRegression().has_value());
    EXPECT_EQ(points(),
              RecordingExperiment::pointsOf(AppFixture::Twin().window->experiment().document()));
    EXPECT_EQ(text("AnzT(1)"), "5");
    EXPECT_EQ(window->experiment().engine().upperBound(), 5);
    closeInterval(5);
    EXPECT_EQ(window->experiment().charts().pressureTimeChart().x(1), 0);
}

} // namespace vozavero
