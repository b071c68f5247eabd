// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The built-in pictures as the cylinder view uses them: loaded by resource path alone, at their
// fixed sizes, opaque where copied pixel for pixel, see-through only where needed.
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
