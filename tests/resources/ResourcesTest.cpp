// The built-in pictures as the cylinder view uses them: loaded by resource path alone, at their
// fixed sizes, opaque where copied pixel for pixel, and with the colours that fit them together.
#include "Resources.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using namespace vozavero::pictures;

TEST(PictureResources, LoadWithTheirSizesAndTransparencyOnlyWhereNeeded) {
    struct Expected {
        const char* path;
        QSize size;
        bool alpha;
    };
    const Expected pictures[] = {
        {kBackground, {529, 154}, false}, {kSyringe, {645, 181}, false},
        {kPiston, {130, 150}, true},      {kSprites[0], {16, 16}, false},
        {kSprites[1], {16, 16}, false},   {kSprites[2], {8, 8}, false},
        {kSprites[3], {8, 8}, false},     {kOptionsIcon, {32, 32}, true},
        {kAppIcon, {64, 64}, true},
    };
    for (const Expected& p : pictures) {
        const QImage image(QString::fromLatin1(p.path));
        EXPECT_EQ(image.size(), p.size) << p.path;
        EXPECT_EQ(image.hasAlphaChannel(), p.alpha) << p.path;
    }
}

TEST(PictureResources, SpritesAndPistonHaveTheirColoursAndSeeThroughParts) {
    const QRgb corner = QColor::fromRgb(kSpriteCornerColour).rgb();
    for (int i = 0; i < 4; ++i) {
        const QImage sprite(QString::fromLatin1(kSprites[i]));
        const int last = sprite.width() - 1;
        for (const QPoint at :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
            EXPECT_EQ(sprite.pixel(at), corner) << "sprite " << i;
        }
    }
    const QRgb blue = QImage(QString::fromLatin1(kSprites[3])).pixel(4, 4); // the particle
    EXPECT_GT(qBlue(blue), qRed(blue) + 80);
    const QRgb red = QImage(QString::fromLatin1(kSprites[2])).pixel(4, 4);
    EXPECT_GT(qRed(red), qBlue(red) + 80);
    EXPECT_EQ(QImage(QString::fromLatin1(kBackground)).pixel(0, 0),
              QColor::fromRgb(kFieldColour).rgb());

    // The piston's face, rod and handle are solid; the tube shows through around them.
    const QImage piston(QString::fromLatin1(kPiston));
    for (const QPoint solid : {QPoint(0, 75), QPoint(70, 75), QPoint(118, 75)}) {
        EXPECT_EQ(qAlpha(piston.pixel(solid)), 255) << solid.x();
    }
    for (const QPoint clear : {QPoint(70, 30), QPoint(70, 120), QPoint(129, 0)}) {
        EXPECT_EQ(qAlpha(piston.pixel(clear)), 0) << clear.x();
    }
}

} // namespace
