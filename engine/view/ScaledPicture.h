// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A picture kept at several resolutions for screens with more than one device pixel per logical
// pixel: the picture itself (one pixel per logical pixel) and optional finer copies painted at
// 1.5 or 2 device pixels per logical pixel. at() hands out the copy for a screen's pixel ratio,
// so pictures are drawn with real detail instead of being enlarged.
#pragma once
#include <QImage>
#include <QString>
#include <map>
#include <vector>

namespace vozavero {

class ScaledPicture {
public:
    ScaledPicture() = default;
    /// A picture with one resolution only; its device pixel ratio says which (usually 1).
    ScaledPicture(const QImage& picture); // NOLINT: a plain picture is a picture of one scale

    /// Loads path and, when they exist, its finer copies "name@1.5x.png" and "name@2x.png"
    /// beside it. An unreadable path gives a null picture.
    static ScaledPicture load(const QString& path);

    /// Adds a finer (or coarser) copy; its device pixel ratio says by how much (for example 2
    /// for a copy twice as wide and high).
    void addVariant(const QImage& variant);

    bool isNull() const { return variants_.empty(); }
    /// Size in logical pixels.
    QSize size() const { return size_; }
    /// The picture at one device pixel per logical pixel.
    QImage base() const;
    /// The picture for a screen with ratio device pixels per logical pixel: the finest copy not
    /// finer than needed, else the next finer one, reduced smoothly to exactly size() * ratio
    /// pixels when no copy matches; its device pixel ratio is ratio. Kept for the next call.
    QImage at(double ratio) const;

private:
    QSize size_;
    std::vector<QImage> variants_; ///< by increasing device pixel ratio
    mutable std::map<double, QImage> made_;
};

/// Size in device pixels that covers size logical pixels at ratio: each side rounded up.
QSize devicePixels(QSize size, double ratio);

} // namespace vozavero
