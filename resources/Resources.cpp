// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Registration of the built-in pictures (see Resources.h).
#include "Resources.h"

#include <QtCore/qglobal.h>

void initVozaveroResources() {
    // Registering the same resource data twice is harmless: the second call finds it in place.
    Q_INIT_RESOURCE(pictures);
}
