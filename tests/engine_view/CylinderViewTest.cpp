// Tests of the sprite copy and of the frames the cylinder view composes: where particles land,
// clipping at every edge, complete frames without trails, and the pointer signal.
#include "CylinderView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace vozavero {
namespace {

// A background of the design's size and sprites whose pixels all differ, so that an offset, a
// missed row or a blended pixel shows up; withSpriteAt is the pixel-by-pixel reference.
QImage patternBackground() {
    QImage image(529, 154, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x % 256, y, (x / 256) * 100 + 20));
        }
    }
    return image;
}

QImage patternSprite(int seed) {
    QImage image(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            image.setPixel(x, y, qRgb(255 - seed, 200 + y, 240 + x));
        }
    }
    return image;
}

QImage withSpriteAt(QImage image, const QImage& sprite, int left, int top) {
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const int tx = left + x;
            const int ty = top + y;
            if (tx >= 0 && ty >= 0 && tx < image.width() && ty < image.height()) {
                image.setPixel(tx, ty, sprite.pixel(x, y));
            }
        }
    }
    return image;
}

class FixedRandom : public RandomSource {
public:
    double next() override { return 0.5; }
    void reseed(double) override {}
};

QImage plainTarget(int width = 40, int height = 30) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    return image;
}

// ---- blitSprite ----

TEST(BlitSprite, CopiesEveryPixelAtTheRoundedPositionClippedToTheTarget) {
    const QImage sprite = patternSprite(0);
    struct Case {
        float x, y;
        int left, top;
    };
    for (const Case c :
         {Case{0.0f, 0.0f, 0, 0}, Case{20.0f, 8.5f, 20, 8}, Case{9.5f, 10.5f, 10, 10},
          Case{10.5f, 2.5f, 10, 2}, Case{11.5f, 3.49f, 12, 3}, Case{4.51f, 0.5f, 5, 0},
          Case{36.0f, 26.0f, 36, 26}, Case{-3.0f, -5.0f, -3, -5}}) {
        QImage target = plainTarget();
        blitSprite(sprite, target, c.x, c.y);
        EXPECT_EQ(target, withSpriteAt(plainTarget(), sprite, c.left, c.top))
            << "at " << c.x << ", " << c.y;
    }
}

TEST(BlitSprite, CopiesPixelsWithoutTransparencyOrBlending) {
    QImage sprite = patternSprite(0).convertToFormat(QImage::Format_ARGB32);
    sprite.setPixel(0, 0, qRgba(227, 231, 237, 255));
    sprite.setPixel(7, 7, qRgba(1, 2, 3, 0));
    QImage target = plainTarget().convertToFormat(QImage::Format_ARGB32);
    blitSprite(sprite, target, 4.0f, 4.0f);
    EXPECT_EQ(target.pixel(4, 4), qRgba(227, 231, 237, 255));
    EXPECT_EQ(target.pixel(11, 11), qRgba(1, 2, 3, 0));
}

TEST(BlitSprite, LeavesTargetAloneWhenWhollyOutsideOrNotFinite) {
    const QImage sprite = patternSprite(0);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [x, y] :
         {std::pair{40.0f, 0.0f}, std::pair{0.0f, 30.0f}, std::pair{-8.0f, 0.0f},
          std::pair{0.0f, -8.0f}, std::pair{1e30f, 1e30f}, std::pair{-1e30f, 5.0f},
          std::pair{inf, 0.0f}, std::pair{nan, nan}}) {
        QImage target = plainTarget();
        blitSprite(sprite, target, x, y);
        EXPECT_EQ(target, plainTarget()) << "at " << x << ", " << y;
    }
}

// ---- CylinderView frames ----

class CylinderViewTest : public ::testing::Test {
protected:
    CylinderViewTest()
        : engine(random)
        , view(patternBackground(),
               {patternSprite(0), patternSprite(1), patternSprite(2), patternSprite(3)}) {
        view.resize(250, 151);
        // Geometry of a 250 x 151 interior: cellsX 30, cellsY 18.
        engine.setGeometry(30, 18, 1, 8);
    }

    void place(std::size_t index, float x, float y, std::int16_t sprite = 3,
               std::int16_t direction = 90) {
        auto& particles = engine.particles();
        if (particles.size() <= index) {
            particles.resize(index + 1);
        }
        particles[index] = Particle{x, y, direction, sprite};
    }

    QImage background(int width = 250, int height = 151) const {
        return patternBackground().copy(0, 0, width, height);
    }

    FixedRandom random;
    ParticleEngine engine;
    CylinderView view;
};

TEST_F(CylinderViewTest, FrameWithoutPlacedParticlesIsTheBackground) {
    view.drawParticles(engine);
    EXPECT_EQ(view.frame(), background());

    engine.particles().resize(6); // five unplaced slots
    place(2, 3.0f, 3.0f, 3, 0);
    place(4, 5.0f, 5.0f, 3, -7);
    view.drawParticles(engine);
    EXPECT_EQ(view.frame(), background());
}

TEST_F(CylinderViewTest, SlotZeroIsNeverDrawn) {
    place(0, 2.0f, 2.0f);
    view.drawParticles(engine);
    EXPECT_EQ(view.frame(), background());
}

TEST_F(CylinderViewTest, ParticlesLandAtEightPixelsPerCellHigherIndexOnTop) {
    place(1, 0.0f, 0.0f);
    place(2, 2.5f, 1.0625f);
    place(3, 30.0f, 18.0f); // on the piston face and the bottom wall
    place(4, 2.0f, 1.0f, 2);
    place(5, 2.25f, 1.0f, 3);
    view.drawParticles(engine);
    QImage expected = withSpriteAt(background(), view.sprite(3), 0, 0);
    expected = withSpriteAt(expected, view.sprite(3), 20, 8);
    expected = withSpriteAt(expected, view.sprite(3), 240, 144);
    expected = withSpriteAt(expected, view.sprite(2), 16, 8);
    expected = withSpriteAt(expected, view.sprite(3), 18, 8);
    EXPECT_EQ(view.frame(), expected);
}

TEST_F(CylinderViewTest, ParticleBeyondThePistonFaceIsClippedToTheInterior) {
    place(1, 30.5f, 4.0f);  // 244 px: six columns still inside
    place(2, 31.25f, 6.0f); // 250 px: wholly outside
    place(3, -0.5f, -0.5f); // reflected past the closed end and the top
    view.drawParticles(engine);
    ASSERT_EQ(view.frame().size(), QSize(250, 151));
    QImage expected = withSpriteAt(background(), view.sprite(3), 244, 32);
    expected = withSpriteAt(expected, view.sprite(3), -4, -4);
    EXPECT_EQ(view.frame(), expected);
}

TEST_F(CylinderViewTest, EachFrameIsCompleteWithoutTrails) {
    place(1, 3.0f, 3.0f);
    view.drawParticles(engine);
    place(1, 10.0f, 7.0f);
    view.drawParticles(engine);
    EXPECT_EQ(view.frame(), withSpriteAt(background(), view.sprite(3), 80, 56));
}

TEST_F(CylinderViewTest, FrameFollowsTheWidgetSize) {
    place(1, 6.0f, 2.0f);
    view.resize(50, 151);
    view.drawParticles(engine);
    EXPECT_EQ(view.frame(), withSpriteAt(background(50, 151), view.sprite(3), 48, 16));

    // Larger than the background picture: the rest is plain field, nothing undefined.
    view.resize(540, 160);
    view.drawParticles(engine);
    const QImage frame = view.frame();
    ASSERT_EQ(frame.size(), QSize(540, 160));
    EXPECT_EQ(frame.copy(0, 0, 529, 154),
              withSpriteAt(patternBackground(), view.sprite(3), 48, 16));
    EXPECT_EQ(frame.pixel(535, 10), frame.pixel(10, 157));
    EXPECT_EQ(frame.pixel(539, 159), frame.pixel(10, 157));
}

TEST_F(CylinderViewTest, ShownWidgetPaintsTheFrame) {
    place(1, 4.0f, 4.0f);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.drawParticles(engine);
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), view.frame());
}

// ---- pointer ----

void sendMove(QWidget& widget, QPointF position, Qt::MouseButtons buttons) {
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

TEST_F(CylinderViewTest, PressAndDragWithAButtonReportThePointer) {
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy spy(&view, &CylinderView::pointer);

    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_DOUBLE_EQ(spy.at(0).at(0).toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(spy.at(0).at(1).toDouble(), 40.0);

    sendMove(view, QPointF(280.5, 12.0), Qt::LeftButton); // beyond the piston while dragging
    ASSERT_EQ(spy.count(), 2);
    EXPECT_DOUBLE_EQ(spy.at(1).at(0).toDouble(), 280.5);
    EXPECT_DOUBLE_EQ(spy.at(1).at(1).toDouble(), 12.0);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(280, 12));

    // With tracking on the toolkit delivers moves without a button too; they must not count.
    view.setMouseTracking(true);
    sendMove(view, QPointF(60.0, 60.0), Qt::NoButton);
    EXPECT_EQ(spy.count(), 2);

    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
    sendMove(view, QPointF(7.0, 8.0), Qt::RightButton);
    EXPECT_EQ(spy.count(), 4);
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, QPoint(7, 8));
}

} // namespace
} // namespace vozavero
