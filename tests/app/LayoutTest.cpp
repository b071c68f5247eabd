// The four view modes: positions for a given client size, the click cycle on the graph, and
// windows too small for the blocks.
#include "AppFixture.h"
#include "WindowLayout.h"

#include <QMenuBar>

namespace vozavero {

TEST(WindowLayout, ModesStackTheBlocksCentredAndTinyWindowsShrinkTheGraphToNothing) {
    const Twips tw{15, 15};
    const QSize client(1000, 700);
    const WindowLayout normal = WindowLayout::arrange(0, client, tw, 733, 210, 157);
    // Centred in twips: (15000 - 10995) / 2 = 2002.5 goes to the even 2002, which is 133.5 px
    // and so the even 133 (not 134, as halving in pixels would give).
    EXPECT_EQ(normal.cylinder, QRect(133, 5, 733, 210));
    EXPECT_EQ(normal.settings, QRect(133, 220, 733, 157));
    EXPECT_EQ(normal.tabs, QRect(133, 382, 733, 700 - 382 - 5));
    EXPECT_EQ(normal.plotter, QRect(138, 407, 723, normal.tabs.height() - 30));
    EXPECT_EQ(WindowLayout::arrange(0, QSize(1280, 700), tw, 733, 210, 157).cylinder.x(), 273);
    const WindowLayout probe = WindowLayout::arrange(1, client, tw, 733, 210, 157);
    EXPECT_FALSE(probe.settingsVisible);
    EXPECT_EQ(probe.tabs.top(), 220);
    const WindowLayout settings = WindowLayout::arrange(2, client, tw, 733, 210, 157);
    EXPECT_FALSE(settings.cylinderVisible);
    EXPECT_EQ(settings.settings.topLeft(), QPoint(133, 5));
    EXPECT_EQ(settings.tabs.top(), 167);
    EXPECT_EQ(WindowLayout::arrange(3, client, tw, 733, 210, 157).tabs, QRect(5, 5, 990, 690));
    const WindowLayout tiny = WindowLayout::arrange(0, QSize(100, 50), tw, 733, 210, 157);
    EXPECT_LT(tiny.cylinder.left(), 0); // narrower than the frames: they stick out
    EXPECT_EQ(tiny.plotter.height(), 0);
}

using LayoutWindowTest = AppFixture;

TEST_F(LayoutWindowTest, ClicksOnTheGraphCycleTheModesAndTheGraphSitsOverItsPage) {
    ASSERT_TRUE(start());
    QWidget* plotter = find("PLOTTER");
    QWidget* tabs = find("tab_View");
    const QRect normalTabs = tabs->geometry();
    const bool expectCylinder[4] = {true, true, false, false};
    const bool expectSettings[4] = {true, false, true, false};
    for (int click = 1; click <= 4; ++click) {
        press(plotter, {20, 20});
        const int mode = click % 4;
        EXPECT_EQ(window->viewMode(), mode);
        EXPECT_EQ(find("frm_KolbenHolder")->isVisible(), expectCylinder[mode]) << mode;
        EXPECT_EQ(find("frm_Options")->isVisible(), expectSettings[mode]) << mode;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(find<QAction>(QString("mnu_ViewMode(%1)").arg(i))->isChecked(), i == mode);
        }
    }
    EXPECT_EQ(tabs->geometry(), normalTabs);
    trigger("mnu_ViewMode(3)");
    EXPECT_EQ(plotter->geometry(),
              QRect(tabs->x() + 5, tabs->y() + 25, tabs->width() - 10, tabs->height() - 30));
    for (int i = 0; i < 4; ++i) {
        QWidget* b = find(QString("but_LinearRegression(%1)").arg(i));
        EXPECT_EQ(b->x() + b->width(), tabs->width());
        EXPECT_EQ(b->isVisible(), i == 2);
    }
}

TEST_F(LayoutWindowTest, RestoredWindowHasTheDesignedClientAreaBelowItsMenuBar) {
    ASSERT_TRUE(start());
    window->showNormal();
    QTest::qWait(20);
    // 12390 x 9510 twips at 15 twips per pixel.
    EXPECT_EQ(find("client")->size(), QSize(826, 634));
    EXPECT_EQ(window->height(), 634 + window->menuBar()->height());
}

} // namespace vozavero
