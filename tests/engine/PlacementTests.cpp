// Direction tables, cell geometry, random placement, the clamp to the piston face, and values
// that do not fit the model's number types.
#include "EngineTest.h"
#include "NumericError.h"

#include <limits>

namespace vozavero {
namespace {

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
    EXPECT_EQ(engine.geometry().cellsX, 30);

    world(30, 18, 1, {{29.5f, 5.0f, 1, 3}});
    engine.setImpactCount(std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(engine.advanceParticles(), NumericError);
    EXPECT_EQ(engine.impactCount(), std::numeric_limits<std::int32_t>::max());
    engine.setImpactCount(0);
    world(20000, 18, 1, {{19999.5f, 5.0f, 1, 3}}); // 2 * cellsX does not fit 16 bits
    EXPECT_THROW(engine.advanceParticles(), NumericError);
}

} // namespace
} // namespace vozavero
