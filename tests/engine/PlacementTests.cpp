// Sizing the particle set, random placement on whole cells, and the clamp to the piston face.
#include "EngineTest.h"
#include "NumericError.h"

#include <limits>

namespace vozavero {
namespace {

using PlacementTest = EngineTest;

// 246 x 151 pixels give cellsX 30 and cellsY 18.
constexpr double kWidth = 246.0;
constexpr double kHeight = 151.0;

TEST_F(PlacementTest, NewParticlesTruncateTheRandomNumbersOntoWholeCells) {
    random.script({0.5, 0.5, 0.999});     // angle 180.5 -> 180, y 9, x 29.97 -> 29
    random.script({0.001, 0.0, 0.0});     // angle 0.361 -> 0 -> 1, the corner cell
    random.script({0.9999, 0.999, 0.34}); // angle 360.96 -> 360, y 17.98 -> 17, x 10.2 -> 10
    engine.initialise(false, {3.0, 2.0, 246.0f}, kWidth, kHeight, 1, 100.0);

    ASSERT_EQ(engine.upperBound(), 3);
    EXPECT_EQ(at(0).direction, 0);
    expectParticle(1, 29.0f, 9.0f, 180);
    expectParticle(2, 0.0f, 0.0f, 1);
    expectParticle(3, 10.0f, 17.0f, 360);
    EXPECT_EQ(random.remaining(), 0u);
    EXPECT_EQ(engine.engineCopy().particleCount, 3.0);
}

TEST_F(PlacementTest, SmallerVolumePutsParticlesBeyondThePistonOntoItsFace) {
    world(30, 18, 1, {{25.0f, 4.0f, 91, 3}, {10.0f, 7.0f, 181, 3}, {9.5f, 2.0f, 1, 3}});
    engine.initialise(true, {3.0, 2.0, 86.0f}, 86.0, kHeight, 1, 0.0); // cellsX 10

    ASSERT_EQ(engine.geometry().cellsX, 10);
    expectParticle(1, 10.0f, 4.0f, 91);
    expectParticle(2, 10.0f, 7.0f, 181);
    expectParticle(3, 9.5f, 2.0f, 1);
}

TEST_F(PlacementTest, KeepingParticlesDropsTheHighestAndPlacesOnlyNewSlots) {
    world(30, 18, 1,
          {{1.5f, 1.0f, 11, 3},
           {2.5f, 2.0f, 21, 3},
           {3.5f, 3.0f, 31, 3},
           {4.5f, 4.0f, 41, 3},
           {5.5f, 5.0f, 51, 3}});
    const EngineCopy three{3.0, 2.0, 246.0f};
    engine.initialise(true, three, kWidth, kHeight, 1, 0.0);
    engine.initialise(true, three, kWidth, kHeight, 1, 0.0); // no change the second time
    ASSERT_EQ(engine.upperBound(), 3);

    random.script({0.25, 0.5, 0.5, 0.75, 0.25, 0.1});
    engine.initialise(true, {5.0, 2.0, 246.0f}, kWidth, kHeight, 1, 0.0);
    expectParticle(1, 1.5f, 1.0f, 11);
    expectParticle(2, 2.5f, 2.0f, 21);
    expectParticle(3, 3.5f, 3.0f, 31);
    expectParticle(4, 15.0f, 9.0f, 90);
    expectParticle(5, 3.0f, 4.0f, 270);
}

TEST_F(PlacementTest, CountRoundsHalfEvenAndZeroLeavesOnlySlotZero) {
    random.script({0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    engine.initialise(false, {2.5, 2.0, 246.0f}, kWidth, kHeight, 1, 0.0);
    EXPECT_EQ(engine.upperBound(), 2);

    engine.initialise(false, {0.0, 2.0, 246.0f}, kWidth, kHeight, 1, 0.0);
    ASSERT_EQ(engine.upperBound(), 0);
    engine.advanceParticles();
    EXPECT_EQ(at(0).direction, 0);
    EXPECT_EQ(engine.impactCount(), 0);
}

TEST_F(PlacementTest, CountsThatDoNotFitThrowAndKeepTheSet) {
    world(30, 18, 1, {{1.0f, 1.0f, 11, 3}});
    for (const double count : {-1.0, 3.0e9, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(engine.initialise(true, {count, 2.0, 246.0f}, kWidth, kHeight, 1, 0.0),
                     NumericError)
            << count;
    }
    ASSERT_EQ(engine.upperBound(), 1);
    expectParticle(1, 1.0f, 1.0f, 11);
}

} // namespace
} // namespace vozavero
