// The motion step: moves along the table angle, reflections at the four walls, impact counting on
// the piston only, and the random scatter of outgoing angles.
#include "EngineTest.h"
#include "NumericError.h"

#include <limits>
#include <vector>

namespace vozavero {
namespace {

using MotionTest = EngineTest;

TEST_F(MotionTest, MovesStepCellsAlongItsAngle) {
    world(30, 18, 1, {{3.0f, 5.0f, 1, 3}});
    engine.advanceParticles();
    expectParticle(1, 4.0f, 5.0f, 1);
}

TEST_F(MotionTest, PistonReflectsCountsAndScattersOneImpactInTen) {
    struct Case {
        std::vector<double> randoms;
        std::int16_t direction;
    };
    // r * 100 below 10 scatters; s * 100 of 50 or more turns by -10, below 50 by +10.
    for (const Case& c : {Case{{0.5}, 181}, Case{{0.05, 0.7}, 171}, Case{{0.05, 0.2}, 191}}) {
        world(30, 18, 1, {{29.5f, 5.0f, 1, 3}});
        engine.setImpactCount(0);
        for (const double r : c.randoms) {
            random.script({r});
        }
        engine.advanceParticles();
        expectParticle(1, 29.5f, 5.0f, c.direction);
        EXPECT_EQ(engine.impactCount(), 1);
        EXPECT_EQ(random.remaining(), 0u);
    }
}

TEST_F(MotionTest, OtherWallsReflectWithoutCounting) {
    world(30, 18, 1,
          {{0.5f, 5.0f, 181, 3},    // closed end, angle 180
           {3.0f, 0.5f, 271, 3},    // top, angle 270
           {10.0f, 17.5f, 91, 3}}); // bottom, angle 90
    random.script({0.5, 0.5, 0.5});
    engine.advanceParticles();

    // The short pi leaves tiny cross-components: sin(180) and cos(270) are not 0.
    expectParticle(1, 0.5f, 4.99999285f, 1);
    expectParticle(2, 3.00001097f, 0.5f, 91);
    expectParticle(3, 9.99999619f, 17.5f, 271);
    EXPECT_EQ(engine.impactCount(), 0);
}

TEST_F(MotionTest, ExactlyOnAWallIsNeitherReflectedNorCounted) {
    // 17 + sin(90) = 17.99999999999 is stored as exactly 18.
    world(30, 18, 1, {{29.0f, 5.0f, 1, 3}, {3.0f, 17.0f, 91, 3}});
    engine.advanceParticles(); // no random number is scripted: no reflection may draw one
    expectParticle(1, 30.0f, 5.0f, 1);
    EXPECT_EQ(at(2).y, 18.0f);
    EXPECT_EQ(at(2).direction, 91);
    EXPECT_EQ(engine.impactCount(), 0);
}

TEST_F(MotionTest, StepLongerThanTheCylinderIsReflectedOnceAtEachEnd) {
    world(2, 18, 10, {{1.0f, 5.0f, 1, 3}});
    random.script({0.5, 0.5});
    engine.advanceParticles();
    expectParticle(1, 7.0f, 5.0f, 1); // 11 -> 4 - 11 = -7 -> 7, beyond the piston until later
    EXPECT_EQ(engine.impactCount(), 1);
}

TEST_F(MotionTest, OverflowsThrow) {
    world(30, 18, 1, {{29.5f, 5.0f, 1, 3}});
    engine.setImpactCount(std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(engine.advanceParticles(), NumericError);
    EXPECT_EQ(engine.impactCount(), std::numeric_limits<std::int32_t>::max());

    engine.setImpactCount(0);
    world(20000, 18, 1, {{19999.5f, 5.0f, 1, 3}}); // 2 * cellsX does not fit 16 bits
    EXPECT_THROW(engine.advanceParticles(), NumericError);
}

TEST_F(MotionTest, NormaliseDirectionWrapsAndScatters) {
    struct Case {
        float angle;
        bool scatter;
        std::vector<double> randoms;
        float expected;
    };
    const std::vector<Case> cases = {
        {370.0f, false, {}, 10.0f},        {-10.0f, false, {}, 350.0f},
        {0.0f, false, {}, 0.0f},           {360.0f, false, {}, 360.0f},
        {720.0f, false, {}, 360.0f},       {-360.0f, false, {}, 0.0f},
        {180.0f, true, {0.1}, 180.0f},     {180.0f, true, {0.0999, 0.5}, 170.0f},
        {5.0f, true, {0.05, 0.9}, 355.0f}, {355.0f, true, {0.0, 0.4999}, 5.0f},
    };
    for (const Case& c : cases) {
        for (const double r : c.randoms) {
            random.script({r});
        }
        EXPECT_EQ(engine.normaliseDirection(c.angle, c.scatter), c.expected) << c.angle;
        EXPECT_EQ(random.remaining(), 0u);
    }
}

} // namespace
} // namespace vozavero
