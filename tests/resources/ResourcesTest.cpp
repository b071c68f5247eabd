// Checks the built-in pictures as the rest of the program uses them: loaded by resource path
// without any explicit registration, at their fixed sizes, opaque where they are copied pixel for
// pixel, and with the colours that make sprites, gas field and syringe fit together.
#include "Resources.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace vozavero::pictures;

QImage load(const char* path) {
    QImage image(QString::fromLatin1(path));
    EXPECT_FALSE(image.isNull()) << path;
    return image;
}

int brightness(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

bool isSurround(const QImage& image, int x, int y) {
    return image.pixel(x, y) == QColor::fromRgb(kSurroundColour).rgb();
}

TEST(PictureResources, AllLoadWithTheirSizes) {
    struct Expected {
        const char* path;
        QSize size;
    };
    const Expected pictures[] = {
        {kBackground, {529, 154}}, {kSyringe, {645, 181}},   {kPiston, {130, 150}},
        {kSprites[0], {16, 16}},   {kSprites[1], {16, 16}},  {kSprites[2], {8, 8}},
        {kSprites[3], {8, 8}},     {kOptionsIcon, {32, 32}}, {kAppIcon, {64, 64}},
    };
    for (const Expected& picture : pictures) {
        EXPECT_EQ(load(picture.path).size(), picture.size) << picture.path;
    }
}

TEST(PictureResources, ExplicitRegistrationIsHarmless) {
    initVozaveroResources();
    initVozaveroResources();
    EXPECT_EQ(load(kSprites[3]).size(), QSize(8, 8));
}

TEST(PictureResources, BackgroundIsAnOpaqueFieldWithARulerNearTheBottom) {
    const QImage image = load(kBackground);
    EXPECT_FALSE(image.hasAlphaChannel());
    // Everything above the ruler is the plain field, so sprite corners vanish on it.
    for (int y = 0; y < 130; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(image.pixel(x, y), QColor::fromRgb(kFieldColour).rgb()) << x << "," << y;
        }
    }
    // A grey line runs across inside the visible 151 rows, with a mark where a 250-pixel gas
    // space ends.
    int rulerRow = -1;
    for (int y = 130; y < 151 && rulerRow < 0; ++y) {
        if (brightness(image.pixel(5, y)) < brightness(kFieldColour) - 60) {
            rulerRow = y;
        }
    }
    ASSERT_GE(rulerRow, 0);
    EXPECT_LT(brightness(image.pixel(249, rulerRow - 3)), brightness(kFieldColour) - 60);
    EXPECT_EQ(image.pixel(245, rulerRow - 3), QColor::fromRgb(kFieldColour).rgb());
}

TEST(PictureResources, SpritesAreOpaqueBallsWithBackgroundCorners) {
    for (int i = 0; i < 4; ++i) {
        const QImage sprite = load(kSprites[i]);
        ASSERT_FALSE(sprite.isNull());
        EXPECT_FALSE(sprite.hasAlphaChannel()) << i;
        const int last = sprite.width() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            EXPECT_EQ(sprite.pixel(corner), QColor::fromRgb(kSpriteCornerColour).rgb())
                << "sprite " << i << " corner " << corner.x() << "," << corner.y();
        }
    }
}

TEST(PictureResources, ParticleSpriteIsBlueLitFromTheUpperLeft) {
    const QImage sprite = load(kSprites[3]);
    const QRgb middle = sprite.pixel(4, 4);
    EXPECT_GT(qBlue(middle), qRed(middle) + 80);
    EXPECT_GT(qBlue(middle), qGreen(middle));
    EXPECT_GT(brightness(sprite.pixel(2, 2)), brightness(sprite.pixel(5, 5)) + 100);
    EXPECT_GT(brightness(sprite.pixel(1, 1)), brightness(sprite.pixel(6, 6)));
}

TEST(PictureResources, OtherBallsHaveTheirColours) {
    const QRgb blue = load(kSprites[0]).pixel(8, 8);
    EXPECT_GT(qBlue(blue), qRed(blue) + 80);
    const QRgb red = load(kSprites[2]).pixel(4, 4);
    EXPECT_GT(qRed(red), qBlue(red) + 80);
    EXPECT_GT(qRed(red), qGreen(red) + 80);
}

TEST(PictureResources, SyringeFramesTheGasSpace) {
    const QImage image = load(kSyringe);
    EXPECT_FALSE(image.hasAlphaChannel());
    const int field = brightness(kFieldColour);
    // The walls lie just outside the gas space (columns 43.., rows 11..161).
    EXPECT_LT(brightness(image.pixel(300, 10)), field - 60);
    EXPECT_LT(brightness(image.pixel(300, 162)), field - 60);
    EXPECT_LT(brightness(image.pixel(42, 40)), field - 60);
    // Inside the tube is light.
    EXPECT_GE(brightness(image.pixel(300, 86)), field);
    EXPECT_GE(brightness(image.pixel(540, 150)), field);
    // Neutral surroundings at the corners and beyond the open right end.
    EXPECT_TRUE(isSurround(image, 1, 1));
    EXPECT_TRUE(isSurround(image, 644, 180));
    EXPECT_TRUE(isSurround(image, 630, 86));
    // The nozzle sticks out left of the closed end at half height, and only there.
    EXPECT_FALSE(isSurround(image, 20, 86));
    EXPECT_TRUE(isSurround(image, 20, 40));
    EXPECT_TRUE(isSurround(image, 20, 130));
}

TEST(PictureResources, PistonFaceIsOnItsLeftEdge) {
    const QImage image = load(kPiston);
    ASSERT_TRUE(image.hasAlphaChannel());
    // The face: opaque and dark along the left edge over nearly the whole height.
    for (int y = 6; y < 144; ++y) {
        ASSERT_EQ(qAlpha(image.pixel(0, y)), 255) << y;
        ASSERT_LT(brightness(image.pixel(0, y)), 400) << y;
    }
    // Rod and handle are solid; the tube shows through around them.
    EXPECT_EQ(qAlpha(image.pixel(70, 75)), 255);
    EXPECT_EQ(qAlpha(image.pixel(118, 75)), 255);
    EXPECT_EQ(qAlpha(image.pixel(70, 30)), 0);
    EXPECT_EQ(qAlpha(image.pixel(70, 120)), 0);
    EXPECT_EQ(qAlpha(image.pixel(129, 0)), 0);
}

TEST(PictureResources, IconsHaveTransparentCorners) {
    for (const char* path : {kOptionsIcon, kAppIcon}) {
        const QImage icon = load(path);
        ASSERT_TRUE(icon.hasAlphaChannel()) << path;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << path;
        EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2 - 8)), 255) << path;
    }
}

} // namespace
