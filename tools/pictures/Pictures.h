// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The pictures the generator makes, one function each, and the preview that puts the cylinder
// pictures together the way the main window shows them.
#pragma once
#include <QImage>
#include <QString>

namespace vozavero::picturegen {

// Every picture can be painted at scale device pixels per logical pixel (1, 1.5 or 2): its size
// is the logical size times scale, rounded up; the copies at 1.5 and 2 are the "@1.5x" and "@2x"
// files the program shows on scaled screens.

/// bild.png: the cylinder interior's background, 529 x 154, opaque.
QImage makeBackground(double scale = 1.0);
/// kolben.png: the glass gas syringe, 645 x 181, opaque.
QImage makeSyringe(double scale = 1.0);
/// schieber.png: the piston, 130 x 150, transparent around the plunger.
QImage makePiston(double scale = 1.0);
/// teil0.png .. teil3.png: the particle sprites by index, opaque.
QImage makeSprite(int index, double scale = 1.0);
/// options.png: the options icon, 32 x 32; the same drawing at size x size pixels.
QImage makeOptionsIcon(int size = 32);
/// app.png: the application icon, 64 x 64; the same drawing at size x size pixels for the
/// desktop's icon theme.
QImage makeAppIcon(int size = 64);

/// The cylinder frame as the main window shows it with a gas space gasWidth pixels wide and a
/// few particles, enlarged zoom times without smoothing.
QImage makePreview(int gasWidth, int zoom);

} // namespace vozavero::picturegen
