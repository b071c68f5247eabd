// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A picture that reports presses and drags with a button held in its own (logical) pixel
// coordinates: the syringe drawing ("frm_Kolben") and the piston ("pic_Schieber"). On a scaled
// screen it paints the picture's copy for the screen's pixel ratio.
#pragma once
#include "ScaledPicture.h"

#include <QPixmap>
#include <QWidget>

namespace vozavero {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QPixmap& picture, QWidget* parent = nullptr);
    explicit PictureBox(const ScaledPicture& picture, QWidget* parent = nullptr);
    /// The picture at one pixel per logical pixel.
    const QPixmap& picture() const { return picture_; }

signals:
    /// A mouse press, or a move with a button held, at x, y in this widget's pixels.
    void pointer(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Touches and pen strokes act as mouse presses and drags (see PointerInput.h).
    bool event(QEvent* event) override;

private:
    ScaledPicture scaled_;
    QPixmap picture_;
    /// The copy painted last and the ratio it was made for.
    QPixmap shown_;
    double shownRatio_ = 0.0;
};

} // namespace vozavero
