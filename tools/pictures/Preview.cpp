// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A preview of the cylinder frame for judging the pictures: the window's blue around a light
// frame, the syringe drawing at its place in the frame, the gas space with a few particles and
// the piston against it, all clipped as the picture boxes clip them.
#include "PictureKit.h"
#include "Pictures.h"
#include "Resources.h"

#include <QFont>
#include <QLinearGradient>
#include <algorithm>
#include <array>

namespace vozavero::picturegen {

namespace {

constexpr QColor kWindowBlue{27, 78, 175};
constexpr QColor kBandTop{58, 110, 200};
constexpr QColor kBandBottom{20, 55, 135};
constexpr int kMargin = 12;
constexpr QSize kFrameSize{733, 210}; // 10995 x 3150 twips at 15 twips per pixel
constexpr QPoint kSyringeAt{48, 24};
constexpr QSize kSyringeBox{677, 177};

// The gas space as the cylinder view draws it: background from its top-left corner, then each
// particle copied pixel for pixel at eight pixels per cell.
QImage gasSpace(int width) {
    QImage gas = makeBackground().copy(0, 0, width, kGasHeight);
    const QImage sprite = makeSprite(3);
    const QImage red = makeSprite(2);
    const int cellsX = std::max(1, width / 8 - 1);
    constexpr std::array<QPoint, 14> kCells{{{3, 2},
                                             {9, 13},
                                             {15, 6},
                                             {22, 17},
                                             {28, 3},
                                             {5, 9},
                                             {18, 11},
                                             {12, 1},
                                             {25, 8},
                                             {30, 14},
                                             {1, 18},
                                             {20, 5},
                                             {7, 16},
                                             {29, 0}}};
    QPainter painter(&gas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    int index = 0;
    for (const QPoint& cell : kCells) {
        const int x = std::min(cell.x(), cellsX);
        painter.drawImage(8 * x, 8 * cell.y(), index == 6 ? red : sprite);
        ++index;
    }
    // Two particles touching each other, to judge how overlapping squares look.
    painter.drawImage(8 * std::min(16, cellsX) + 4, 8 * 15, sprite);
    painter.drawImage(8 * std::min(16, cellsX) + 10, 8 * 15 + 3, sprite);
    return gas;
}

} // namespace

QImage makePreview(int gasWidth, int zoom) {
    const QSize size(kFrameSize.width() + 2 * kMargin, kFrameSize.height() + 2 * kMargin);
    QImage preview = opaqueCanvas(size.width(), size.height(), kWindowBlue);
    QPainter painter;
    beginPainter(painter, preview);

    // The frame "Simulation des Kolbenprobers": a light body under a blue title band.
    const QRect frame(QPoint(kMargin, kMargin), kFrameSize);
    painter.fillRect(frame, QColor::fromRgb(pictures::kSurroundColour));
    QLinearGradient band(0, frame.top(), 0, frame.top() + 20);
    band.setColorAt(0.0, kBandTop);
    band.setColorAt(1.0, kBandBottom);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 20), band);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(frame.left() + 8, frame.top() + 15), "Simulation des Kolbenprobers");

    // frm_Kolben with its three pictures, clipped to its box.
    const QPoint origin = frame.topLeft() + kSyringeAt;
    painter.setClipRect(QRect(origin, kSyringeBox));
    painter.fillRect(QRect(origin, kSyringeBox), QColor::fromRgb(pictures::kSurroundColour));
    painter.drawImage(origin, makeSyringe());
    painter.drawImage(origin + QPoint(kGasLeft, kGasTop), gasSpace(gasWidth));
    painter.drawImage(origin + QPoint(kGasLeft + gasWidth, kPistonTop), makePiston());
    painter.end();

    return preview.scaled(preview.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace vozavero::picturegen
