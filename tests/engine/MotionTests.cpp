// The motion step: moves, reflections counted on the piston only, the scatter, cell sharing.
#include "EngineTest.h"
#include "NumericError.h"

#include <utility>

namespace vozavero {
namespace {

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

TEST_F(MotionTest, NormaliseDirectionWrapsIntoZeroToThreeHundredSixty) {
    for (const auto& [angle, expected] : {std::pair{370.0f, 10.0f}, std::pair{-10.0f, 350.0f},
                                          std::pair{720.0f, 360.0f}, std::pair{-360.0f, 0.0f}}) {
        EXPECT_EQ(engine.normaliseDirection(angle, false), expected) << angle;
    }
    EXPECT_THROW(engine.normaliseDirection(2.0e6f, false), NumericError);
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
