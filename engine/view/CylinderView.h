// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The cylinder interior ("Bild"): shows the background picture and, frame by frame, every placed
// particle as a plain pixel copy of its sprite. The frame kept off screen is always complete
// (background plus all particles), so nothing flickers and nothing leaves a trail. A frame in
// which no particle moved is not painted at all; otherwise only the sprites' old and new places
// are restored from the background, redrawn and painted.
// Particle positions are logical pixels; on a screen with several device pixels per logical
// pixel the frame is composed in device pixels from finer copies of the pictures, each particle
// at its logical pixel times the ratio.
#pragma once
#include "ParticleEngine.h"
#include "ScaledPicture.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <vector>

namespace vozavero {

class CylinderView : public QWidget {
    Q_OBJECT
public:
    /// background is shown from its top-left corner; sprites are the four particle pictures.
    CylinderView(const QImage& background, const std::array<QImage, 4>& sprites,
                 QWidget* parent = nullptr);
    /// The same with pictures that may have finer copies for scaled screens.
    CylinderView(const ScaledPicture& background, const std::array<ScaledPicture, 4>& sprites,
                 QWidget* parent = nullptr);

    /// Draws one complete frame of engine's particles and schedules the repaint of what changed:
    /// the union of the sprites' old and new places, nothing when no sprite moved.
    void drawParticles(const ParticleEngine& engine);
    /// Paint events handled since the view was made.
    long paints() const { return paints_; }
    /// The frame last drawn (the size of the widget in device pixels; its device pixel ratio is
    /// the screen's).
    const QImage& frame() const { return frame_; }
    /// Sprite picture number index (0..3) at one pixel per logical pixel.
    const QImage& sprite(int index) const { return sprites_.at(static_cast<size_t>(index)); }
    /// Device pixels per logical pixel that frames are drawn with: the screen's, or the one
    /// set by setPixelRatio.
    double pixelRatio() const;
    /// Draws at ratio device pixels per logical pixel whatever the screen says (0: follow the
    /// screen again). For looking at and testing scaled frames without a scaled screen.
    void setPixelRatio(double ratio);

signals:
    /// A mouse press, or a move with a button held, at x, y in the interior's pixels.
    void pointer(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Touches and pen strokes act as mouse presses and drags (see PointerInput.h).
    bool event(QEvent* event) override;

private:
    /// One particle's sprite at its logical pixel.
    struct Placement {
        int sprite = 0;
        int left = 0;
        int top = 0;
        bool operator==(const Placement&) const = default;
    };
    /// Fills placements with the sprites of engine's placed particles, in drawing order.
    void placeParticles(const ParticleEngine& engine, std::vector<Placement>& placements) const;
    /// After a change of size or pixel ratio: the device sprites and the clean background made
    /// anew, the frame recomposed from the present placements and repainted whole.
    void fitToWidget();
    /// Device pixels of frame_ that a placement's sprite covers.
    QRect deviceRect(const Placement& placement) const;
    /// Copies a placement's sprite into frame_; returns the device pixels it covers.
    QRect copySprite(const Placement& placement);
    /// Logical pixels whose painting covers the device pixels area, widened to the grain.
    QRect logicalRect(const QRect& area) const;

    ScaledPicture backgroundPicture_;
    std::array<ScaledPicture, 4> spritePictures_;
    double fixedRatio_ = 0.0;
    /// The ratio clean_ and deviceSprites_ were made for.
    double ratio_ = 0.0;
    /// Logical pixels per step at which a logical edge falls on a device pixel edge at ratio_.
    int grain_ = 1;
    QImage background_;
    std::array<QImage, 4> sprites_;
    /// The sprites in device pixels and the frame's format, for the ratio in ratio_.
    std::array<QImage, 4> deviceSprites_;
    /// The background cut (or padded) to the widget's size, in the frame's format: one frame's
    /// clearing is a single copy of this buffer.
    QImage clean_;
    QImage frame_;
    /// What frame_ shows over clean_.
    std::vector<Placement> placements_;
    /// Room for the next frame's placements and its changed rectangles, kept between frames.
    std::vector<Placement> nextPlacements_;
    std::vector<QRect> changedRects_;
    long paints_ = 0;
};

/// Copies the whole sprite onto target with its top-left corner at (roundHalfEven(x),
/// roundHalfEven(y)) in target's pixels, pixel for pixel (no blending); parts outside target are
/// clipped. Fastest when both images have the same format (a row-by-row copy); non-finite or
/// far-off positions draw nothing.
void blitSprite(const QImage& sprite, QImage& target, float x, float y);

} // namespace vozavero
