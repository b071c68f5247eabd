// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The particle engine on a random source replaying scripted numbers: cell geometry, random
// placement, the clamp to the piston face, values that do not fit the model's number types, moves,
// reflections counted on the piston only, the scatter, and cell sharing.
#include "NumericError.h"
#include "ParticleEngine.h"

#include <gtest/gtest.h>

#include <deque>
#include <limits>
#include <utility>
#include <vector>

namespace vozavero {
namespace {

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

using PlacementTest = EngineTest;

// 246 x 151 pixels give cellsX 30 and cellsY 18; 86 pixels give cellsX 10.
constexpr double kWidth = 246.0;
constexpr double kHeight = 151.0;

TEST_F(PlacementTest, GeometryRoundsHalfCellsToEvenAndAnEmptySetStaysStill) {
    // 500 / 8 = 62.5 rounds to 62, not 63; 151 / 8 = 18.875 rounds to 19.
    engine.initialise(false, {0.0, 2.0, 500.0f}, 500.0, kHeight, 0, 3600.0);
    EXPECT_EQ(engine.geometry().cellsX, 61);
    EXPECT_EQ(engine.geometry().cellsY, 18);
    EXPECT_EQ(engine.geometry().stepCells, 1); // a step size below 1 still moves one cell
    EXPECT_EQ(random.lastSeed, 3600.0);

    engine.initialise(false, {0.0, 2.0, 246.0f}, kWidth, kHeight, 4, 3600.0);
    EXPECT_EQ(engine.geometry().cellsX, 30); // 30.75 rounds to 31
    EXPECT_EQ(engine.geometry().stepCells, 4);

    ASSERT_EQ(engine.upperBound(), 0); // an empty set: nothing moves or is counted
    engine.advanceParticles();
    EXPECT_EQ(engine.impactCount(), 0);
}

TEST_F(PlacementTest, NewParticlesTruncateTheRandomNumbersOntoWholeCells) {
    random.values = {0.5,    0.5,   0.999, // angle 180.5 -> 180, y 9, x 29.97 -> 29
                     0.001,  0.0,   0.0,   // angle 0.361 -> 0 -> 1, the corner cell
                     0.9999, 0.999, 0.34}; // angle 360.96 -> 360, y 17.98 -> 17, x 10.2 -> 10
    engine.initialise(false, {3.0, 2.0, 246.0f}, kWidth, kHeight, 1, 100.0);

    ASSERT_EQ(engine.upperBound(), 3);
    expectParticle(1, 29.0f, 9.0f, 180);
    expectParticle(2, 0.0f, 0.0f, 1);
    expectParticle(3, 10.0f, 17.0f, 360);
    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(engine.engineCopy().particleCount, 3.0);
}

TEST_F(PlacementTest, KeptParticlesAreClampedShrunkAndGrownWithoutBeingPlacedAgain) {
    world(30, 18, 1,
          {{25.0f, 4.0f, 91, 3},
           {10.0f, 7.0f, 181, 3},
           {9.5f, 2.0f, 1, 3},
           {4.5f, 4.0f, 41, 3},
           {5.5f, 5.0f, 51, 3}});
    // Three particles in a smaller volume, twice: no random number may be drawn.
    engine.initialise(true, {3.0, 2.0, 86.0f}, 86.0, kHeight, 1, 0.0);
    engine.initialise(true, {3.0, 2.0, 86.0f}, 86.0, kHeight, 1, 0.0);
    ASSERT_EQ(engine.geometry().cellsX, 10);
    ASSERT_EQ(engine.upperBound(), 3);
    expectParticle(1, 10.0f, 4.0f, 91); // beyond the piston: onto its face
    expectParticle(2, 10.0f, 7.0f, 181);
    expectParticle(3, 9.5f, 2.0f, 1);

    random.values = {0.25, 0.5, 0.5, 0.75, 0.25, 0.1};
    engine.initialise(true, {5.0, 2.0, 86.0f}, 86.0, kHeight, 1, 0.0);
    expectParticle(1, 10.0f, 4.0f, 91);
    expectParticle(3, 9.5f, 2.0f, 1);
    expectParticle(4, 5.0f, 9.0f, 90); // the dropped slots come back empty and are placed
    expectParticle(5, 1.0f, 4.0f, 270);
}

TEST_F(PlacementTest, ValuesThatDoNotFitThrowAndKeepTheState) {
    world(30, 18, 1, {{1.0f, 1.0f, 11, 3}});
    for (const double count : {-1.0, 3.0e9, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(engine.initialise(true, {count, 2.0, 246.0f}, kWidth, kHeight, 1, 0.0),
                     NumericError)
            << count;
    }
    ASSERT_EQ(engine.upperBound(), 1);
    expectParticle(1, 1.0f, 1.0f, 11);

    EXPECT_THROW(engine.setGeometry(32767.0, 32767.5, 1.0, 8.0), NumericError); // 16 bits
    EXPECT_THROW(engine.normaliseDirection(2.0e6f, false), NumericError);
    EXPECT_EQ(engine.geometry().cellsX, 30);

    world(30, 18, 1, {{29.5f, 5.0f, 1, 3}});
    engine.setImpactCount(std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(engine.advanceParticles(), NumericError);
    EXPECT_EQ(engine.impactCount(), std::numeric_limits<std::int32_t>::max());
    engine.setImpactCount(0);
    world(20000, 18, 1, {{19999.5f, 5.0f, 1, 3}}); // 2 * cellsX does not fit 16 bits
    EXPECT_THROW(engine.advanceParticles(), NumericError);
}

using MotionTest = EngineTest;

TEST_F(MotionTest, MovesAlongItsAngleAndReflectsOffTheOtherWallsWithoutCounting) {
    world(30, 18, 1,
          {{3.0f, 5.0f, 1, 3},      // angle 0, inside
           {0.5f, 5.0f, 181, 3},    // closed end, angle 180
           {3.0f, 0.5f, 271, 3},    // top, angle 270
           {10.0f, 17.5f, 91, 3}}); // bottom, angle 90
    random.values = {0.5, 0.5, 0.5};
    engine.advanceParticles();

    // The short pi leaves tiny cross-components: sin(180) and cos(270) are not 0.
    expectParticle(1, 4.0f, 5.0f, 1);
    expectParticle(2, 0.5f, 4.99999285f, 1);
    expectParticle(3, 3.00001097f, 0.5f, 91);
    expectParticle(4, 9.99999619f, 17.5f, 271);
    EXPECT_EQ(engine.impactCount(), 0);

    // Exactly on a wall is neither reflected nor counted: 17 + sin(90) is stored as 18.
    world(30, 18, 1, {{29.0f, 5.0f, 1, 3}, {3.0f, 17.0f, 91, 3}});
    engine.advanceParticles(); // no random number is scripted: no reflection may draw one
    expectParticle(1, 30.0f, 5.0f, 1);
    EXPECT_EQ(at(2).y, 18.0f);
    EXPECT_EQ(engine.impactCount(), 0);
}

TEST_F(MotionTest, PistonReflectsCountsAndScattersOneImpactInTen) {
    struct Case {
        std::int16_t cellsX, stepCells;
        float x;
        std::deque<double> randoms;
        float xAfter;
        std::int16_t direction;
    };
    // r * 100 below 10 scatters; s * 100 of 50 or more turns by -10, below 50 by +10. A step
    // longer than the cylinder is reflected once at each end: 11 -> 4 - 11 = -7 -> 7.
    for (const Case& c :
         {Case{30, 1, 29.5f, {0.1}, 29.5f, 181}, Case{30, 1, 29.5f, {0.0999, 0.5}, 29.5f, 171},
          Case{30, 1, 29.5f, {0.05, 0.4999}, 29.5f, 191}, Case{2, 10, 1.0f, {0.5, 0.5}, 7.0f, 1}}) {
        world(c.cellsX, 18, c.stepCells, {{c.x, 5.0f, 1, 3}});
        engine.setImpactCount(0);
        random.values = c.randoms;
        engine.advanceParticles();
        expectParticle(1, c.xAfter, 5.0f, c.direction);
        EXPECT_EQ(engine.impactCount(), 1);
        EXPECT_TRUE(random.values.empty());
    }
}

TEST_F(MotionTest, ParticlesSharingACellHandTheirAnglesOnInIndexOrder) {
    // Positions within 1e-5: the short pi moves the other coordinate a little.
    world(30, 18, 1,
          {{3.2f, 5.3f, 1, 3},   // angle 0
           {3.7f, 5.9f, 91, 3},  // angle 90, same cell (3, 5)
           {3.0f, 5.0f, 0, 0}}); // unplaced, also in cell (3, 5): takes no part
    engine.advanceParticles();
    // 1 took angle 90 and moved down; 2 took angle 0, and no swap back: 1 had left the cell.
    expectParticle(1, 3.2f, 6.3f, 91, 1e-5f);
    expectParticle(2, 4.7f, 5.9f, 1, 1e-5f);
    EXPECT_EQ(at(3).direction, 0);
    EXPECT_EQ(at(3).x, 3.0f);

    world(30, 18, 1, {{3.1f, 5.1f, 1, 3}, {3.2f, 5.2f, 91, 3}, {3.3f, 5.3f, 181, 3}});
    engine.advanceParticles();
    // Turn 1: 2 gets 0 and 1 holds 90; then 3 gets 90 and 1 holds 180 and moves left.
    // Turn 2: 1 is in cell (2, 5) now; 3 still shares: 3 gets 0, 2 holds 90 and moves down.
    // Turn 3: nobody left in cell (3, 5); 3 moves right along 0.
    expectParticle(1, 2.1f, 5.1f, 181, 1e-5f);
    expectParticle(2, 3.2f, 6.2f, 91, 1e-5f);
    expectParticle(3, 4.3f, 5.3f, 1, 1e-5f);
}

} // namespace
} // namespace vozavero
