// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Choosing and, when needed, resampling the copy of a picture for a screen's pixel ratio.
#include "ScaledPicture.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace vozavero {

QSize devicePixels(QSize size, double ratio) {
    return QSize(static_cast<int>(std::ceil(size.width() * ratio - 1e-9)),
                 static_cast<int>(std::ceil(size.height() * ratio - 1e-9)));
}

ScaledPicture::ScaledPicture(const QImage& picture) {
    addVariant(picture);
}

ScaledPicture ScaledPicture::load(const QString& path) {
    ScaledPicture picture;
    if (!QFileInfo::exists(path)) {
        return picture;
    }
    QImage base(path);
    if (base.isNull()) {
        return picture;
    }
    base.setDevicePixelRatio(1.0);
    picture.addVariant(base);
    const QFileInfo info(path);
    const QString stem = info.path() + u'/' + info.completeBaseName();
    for (const auto& [suffix, ratio] : {std::pair{"@1.5x.", 1.5}, std::pair{"@2x.", 2.0}}) {
        const QString name = stem + QLatin1String(suffix) + info.suffix();
        if (!QFileInfo::exists(name)) {
            continue;
        }
        QImage variant(name);
        if (!variant.isNull()) {
            variant.setDevicePixelRatio(ratio);
            picture.addVariant(variant);
        }
    }
    return picture;
}

void ScaledPicture::addVariant(const QImage& variant) {
    if (variant.isNull()) {
        return;
    }
    if (variants_.empty()) {
        size_ = variant.deviceIndependentSize().toSize();
    }
    const auto place = std::lower_bound(
        variants_.begin(), variants_.end(), variant.devicePixelRatio(),
        [](const QImage& image, double ratio) { return image.devicePixelRatio() < ratio; });
    variants_.insert(place, variant);
    made_.clear();
}

QImage ScaledPicture::base() const {
    return at(1.0);
}

QImage ScaledPicture::at(double ratio) const {
    if (variants_.empty()) {
        return QImage();
    }
    if (!(ratio > 0.0) || !std::isfinite(ratio)) {
        ratio = 1.0;
    }
    for (const QImage& variant : variants_) {
        if (std::abs(variant.devicePixelRatio() - ratio) < 1e-6) {
            return variant;
        }
    }
    if (const auto found = made_.find(ratio); found != made_.end()) {
        return found->second;
    }
    // Reducing a finer copy keeps detail; only beyond the finest copy is a picture enlarged.
    const auto finer = std::find_if(variants_.begin(), variants_.end(), [ratio](const QImage& v) {
        return v.devicePixelRatio() > ratio;
    });
    const QImage& source = finer != variants_.end() ? *finer : variants_.back();
    QImage made =
        source.scaled(devicePixels(size_, ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    made.setDevicePixelRatio(ratio);
    made_[ratio] = made;
    return made;
}

} // namespace vozavero
