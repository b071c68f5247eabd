// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Shared pieces of the picture generator: the geometry of the syringe that all pictures agree on,
// the palette, and small painting helpers (opaque canvases, shaded balls, crisp tick marks).
#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace vozavero::picturegen {

// Where the gas space sits inside the syringe drawing: columns 43.., rows 11..161.
inline constexpr int kGasLeft = 43;
inline constexpr int kGasTop = 11;
inline constexpr int kGasHeight = 151;
inline constexpr int kGasMaxWidth = 500;
// The piston picture stands one row below the top of the gas space.
inline constexpr int kPistonTop = 12;
// Graduation of the ruler and of the tube: a mark every 10 pixels of gas width, longer ones at
// every 50 and 100, so the marks read like the 50..500 scale of the volume gauge.
inline constexpr int kTickStep = 10;

// Palette.
inline const QColor kOutline{78, 86, 98};
inline const QColor kGlassLight{238, 244, 250};
inline const QColor kGlassMiddle{192, 206, 222};
inline const QColor kGlassDark{152, 170, 193};
inline const QColor kGraduation{120, 130, 144};
inline const QColor kRuler{170, 178, 190};

/// An opaque image of the given size filled with one colour.
QImage opaqueCanvas(int width, int height, QColor fill);
/// A transparent image of the given size.
QImage transparentCanvas(int width, int height);
/// Pixels covering length logical pixels at scale device pixels each (rounded up).
int scaled(int length, double scale);
/// A painter on image with antialiasing switched on.
void beginPainter(QPainter& painter, QImage& image);

/// Colours of a shaded ball, lit from the upper left.
struct BallColours {
    QColor highlight;
    QColor light;
    QColor body;
    QColor shadow;
    QColor rim;
};
inline const BallColours kBlueBall{
    {236, 246, 255}, {120, 180, 250}, {40, 105, 215}, {16, 52, 150}, {8, 26, 88}};
inline const BallColours kRedBall{
    {255, 240, 236}, {250, 140, 120}, {215, 45, 35}, {150, 20, 20}, {88, 10, 10}};
inline const BallColours kGreenBall{
    {240, 255, 240}, {140, 225, 130}, {45, 165, 55}, {20, 110, 30}, {10, 62, 16}};

/// Paints a ball filling rect (given in pixels of image) with painter.
void paintBall(QPainter& painter, const QRectF& rect, const BallColours& colours);
/// A filled rectangle in logical pixels snapped to whole device pixels of painter's scale.
void crispRect(QPainter& painter, const QRect& logical, QColor colour);
/// A size x size opaque sprite: a ball on background, drawn at eight times the size and reduced
/// by averaging, then its four corner pixels set exactly to background.
QImage ballSprite(int size, const BallColours& colours, QColor background);

/// A vertical tick one logical pixel wide at column x from row top, length rows long, in the
/// painter's logical pixels, snapped to whole device pixels without blending into its neighbours
/// (so it stays crisp when projected and on scaled screens).
void crispTick(QPainter& painter, int x, int top, int length, QColor colour);
/// Length of the graduation mark number index (the index-th mark from the left end).
int tickLength(int index, int minor, int medium, int major);

} // namespace vozavero::picturegen
