// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Tells a mouse event made by a finger or a pen (which the toolkit turns into mouse events) from
// one made by a mouse, for the gestures that only a finger or pen makes: a tap that opens the
// number pad, a long press that opens a context menu.
#pragma once
class QMouseEvent;

namespace vozavero {

/// Whether event came from a touch screen, a pen or an airbrush.
bool byFingerOrPen(const QMouseEvent* event);

} // namespace vozavero
