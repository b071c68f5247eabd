// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Finger and pen against mouse, by the kind of device behind a mouse event.
#include "PointerKind.h"

#include <QInputDevice>
#include <QMouseEvent>
#include <QPointingDevice>

namespace vozavero {

bool byFingerOrPen(const QMouseEvent* event) {
    const QPointingDevice* device = event->pointingDevice();
    if (device == nullptr) {
        return false;
    }
    const QInputDevice::DeviceType type = device->type();
    return type == QInputDevice::DeviceType::TouchScreen ||
           type == QInputDevice::DeviceType::Stylus || type == QInputDevice::DeviceType::Airbrush;
}

} // namespace vozavero
