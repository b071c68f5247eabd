// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The environment variables with which the process-level tests drive the real program without a
// person (the README lists them as testing aids). Unset, the program behaves as it always does.
#pragma once
#include <optional>

namespace vozavero {

class TestingAids {
public:
    /// VOZAVERO_TEST_INTERVAL: the measuring interval set right after start-up, in seconds; 0
    /// when unset or not one of the interval menu's choices.
    static int measuringInterval();
    /// VOZAVERO_TEST_RECOVERY_ANSWER: "ja" or "nein" answers the start-up question about a lost
    /// series without showing it (the question goes to standard error); nothing when unset.
    static std::optional<bool> recoveryAnswer();
};

} // namespace vozavero
