#pragma once
// Test fixture: an engine with its direction tables built, a scripted random source and helpers
// that lay out tiny hand-built worlds.
#include "ParticleEngine.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vozavero {

class EngineTest : public ::testing::Test {
protected:
    EngineTest() { engine.buildDirectionTables(); }

    /// A world of cellsX x cellsY cells moving stepCells per step, holding the given particles
    /// in slots 1..n (slot 0 stays empty).
    void world(std::int16_t cellsX, std::int16_t cellsY, std::int16_t stepCells,
               const std::vector<Particle>& particles) {
        engine.setGeometry(cellsX, cellsY, stepCells, 8);
        engine.particles().assign(1, Particle{});
        engine.particles().insert(engine.particles().end(), particles.begin(), particles.end());
    }

    /// The particle in slot i.
    const Particle& at(int i) const { return engine.particles().at(i); }

    /// Expects slot i to hold a placed particle at (x, y) cells with the given direction value.
    void expectParticle(int i, float x, float y, std::int16_t direction) const {
        SCOPED_TRACE(::testing::Message() << "particle " << i);
        EXPECT_EQ(at(i).x, x);
        EXPECT_EQ(at(i).y, y);
        EXPECT_EQ(at(i).direction, direction);
        EXPECT_EQ(at(i).sprite, 3);
    }

    ScriptedRandom random;
    ParticleEngine engine{random};
};

} // namespace vozavero
