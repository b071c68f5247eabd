// What the screen shows while the gas space paints only what changed: only where sprites moved,
// and nothing when none did. A wrong changed area would leave a trail or lose a particle. After
// every frame, what the window's backing store holds for the cylinder frame (the accumulated
// partial paints) must equal a full repaint of the same state, pixel for pixel, while the piston
// is dragged to and fro. The suite runs this program at the screen's ratio 1 and again under
// QT_SCALE_FACTOR=2.
#include "AppFixture.h"
#include "CylinderView.h"
#include "SimulationLoop.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <QFrame>
#include <cmath>

namespace vozavero {

class RepaintTest : public AppFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->timers().loop()->start();
    }

    /// The device pixels the screen would show for the logical rectangle area of the window:
    /// its part of the backing store, which partial paints update and nothing else touches.
    QImage shown(const QRect& area) const {
        QPaintDevice* device = window->backingStore()->paintDevice();
        if (device->devType() != QInternal::Image) {
            ADD_FAILURE() << "the backing store is not an image on this platform";
            return {};
        }
        const auto* store = static_cast<const QImage*>(device);
        const double r = store->devicePixelRatio();
        const QRect pixels(std::lround(area.x() * r), std::lround(area.y() * r),
                           std::lround(area.width() * r), std::lround(area.height() * r));
        return store->copy(pixels).convertToFormat(QImage::Format_RGB32);
    }
    /// The same rectangle painted whole from the present state.
    QImage repainted(const QRect& area) const {
        return window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    }

    QRect cylinderArea() const {
        const QWidget* frame = find("frm_KolbenHolder");
        return {frame->mapTo(window.get(), QPoint(0, 0)), frame->size()};
    }
};

TEST_F(RepaintTest, PartialRepaintsShowWhatAWholeRepaintShows) {
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    ASSERT_EQ(window->devicePixelRatioF(), ratio);
    auto* gasSpace = find<CylinderView>("Bild");
    QWidget* syringe = find("frm_Kolben");
    QFrame* countBox = find<QFrame>("SCROLLBOX(0)");
    QFrame* speedBox = find<QFrame>("SCROLLBOX(2)");
    // Few particles (each sprite's place painted), more than the view paints one by one (the
    // rectangle around them), and the fullest cylinder; slow (most frames unchanged, not
    // painted) and fast (several steps between frames).
    struct Case {
        int countAt, speedAt; // gauge presses, pixels from the box's left edge
    };
    const Case cases[] = {{3, 3}, {44, 40}, {countBox->width() - 1, speedBox->width() - 1}};
    int frame = 0;
    long paints = 0; // of the gas space on screen (a grab paints it too)
    for (const Case& c : cases) {
        press(countBox, {c.countAt, 10});
        press(speedBox, {c.speedAt, 10});
        QTest::mousePress(syringe, Qt::LeftButton, Qt::NoModifier,
                          {gasSpace->x() + gasSpace->width(), gasSpace->y() + 70});
        for (int i = 0; i < 100; ++i, ++frame) {
            if (i % 5 == 0) {
                // The piston dragged in and out again, a few pixels per frame.
                const int width = 260 + static_cast<int>(150.0 * std::sin(frame / 15.0));
                drag(syringe, {gasSpace->x() + width, gasSpace->y() + 70});
            }
            clock.now += SimulationLoop::kTickMs / 1000.0;
            window->timers().loop()->runTick();
            const long before = gasSpace->paints();
            QCoreApplication::sendPostedEvents();
            paints += gasSpace->paints() - before;
            const QImage onScreen = shown(cylinderArea());
            const QImage whole = repainted(cylinderArea());
            ASSERT_EQ(onScreen.size(), whole.size());
            ASSERT_TRUE(onScreen == whole)
                << "frame " << frame << " with " << window->experiment().engine().upperBound()
                << " particles differs from a whole repaint";
        }
        QTest::mouseRelease(syringe, Qt::LeftButton);
    }
    // Unchanged frames were left out: fewer paints than frames, and some.
    EXPECT_GT(paints, 30);
    EXPECT_LT(paints, frame);
}

} // namespace vozavero
