#pragma once
// A random source that replays the numbers a test scripts, so that placement and wall scatter
// can be worked out by hand. Drawing more numbers than scripted fails the test.
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace vozavero {

class ScriptedRandom : public RandomSource {
public:
    /// Appends numbers in [0, 1) to the sequence still to be drawn.
    void script(std::initializer_list<double> values) {
        values_.insert(values_.end(), values.begin(), values.end());
    }

    double next() override {
        if (position_ >= values_.size()) {
            ADD_FAILURE() << "drew a random number that was not scripted";
            return 0.99;
        }
        return values_[position_++];
    }

    void reseed(double secondsSinceMidnight) override { lastSeed = secondsSinceMidnight; }

    /// Numbers scripted but not drawn yet.
    std::size_t remaining() const { return values_.size() - position_; }

    /// Time of day (seconds) of the last reseed; -1 before the first.
    double lastSeed = -1.0;

private:
    std::vector<double> values_;
    std::size_t position_ = 0;
};

} // namespace vozavero
