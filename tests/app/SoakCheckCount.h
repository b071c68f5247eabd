#pragma once
// How often one conditional check of the soak ran, against the least number of runs that means
// anything for the length of the run. A check that runs only when its condition holds would
// otherwise pass unnoticed on a run in which the condition hardly ever held.
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace vozavero {

struct SoakCheckCount {
    std::string check;  ///< what the check asserts
    long ran = 0;       ///< how often it ran
    long occasions = 0; ///< how often the run gave it the chance (closed intervals, events, ...)
    std::string of;     ///< what the occasions are
    long onePer = 1;    ///< the check must have run at least once per this many occasions

    long needed() const { return occasions / onePer; }

    /// Prints the count and fails the running test when the check ran fewer times than needed.
    void report() const {
        std::printf("soak check \"%s\": %ld in %ld %s (at least %ld needed)\n", check.c_str(), ran,
                    occasions, of.c_str(), needed());
        EXPECT_GE(ran, needed()) << "the check \"" << check << "\" ran only " << ran << " times in "
                                 << occasions << " " << of
                                 << ": too rarely to mean anything (at least one in " << onePer
                                 << " needed)";
    }
};

} // namespace vozavero
