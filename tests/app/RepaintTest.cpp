// Partial repaints of the gas space against whole ones: after every frame, what the backing store
// holds for the cylinder frame (the accumulated partial paints) must equal a full repaint of the
// same state, pixel for pixel, while the piston is dragged to and fro; else a trail is left or a
// particle lost. The suite runs this at the screen's ratio 1 and again under QT_SCALE_FACTOR=2.
#include "AppFixture.h"
#include "CylinderView.h"
#include "SimulationLoop.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QFrame>
#include <cmath>

namespace vozavero {

using RepaintTest = AppFixture;

TEST_F(RepaintTest, PartialRepaintsShowWhatAWholeRepaintShows) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->timers().loop()->start();
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ASSERT_EQ(window->devicePixelRatioF(), ratio);
    ASSERT_EQ(window->backingStore()->paintDevice()->devType(), QInternal::Image);
    const QWidget* frame = find("frm_KolbenHolder");
    const QRect area(frame->mapTo(window.get(), QPoint(0, 0)), frame->size());
    const QRect pixels(std::lround(area.x() * ratio), std::lround(area.y() * ratio),
                       std::lround(area.width() * ratio), std::lround(area.height() * ratio));
    auto* gasSpace = find<CylinderView>("Bild");
    QWidget* syringe = find("frm_Kolben");
    QFrame* countBox = find<QFrame>("SCROLLBOX(0)");
    QFrame* speedBox = find<QFrame>("SCROLLBOX(2)");
    // Few particles (each sprite's place painted), more than the view paints one by one (the
    // rectangle around them), and the fullest cylinder; slow (most frames unchanged, not
    // painted) and fast (several steps between frames): gauge presses from the box's left edge.
    const std::pair<int, int> cases[] = {
        {3, 3}, {44, 40}, {countBox->width() - 1, speedBox->width() - 1}};
    int frames = 0;
    long paints = 0; // of the gas space on screen (a grab paints it too)
    for (const auto& [countAt, speedAt] : cases) {
        press(countBox, {countAt, 10});
        press(speedBox, {speedAt, 10});
        QTest::mousePress(syringe, Qt::LeftButton, Qt::NoModifier,
                          {gasSpace->x() + gasSpace->width(), gasSpace->y() + 70});
        for (int i = 0; i < 100; ++i, ++frames) {
            if (i % 5 == 0) { // the piston dragged in and out again, a few pixels per frame
                const int width = 260 + static_cast<int>(150.0 * std::sin(frames / 15.0));
                drag(syringe, {gasSpace->x() + width, gasSpace->y() + 70});
            }
            clock.now += kTick;
            window->timers().loop()->runTick();
            const long before = gasSpace->paints();
            QCoreApplication::sendPostedEvents();
            paints += gasSpace->paints() - before;
            const auto* store = static_cast<const QImage*>(window->backingStore()->paintDevice());
            const QImage onScreen = store->copy(pixels).convertToFormat(QImage::Format_RGB32);
            const QImage whole = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(onScreen.size(), whole.size());
            ASSERT_TRUE(onScreen == whole)
                << "frame " << frames << " with " << window->experiment().engine().upperBound()
                << " particles differs from a whole repaint";
        }
        QTest::mouseRelease(syringe, Qt::LeftButton);
    }
    EXPECT_GT(paints, 30); // unchanged frames were left out, and some painted
    EXPECT_LT(paints, frames);
}

} // namespace vozavero
