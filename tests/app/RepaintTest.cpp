// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Partial repaints of the gas space against a whole repaint: after every frame, the window's
// backing store (what the screen shows, updated only by the partial paints) must equal a grab of
// the same state, pixel for pixel, while particles move and the piston is dragged to and fro.
// The suite runs it at ratio 1 and again under QT_SCALE_FACTOR=2.
#include "AppFixture.h"
#include "CylinderView.h"

#include <QBackingStore>
#include <QCoreApplication>
#include <cmath>

namespace vozavero {

class RepaintTest : public AppFixture {
protected:
    void afterTick() override {
        ++frames;
        const long before = gasSpace->paints();
        QCoreApplication::sendPostedEvents();
        paints += gasSpace->paints() - before;
        const QWidget* frame = find("frm_KolbenHolder");
        const QRect area(frame->mapTo(window.get(), QPoint(0, 0)), frame->size());
        const auto* store = static_cast<const QImage*>(window->backingStore()->paintDevice());
        const double r = store->devicePixelRatio();
        const QImage onScreen =
            store->copy(std::lround(area.x() * r), std::lround(area.y() * r),
                        std::lround(area.width() * r), std::lround(area.height() * r));
        const QImage whole = window->grab(area).toImage();
        ASSERT_TRUE(onScreen.convertToFormat(QImage::Format_RGB32) ==
                    whole.convertToFormat(QImage::Format_RGB32))
            << "frame " << frames << " differs from a whole repaint";
    }
    CylinderView* gasSpace = nullptr;
    long paints = 0; // of the gas space on screen (a grab paints it too)
    int frames = 0;
};

TEST_F(RepaintTest, PartialRepaintsShowWhatAWholeRepaintShows) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    ASSERT_EQ(window->backingStore()->paintDevice()->devType(), QInternal::Image);
    ASSERT_EQ(window->devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    window->timers().loop()->start();
    gasSpace = find<CylinderView>("Bild");
    QWidget* syringe = find("frm_Kolben");
    QWidget* countBox = find("SCROLLBOX(0)");
    QWidget* speedBox = find("SCROLLBOX(2)");
    // Few particles (each sprite's place painted) and the fullest cylinder; slow (most frames
    // unchanged, not painted) and fast (several steps between frames).
    for (const auto& [count, speed] :
         {std::pair{3, 3}, {44, 40}, {countBox->width() - 1, speedBox->width() - 1}}) {
        press(countBox, {double(count), 10});
        press(speedBox, {double(speed), 10});
        QTest::mousePress(syringe, Qt::LeftButton, Qt::NoModifier,
                          {gasSpace->x() + gasSpace->width(), gasSpace->y() + 70});
        for (int i = 0; i < 20; ++i) {
            const int width = 260 + static_cast<int>(150.0 * std::sin(frames / 15.0));
            drag(syringe, {double(gasSpace->x() + width), gasSpace->y() + 70.0});
            advance(5 * kTick);
        }
        QTest::mouseRelease(syringe, Qt::LeftButton);
    }
    EXPECT_EQ(frames, 300);
    EXPECT_GT(paints, 30);
    EXPECT_LT(paints, frames) << "unchanged frames are not painted";
}

} // namespace vozavero
