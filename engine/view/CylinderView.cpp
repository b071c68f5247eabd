// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The cylinder interior: keeps a complete frame off screen, made of a clean copy of the background
// and one plain sprite copy per placed particle. From frame to frame only the places of the
// sprites change: they are restored from the clean copy, the sprites copied anew, and only those
// places painted.
#include "CylinderView.h"

#include "PointerInput.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace vozavero {

namespace {

/// Fills whatever part of the widget the background picture does not cover: the picture's own
/// light blue-grey field colour.
constexpr QRgb kFieldColour = 0xffe2e7ed;

/// Sprites this far outside any target (pixels) are certainly clipped away; the bound keeps the
/// conversion of the position to int well defined.
constexpr double kFarOff = 1.0e6;

/// Bytes in one row of the usual sprite: 8 pixels of 32 bits.
constexpr std::size_t kSpriteRowBytes = 8 * 4;

/// A change of more sprite places than this is painted as the rectangle around them: one larger
/// paint and one transfer to the screen cost less than many small ones.
constexpr std::size_t kMostPaintedRects = 24;

/// Copies rows of rowBytes bytes each. With FixedBytes set (equal to rowBytes) the copy has a
/// length known at compile time and becomes a few register moves instead of a library call.
template <std::size_t FixedBytes>
void copyRows(const uchar* source, qsizetype sourceStride, uchar* destination,
              qsizetype targetStride, int rows, std::size_t rowBytes) {
    for (int row = 0; row < rows; ++row) {
        std::memcpy(destination, source, FixedBytes != 0 ? FixedBytes : rowBytes);
        source += sourceStride;
        destination += targetStride;
    }
}

/// Copies the pixels of area (clipped to both images) from source to target, which have the same
/// format.
void copyArea(const QImage& source, QImage& target, const QRect& area) {
    const QRect clipped = area & source.rect() & target.rect();
    if (clipped.isEmpty()) {
        return;
    }
    const qsizetype bytesPerPixel = source.depth() / 8;
    copyRows<0>(source.constBits() + clipped.y() * source.bytesPerLine() +
                    clipped.x() * bytesPerPixel,
                source.bytesPerLine(),
                target.bits() + clipped.y() * target.bytesPerLine() + clipped.x() * bytesPerPixel,
                target.bytesPerLine(), clipped.height(),
                static_cast<std::size_t>(clipped.width() * bytesPerPixel));
}

/// Where blitSprite puts a sprite's left or top edge for a position in device pixels.
int deviceEdge(double position) {
    return static_cast<int>(std::nearbyint(static_cast<double>(static_cast<float>(position))));
}

} // namespace

CylinderView::CylinderView(const QImage& background, const std::array<QImage, 4>& sprites,
                           QWidget* parent)
    : CylinderView(ScaledPicture(background),
                   {ScaledPicture(sprites[0]), ScaledPicture(sprites[1]), ScaledPicture(sprites[2]),
                    ScaledPicture(sprites[3])},
                   parent) {}

CylinderView::CylinderView(const ScaledPicture& background,
                           const std::array<ScaledPicture, 4>& sprites, QWidget* parent)
    : QWidget(parent)
    , backgroundPicture_(background)
    , spritePictures_(sprites)
    , background_(background.base().convertToFormat(QImage::Format_RGB32)) {
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        sprites_[i] = sprites[i].base().convertToFormat(QImage::Format_RGB32);
    }
    // Every paint covers the whole exposed area with the frame, so the toolkit need not erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    acceptTouch(this);
    fitToWidget();
}

double CylinderView::pixelRatio() const {
    return fixedRatio_ > 0.0 ? fixedRatio_ : devicePixelRatioF();
}

void CylinderView::setPixelRatio(double ratio) {
    fixedRatio_ = ratio;
    fitToWidget();
}

void CylinderView::drawParticles(const ParticleEngine& engine) {
    // A paint on a screen with another ratio fits the frame to it; asking the screen at every
    // frame would cost more than the frame.
    if (frame_.size() != devicePixels(size(), ratio_)) {
        fitToWidget();
    }
    std::vector<Placement>& next = nextPlacements_;
    placeParticles(engine, next);
    if (next == placements_ || frame_.isNull()) {
        placements_.swap(next);
        return;
    }
    // The old frame is the clean background with the old sprites on it: restoring their places
    // leaves the clean background, and copying the new sprites in order makes the new frame.
    std::vector<QRect>& changed = changedRects_;
    changed.clear();
    for (const Placement& p : placements_) {
        const QRect area = deviceRect(p);
        copyArea(clean_, frame_, area);
        changed.push_back(logicalRect(area));
    }
    for (const Placement& p : next) {
        changed.push_back(logicalRect(copySprite(p)));
    }
    placements_.swap(next);
    if (changed.size() > kMostPaintedRects) {
        // Uniting many small rectangles costs more than painting the area around them.
        QRect around;
        for (const QRect& r : changed) {
            around |= r;
        }
        update(around);
        return;
    }
    QRegion region;
    for (const QRect& r : changed) {
        region += r;
    }
    update(region);
}

void CylinderView::placeParticles(const ParticleEngine& engine,
                                  std::vector<Placement>& placements) const {
    placements.clear();
    const auto& particles = engine.particles();
    const float cellSize = static_cast<float>(engine.geometry().cellSize);
    for (int i = 1; i <= engine.upperBound(); ++i) {
        const Particle& particle = particles[static_cast<std::size_t>(i)];
        if (particle.direction <= 0) {
            continue;
        }
        if (particle.sprite < 0 || particle.sprite >= static_cast<int>(sprites_.size())) {
            continue;
        }
        // The logical pixel is found first, exactly as on an unscaled screen, and only then
        // turned into device pixels, so scaling moves no particle by a logical pixel.
        const double left = std::nearbyint(static_cast<double>(cellSize * particle.x));
        const double top = std::nearbyint(static_cast<double>(cellSize * particle.y));
        if (!(std::abs(left) < kFarOff) || !(std::abs(top) < kFarOff)) {
            continue; // drawn nowhere
        }
        placements.push_back({particle.sprite, static_cast<int>(left), static_cast<int>(top)});
    }
}

QRect CylinderView::deviceRect(const Placement& placement) const {
    const QImage& sprite = deviceSprites_[static_cast<std::size_t>(placement.sprite)];
    return {deviceEdge(placement.left * ratio_), deviceEdge(placement.top * ratio_), sprite.width(),
            sprite.height()};
}

QRect CylinderView::copySprite(const Placement& placement) {
    const QRect area = deviceRect(placement);
    blitSprite(deviceSprites_[static_cast<std::size_t>(placement.sprite)], frame_,
               static_cast<float>(area.x()), static_cast<float>(area.y()));
    return area;
}

QRect CylinderView::logicalRect(const QRect& area) const {
    const int grain = grain_;
    const auto down = [grain, this](int device) {
        const int logical = static_cast<int>(std::floor(device / ratio_));
        return logical - ((logical % grain) + grain) % grain;
    };
    const auto up = [grain, this](int device) {
        const int logical = static_cast<int>(std::ceil(device / ratio_));
        return logical + (grain - ((logical % grain) + grain) % grain) % grain;
    };
    return QRect(QPoint(down(area.left()), down(area.top())),
                 QPoint(up(area.right() + 1) - 1, up(area.bottom() + 1) - 1)) &
           rect();
}

void CylinderView::fitToWidget() {
    const double ratio = pixelRatio();
    bool remade = false;
    if (ratio != ratio_) {
        ratio_ = ratio;
        for (std::size_t i = 0; i < sprites_.size(); ++i) {
            deviceSprites_[i] =
                ratio == 1.0 ? sprites_[i]
                             : spritePictures_[i].at(ratio).convertToFormat(QImage::Format_RGB32);
        }
        // At a fractional ratio a logical edge may fall inside a device pixel; changed areas are
        // then widened to logical pixels that start on whole device pixels (every second one at
        // 1.5), so that a partial paint copies exactly the device pixels a whole one would.
        grain_ = 1;
        while (grain_ < 4 && std::abs(grain_ * ratio - std::round(grain_ * ratio)) > 1e-9) {
            ++grain_;
        }
        clean_ = QImage();
        remade = true;
    }
    const QSize pixels = devicePixels(size(), ratio);
    if (clean_.size() != pixels) {
        clean_ = QImage(pixels, QImage::Format_RGB32);
        frame_ = QImage(pixels, QImage::Format_RGB32);
        if (clean_.isNull()) {
            return;
        }
        clean_.fill(kFieldColour);
        {
            QPainter painter(&clean_);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            const QImage background = ratio == 1.0 ? background_ : backgroundPicture_.at(ratio);
            QImage plain = background;
            plain.setDevicePixelRatio(1.0);
            painter.drawImage(0, 0, plain);
        }
        clean_.setDevicePixelRatio(ratio);
        frame_.setDevicePixelRatio(ratio);
        remade = true;
    }
    if (!remade || frame_.isNull()) {
        return;
    }
    // Same size and format, hence the same row layout: one block copy clears the frame.
    std::memcpy(frame_.bits(), clean_.constBits(), static_cast<std::size_t>(clean_.sizeInBytes()));
    for (const Placement& p : placements_) {
        copySprite(p);
    }
    update();
}

void CylinderView::paintEvent(QPaintEvent* event) {
    if (fixedRatio_ == 0.0 && ratio_ != devicePixelRatioF()) {
        // Moved to a screen with another ratio: the frame is made anew for it.
        fitToWidget();
    }
    ++paints_;
    QPainter painter(this);
    const double r = frame_.devicePixelRatio();
    for (const QRect& area : event->region()) {
        painter.drawImage(QRectF(area), frame_,
                          QRectF(area.x() * r, area.y() * r, area.width() * r, area.height() * r));
    }
}

void CylinderView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitToWidget();
}

void CylinderView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pointer(event->position().x(), event->position().y());
}

void CylinderView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (event->buttons() != Qt::NoButton) {
        emit pointer(event->position().x(), event->position().y());
    }
}

bool CylinderView::event(QEvent* event) {
    return takeTouchOrPen(event, [this](QPointF at) { emit pointer(at.x(), at.y()); }) ||
           QWidget::event(event);
}

void blitSprite(const QImage& sprite, QImage& target, float x, float y) {
    if (sprite.isNull() || target.isNull()) {
        return;
    }
    // nearbyint in the default rounding mode sends a tie to the even neighbour (8.5 -> 8).
    const double roundedX = std::nearbyint(static_cast<double>(x));
    const double roundedY = std::nearbyint(static_cast<double>(y));
    if (!(std::abs(roundedX) < kFarOff) || !(std::abs(roundedY) < kFarOff)) {
        return;
    }
    const int left = static_cast<int>(roundedX);
    const int top = static_cast<int>(roundedY);

    if (sprite.format() != target.format() || sprite.depth() % 8 != 0) {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(left, top, sprite);
        return;
    }

    const int x0 = std::max(left, 0);
    const int x1 = std::min(left + sprite.width(), target.width());
    const int y0 = std::max(top, 0);
    const int y1 = std::min(top + sprite.height(), target.height());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const qsizetype bytesPerPixel = sprite.depth() / 8;
    const auto rowBytes = static_cast<std::size_t>((x1 - x0) * bytesPerPixel);
    const qsizetype sourceStride = sprite.bytesPerLine();
    const qsizetype targetStride = target.bytesPerLine();
    const uchar* source =
        sprite.constBits() + (y0 - top) * sourceStride + (x0 - left) * bytesPerPixel;
    uchar* destination = target.bits() + y0 * targetStride + x0 * bytesPerPixel;
    if (rowBytes == kSpriteRowBytes) {
        copyRows<kSpriteRowBytes>(source, sourceStride, destination, targetStride, y1 - y0,
                                  rowBytes);
    } else {
        copyRows<0>(source, sourceStride, destination, targetStride, y1 - y0, rowBytes);
    }
}

} // namespace vozavero
