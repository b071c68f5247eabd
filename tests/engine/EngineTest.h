#pragma once
// An engine with its direction tables, a random source replaying scripted numbers, tiny worlds.
#include "ParticleEngine.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

namespace vozavero {

/// Replays scripted numbers in [0, 1); drawing one more than scripted fails the test.
class ScriptedRandom : public RandomSource {
public:
    double next() override {
        if (values.empty()) {
            ADD_FAILURE() << "drew a random number that was not scripted";
            return 0.99;
        }
        const double value = values.front();
        values.pop_front();
        return value;
    }
    void reseed(double secondsSinceMidnight) override { lastSeed = secondsSinceMidnight; }

    std::deque<double> values;
    double lastSeed = -1.0;
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest() { engine.buildDirectionTables(); }

    /// cellsX x cellsY cells moving stepCells per step, the particles in slots 1..n.
    void world(std::int16_t cellsX, std::int16_t cellsY, std::int16_t stepCells,
               std::vector<Particle> particles) {
        engine.setGeometry(cellsX, cellsY, stepCells, 8);
        particles.insert(particles.begin(), Particle{});
        engine.particles() = std::move(particles);
    }

    const Particle& at(int i) const { return engine.particles().at(i); }

    /// Slot i holds a placed particle (sprite 3) at (x, y) cells with the given direction.
    void expectParticle(int i, float x, float y, std::int16_t direction,
                        float tolerance = 0.0f) const {
        SCOPED_TRACE(::testing::Message() << "particle " << i);
        EXPECT_NEAR(at(i).x, x, tolerance);
        EXPECT_NEAR(at(i).y, y, tolerance);
        EXPECT_EQ(at(i).direction, direction);
        EXPECT_EQ(at(i).sprite, 3);
    }

    ScriptedRandom random;
    ParticleEngine engine{random};
};

} // namespace vozavero
