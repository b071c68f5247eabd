// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Runs a handler of the window so that a numerical error ends that handler alone: the program
// and the loop go on with the state reached so far.
#pragma once
#include "NumericError.h"

#include <utility>

namespace vozavero {

template <typename Handler> void guarded(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const NumericError&) {
        // The handler ends here.
    }
}

} // namespace vozavero
