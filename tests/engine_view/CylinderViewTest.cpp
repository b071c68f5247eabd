// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The sprite copy, the frames the cylinder view composes at ratios 1 to 2 (where particles land,
// clipping, no trails, what is painted), the choice of a picture's copy, and the pointer signal.
#include "CylinderView.h"
#include "PictureBox.h"
#include "ScaledPicture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace vozavero {
namespace {

// Pictures whose pixels all differ, and sprites whose blue differs from the background's
// everywhere, so that an offset, a missed row or a blended pixel shows up; withSpriteAt is the
// pixel-by-pixel reference.
QImage pattern(int width, int height, int blue = 20, double ratio = 1.0) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, blue + (x / 256) * 100));
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage withSpriteAt(QImage image, const QImage& sprite, int left, int top) {
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            if (image.valid(left + x, top + y)) {
                image.setPixel(left + x, top + y, sprite.pixel(x, y));
            }
        }
    }
    return image;
}

TEST(BlitSprite, CopiesEveryPixelAtTheRoundedPositionClippedToTheTarget) {
    const QImage sprite = pattern(8, 8, 240);
    const QImage field = pattern(40, 30);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr int kNowhere = -100; // the target must stay untouched
    struct Case {
        float x, y;
        int left, top;
    };
    for (const Case c :
         {Case{0.0f, 0.0f, 0, 0}, Case{20.0f, 8.5f, 20, 8}, // ties go to even
          Case{9.5f, 10.5f, 10, 10}, Case{10.5f, 2.5f, 10, 2}, Case{11.5f, 3.49f, 12, 3},
          Case{4.51f, 0.5f, 5, 0}, Case{36.0f, 26.0f, 36, 26}, Case{-3.0f, -5.0f, -3, -5},
          Case{40.0f, 0.0f, 40, 0}, Case{0.0f, -8.0f, 0, -8},
          Case{1e30f, 1e30f, kNowhere, kNowhere}, Case{-1e30f, 5.0f, kNowhere, kNowhere},
          Case{inf, 0.0f, kNowhere, kNowhere}, Case{nan, nan, kNowhere, kNowhere}}) {
        QImage target = field;
        blitSprite(sprite, target, c.x, c.y);
        EXPECT_EQ(target, withSpriteAt(field, sprite, c.left, c.top))
            << "at " << c.x << ", " << c.y;
    }
}

class CylinderViewTest : public ::testing::Test {
protected:
    CylinderViewTest()
        : view(pattern(529, 154), // the design's background size
               {pattern(8, 8, 240), pattern(8, 8, 241), pattern(8, 8, 242), pattern(8, 8, 243)}) {
        view.resize(250, 151);
        engine.setGeometry(30, 18, 1, 8); // a 250 x 151 interior
    }

    void place(std::size_t index, float x, float y, std::int16_t sprite = 3,
               std::int16_t direction = 90) {
        auto& particles = engine.particles();
        particles.resize(std::max(particles.size(), index + 1));
        particles[index] = Particle{x, y, direction, sprite};
    }

    const QImage background = pattern(250, 151);
    UniformRandom random;
    ParticleEngine engine{random};
    CylinderView view;
};

TEST_F(CylinderViewTest, ParticlesLandAtEightPixelsPerCellClippedToTheInteriorWithoutTrails) {
    view.show(); // before drawing: the first show delivers a resize, which clears the frame
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    place(1, 13.0f, 13.0f);
    view.drawParticles(engine); // a particle that must leave no trail in the next frame
    place(0, 12.0f, 12.0f);     // slot 0 is never drawn, nor are unplaced ones
    place(9, 15.0f, 5.0f, 3, 0);
    place(10, 5.0f, 15.0f, 3, -7);
    place(1, 0.0f, 0.0f);
    place(2, 2.5f, 1.0625f);
    place(3, 30.0f, 18.0f); // on the piston face and the bottom wall
    place(4, 2.0f, 1.0f, 2);
    place(5, 2.25f, 1.0f, 3); // higher index on top
    place(6, 30.5f, 4.0f);    // 244 px: six columns still inside
    place(7, 31.25f, 6.0f);   // 250 px: wholly outside
    place(8, -0.5f, -0.5f);   // reflected past the closed end and the top
    view.drawParticles(engine);
    QImage expected = background;
    for (const auto& [sprite, left, top] :
         {std::tuple{3, 0, 0}, std::tuple{3, 20, 8}, std::tuple{3, 240, 144}, std::tuple{2, 16, 8},
          std::tuple{3, 18, 8}, std::tuple{3, 244, 32}, std::tuple{3, -4, -4}}) {
        expected = withSpriteAt(expected, view.sprite(sprite), left, top);
    }
    EXPECT_EQ(view.frame(), expected);
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), expected);
}

TEST_F(CylinderViewTest, OnlyTheOldAndNewPlacesOfMovedSpritesArePainted) {
    // What each paint covered, as the toolkit asked for it.
    struct PaintSpy : QObject {
        std::vector<QRegion> regions;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                regions.push_back(static_cast<QPaintEvent*>(event)->region());
            }
            return false;
        }
    } spy;
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    place(1, 3.0f, 3.0f);
    place(2, 20.0f, 10.0f);
    view.drawParticles(engine);
    QCoreApplication::sendPostedEvents();
    view.installEventFilter(&spy);

    view.drawParticles(engine); // nothing moved
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(spy.regions.empty());

    place(1, 4.0f, 3.5f); // pixels (24, 24) to (32, 28); particle 2 stays
    view.drawParticles(engine);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(spy.regions.size(), 1u);
    EXPECT_EQ(spy.regions[0], QRegion(24, 24, 8, 8) + QRegion(32, 28, 8, 8) +
                                  QRegion(160, 80, 8, 8)); // every sprite's place
    view.removeEventFilter(&spy);
}

template <typename Widget> void expectPointerOnPressAndDragOnly(Widget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.setMouseTracking(true); // moves without a button reach the widget and must not count
    QSignalSpy spy(&widget, &Widget::pointer);
    const auto move = [&widget](QPointF position, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    };
    move(QPointF(10.0, 10.0), Qt::NoButton);
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, QPoint(30, 40));
    move(QPointF(-20.25, 700.5), Qt::RightButton); // outside the widget while dragging
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::NoModifier, QPoint(30, 40));
    move(QPointF(60.0, 60.0), Qt::NoButton);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0), (QVariantList{30.0, 40.0}));
    EXPECT_EQ(spy.at(1), (QVariantList{-20.25, 700.5}));
}

TEST_F(CylinderViewTest, PressAndDragWithAButtonReportThePointer) {
    expectPointerOnPressAndDragOnly(view);
    PictureBox box(QPixmap::fromImage(background));
    expectPointerOnPressAndDragOnly(box);
}

TEST(ScaledPicture, EachRatioGetsItsOwnCopyOrAFinerOneReducedToSize) {
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    QImage blue(16, 16, QImage::Format_RGB32);
    blue.fill(qRgb(0, 0, 255));
    blue.setDevicePixelRatio(2.0);
    ScaledPicture picture(red);
    picture.addVariant(blue);
    EXPECT_EQ(picture.size(), QSize(8, 8));
    const struct {
        double ratio;
        int pixels;
        QRgb colour;
    } cases[] = {
        {1.0, 8, qRgb(255, 0, 0)},  {2.0, 16, qRgb(0, 0, 255)},
        {1.5, 12, qRgb(0, 0, 255)}, // reduced from the finer copy, never enlarged
        {3.0, 24, qRgb(0, 0, 255)}, // beyond the finest copy: the finest, enlarged
        {0.0, 8, qRgb(255, 0, 0)},  // a broken ratio counts as 1
    };
    for (const auto& c : cases) {
        const QImage at = picture.at(c.ratio);
        EXPECT_EQ(at.size(), QSize(c.pixels, c.pixels)) << c.ratio;
        EXPECT_EQ(at.pixel(at.width() / 2, at.height() / 2), c.colour) << c.ratio;
        EXPECT_EQ(at.deviceIndependentSize().toSize(), QSize(8, 8)) << c.ratio;
    }
    EXPECT_TRUE(ScaledPicture::load(QStringLiteral(":/no/such/picture.png")).isNull());
}

class ScaledCylinderTest : public ::testing::TestWithParam<double> {};

TEST_P(ScaledCylinderTest, ParticlesLandAtTheirLogicalPixelTimesTheRatioAsFinerSprites) {
    const double r = GetParam();
    const auto scaled = [r](int width, int height, int blue) {
        ScaledPicture picture(pattern(width, height, blue));
        picture.addVariant(
            pattern(static_cast<int>(width * r), static_cast<int>(height * r), blue + 1, r));
        return picture;
    };
    CylinderView view(scaled(529, 154, 10), std::array{scaled(16, 16, 200), scaled(16, 16, 210),
                                                       scaled(8, 8, 220), scaled(8, 8, 230)});
    view.resize(250, 151);
    view.setPixelRatio(r);
    UniformRandom random;
    ParticleEngine engine{random};
    engine.setGeometry(30, 18, 1, 8);
    // Logical pixels (20, 8), the piston face's last 8 columns, and (5, 5): 7.5 device pixels at
    // 1.5, a tie that goes to the even 8.
    engine.particles() = {Particle{}, Particle{2.5f, 1.0625f, 90, 3}, Particle{30.0f, 18.0f, 90, 3},
                          Particle{0.625f, 0.625f, 90, 3}};
    view.drawParticles(engine);

    // Every particle at its logical pixel times the ratio, copied pixel for pixel from the finer
    // sprite, on the finer background.
    const QSize size(static_cast<int>(std::ceil(250 * r)), static_cast<int>(std::ceil(151 * r)));
    QImage expected = pattern(size.width(), size.height(), 11, r);
    const QImage sprite = pattern(static_cast<int>(8 * r), static_cast<int>(8 * r), 231);
    for (const auto& [x, y] : {std::pair{20, 8}, std::pair{240, 144}, std::pair{5, 5}}) {
        expected = withSpriteAt(expected, sprite, static_cast<int>(std::nearbyint(x * r)),
                                static_cast<int>(std::nearbyint(y * r)));
    }
    EXPECT_EQ(view.frame().devicePixelRatio(), r);
    EXPECT_EQ(view.frame().size(), size);
    EXPECT_TRUE(view.frame().convertToFormat(QImage::Format_RGB32) == expected);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ScaledCylinderTest, ::testing::Values(1.5, 2.0));

} // namespace
} // namespace vozavero
