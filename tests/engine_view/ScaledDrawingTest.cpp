// Tests of drawing on scaled screens: the choice of a picture's copy for a pixel ratio, and
// cylinder frames composed in device pixels with every particle at its logical pixel times the
// ratio.
#include "CylinderView.h"
#include "ScaledPicture.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

QImage filled(int width, int height, QRgb colour, double ratio = 1.0) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setDevicePixelRatio(ratio);
    return image;
}

// Pixels that all differ, so a misplaced copy shows.
QImage pattern(int width, int height, int blue, double ratio = 1.0) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, blue));
        }
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

TEST(ScaledPicture, EachRatioGetsItsOwnCopyOrAFinerOneReducedToSize) {
    ScaledPicture picture(filled(8, 8, qRgb(255, 0, 0)));
    picture.addVariant(filled(16, 16, qRgb(0, 0, 255), 2.0));
    EXPECT_EQ(picture.size(), QSize(8, 8));

    const struct {
        double ratio;
        QSize pixels;
        QRgb colour;
    } cases[] = {
        {1.0, {8, 8}, qRgb(255, 0, 0)},    {2.0, {16, 16}, qRgb(0, 0, 255)},
        {1.5, {12, 12}, qRgb(0, 0, 255)},  // reduced from the finer copy, never enlarged
        {1.25, {10, 10}, qRgb(0, 0, 255)}, // 8 * 1.25
        {3.0, {24, 24}, qRgb(0, 0, 255)},  // beyond the finest copy: the finest, enlarged
        {0.0, {8, 8}, qRgb(255, 0, 0)},    // a broken ratio counts as 1
    };
    for (const auto& c : cases) {
        const QImage at = picture.at(c.ratio);
        EXPECT_EQ(at.size(), c.pixels) << c.ratio;
        EXPECT_EQ(at.pixel(at.width() / 2, at.height() / 2), c.colour) << c.ratio;
        EXPECT_EQ(at.deviceIndependentSize().toSize(), QSize(8, 8)) << c.ratio;
    }
    EXPECT_TRUE(ScaledPicture::load(QStringLiteral(":/no/such/picture.png")).isNull());
}

class ScaledCylinderTest : public ::testing::TestWithParam<double> {
protected:
    ScaledCylinderTest() {
        const double r = GetParam();
        const auto copy = [r](int size, int blue) {
            const int pixels = static_cast<int>(size * r);
            ScaledPicture picture(pattern(size, size, blue));
            picture.addVariant(pattern(pixels, pixels, blue + 1, r));
            return picture;
        };
        ScaledPicture background(pattern(529, 154, 10));
        background.addVariant(pattern(static_cast<int>(529 * r), static_cast<int>(154 * r), 11, r));
        view = std::make_unique<CylinderView>(
            background, std::array{copy(16, 200), copy(16, 210), copy(8, 220), copy(8, 230)});
        view->resize(250, 151);
        view->setPixelRatio(r);
        engine.setGeometry(30, 18, 1, 8);
    }

    UniformRandom random;
    ParticleEngine engine{random};
    std::unique_ptr<CylinderView> view;
};

TEST_P(ScaledCylinderTest, ParticlesLandAtTheirLogicalPixelTimesTheRatioAsFinerSprites) {
    const double r = GetParam();
    auto& particles = engine.particles();
    particles.resize(3);
    particles[1] = Particle{2.5f, 1.0625f, 90, 3}; // logical pixel (20, 8): 8.5 rounds to 8
    particles[2] = Particle{30.0f, 18.0f, 90, 3};  // on the piston face: its last 8 columns
    view->drawParticles(engine);

    const QImage& frame = view->frame();
    EXPECT_EQ(frame.devicePixelRatio(), r);
    EXPECT_EQ(frame.size(),
              QSize(static_cast<int>(std::ceil(250 * r)), static_cast<int>(std::ceil(151 * r))));
    const int sprite = static_cast<int>(8 * r);
    const int left = static_cast<int>(std::nearbyint(20 * r));
    const int top = static_cast<int>(std::nearbyint(8 * r));
    // The finer sprite is copied pixel for pixel (blue 231), the field around it is the finer
    // background (blue 11).
    EXPECT_EQ(frame.pixel(left, top), qRgb(0, 0, 231));
    EXPECT_EQ(frame.pixel(left + sprite - 1, top + sprite - 1), qRgb(sprite - 1, sprite - 1, 231));
    EXPECT_EQ(qBlue(frame.pixel(left - 1, top)), 11);
    EXPECT_EQ(qBlue(frame.pixel(left + sprite, top)), 11);
    const int face = static_cast<int>(std::nearbyint(240 * r));
    EXPECT_EQ(frame.pixel(face, static_cast<int>(std::nearbyint(144 * r))), qRgb(0, 0, 231));
    EXPECT_EQ(qBlue(frame.pixel(face - 1, static_cast<int>(std::nearbyint(144 * r)))), 11);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ScaledCylinderTest, ::testing::Values(1.5, 2.0));

} // namespace
} // namespace vozavero
