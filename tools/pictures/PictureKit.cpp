// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Painting helpers shared by all pictures of the generator.
#include "PictureKit.h"

#include <QLineF>
#include <QRadialGradient>
#include <cmath>

namespace vozavero::picturegen {

QImage opaqueCanvas(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage transparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginPainter(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void paintBall(QPainter& painter, const QRectF& rect, const BallColours& colours) {
    // The light falls from the upper left: the gradient is centred on the highlight there and
    // reaches its darkest colour only at the rim on the lower right, so the ball is lit on one
    // side and in shadow on the other.
    const QPointF centre = rect.center();
    const QPointF light(rect.left() + rect.width() * 0.34, rect.top() + rect.height() * 0.30);
    const double reach = QLineF(light, centre).length() + rect.width() / 2.0;
    QRadialGradient gradient(light, reach);
    gradient.setColorAt(0.0, colours.highlight);
    gradient.setColorAt(0.16, colours.light);
    gradient.setColorAt(0.5, colours.body);
    gradient.setColorAt(0.8, colours.shadow);
    gradient.setColorAt(1.0, colours.rim);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(rect);
    painter.restore();
}

QImage ballSprite(int size, const BallColours& colours, QColor background) {
    constexpr int kScale = 8;
    QImage large = opaqueCanvas(size * kScale, size * kScale, background);
    {
        QPainter painter;
        beginPainter(painter, large);
        paintBall(painter, QRectF(0, 0, size * kScale, size * kScale), colours);
    }
    // Reduce by averaging every kScale x kScale block: an exact area filter.
    QImage small = opaqueCanvas(size, size, background);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int red = 0;
            int green = 0;
            int blue = 0;
            for (int dy = 0; dy < kScale; ++dy) {
                for (int dx = 0; dx < kScale; ++dx) {
                    const QRgb pixel = large.pixel(x * kScale + dx, y * kScale + dy);
                    red += qRed(pixel);
                    green += qGreen(pixel);
                    blue += qBlue(pixel);
                }
            }
            constexpr int kCount = kScale * kScale;
            small.setPixel(x, y,
                           qRgb((red + kCount / 2) / kCount, (green + kCount / 2) / kCount,
                                (blue + kCount / 2) / kCount));
        }
    }
    const QRgb corner = background.rgb();
    small.setPixel(0, 0, corner);
    small.setPixel(size - 1, 0, corner);
    small.setPixel(0, size - 1, corner);
    small.setPixel(size - 1, size - 1, corner);
    return small;
}

int scaled(int length, double scale) {
    return static_cast<int>(std::ceil(length * scale - 1e-9));
}

void crispRect(QPainter& painter, const QRect& logical, QColor colour) {
    const double scale = painter.transform().m11();
    const auto edge = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
    const QRect device(QPoint(edge(logical.left()), edge(logical.top())),
                       QPoint(edge(logical.left() + logical.width()) - 1,
                              edge(logical.top() + logical.height()) - 1));
    painter.save();
    painter.resetTransform();
    painter.fillRect(device, colour);
    painter.restore();
}

void crispTick(QPainter& painter, int x, int top, int length, QColor colour) {
    crispRect(painter, QRect(x, top, 1, length), colour);
}

int tickLength(int index, int minor, int medium, int major) {
    if (index % 10 == 0) {
        return major;
    }
    if (index % 5 == 0) {
        return medium;
    }
    return minor;
}

} // namespace vozavero::picturegen
