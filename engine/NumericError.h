// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A value that does not fit the number type it must be stored in (an overflow, a division by
// zero). Thrown by the engine; the window's event handler that caused it catches it, abandons the
// rest of that handler and lets the program run on.
#pragma once
#include <stdexcept>
#include <string>

namespace vozavero {

class NumericError : public std::runtime_error {
public:
    explicit NumericError(const std::string& what)
        : std::runtime_error(what) {}
};

} // namespace vozavero
