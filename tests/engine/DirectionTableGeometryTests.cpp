// Direction tables built with 3.1416 and the cell geometry derived from the drawable size.
#include "EngineTest.h"
#include "NumericError.h"

namespace vozavero {
namespace {

using DirectionTableGeometryTest = EngineTest;

TEST_F(DirectionTableGeometryTest, TablesKeepTheErrorOfTheShortPi) {
    EXPECT_EQ(engine.sinTable()[0], 0.0);
    EXPECT_EQ(engine.cosTable()[0], 1.0);
    EXPECT_NEAR(engine.sinTable()[90], 1.0, 1e-9);
    EXPECT_NEAR(engine.cosTable()[90], -3.67320510e-6, 1e-13);
    EXPECT_NEAR(engine.cosTable()[180], -0.99999999997, 1e-11);
    EXPECT_NE(engine.cosTable()[180], -1.0);
    EXPECT_NEAR(engine.sinTable()[270], -0.99999999994, 1e-11);
}

TEST_F(DirectionTableGeometryTest, GeometryRoundsHalfCellsToEven) {
    // 500 / 8 = 62.5 rounds to 62, not 63; 151 / 8 = 18.875 rounds to 19.
    engine.initialise(false, {0.0, 2.0, 500.0f}, 500.0, 151.0, 0, 3600.0);
    EXPECT_EQ(engine.geometry().cellsX, 61);
    EXPECT_EQ(engine.geometry().cellsY, 18);
    EXPECT_EQ(engine.geometry().stepCells, 1); // a step size below 1 still moves one cell
    EXPECT_EQ(engine.geometry().cellSize, 8);
    EXPECT_EQ(random.lastSeed, 3600.0);

    engine.initialise(false, {0.0, 2.0, 246.0f}, 246.0, 151.0, 4, 3600.0);
    EXPECT_EQ(engine.geometry().cellsX, 30); // 30.75 rounds to 31
    EXPECT_EQ(engine.geometry().stepCells, 4);
}

TEST_F(DirectionTableGeometryTest, GeometryBeyondSixteenBitsThrowsAndKeepsTheOldOne) {
    engine.setGeometry(32767.4, -32768.0, 1.5, 8.0);
    EXPECT_EQ(engine.geometry().cellsX, 32767);
    EXPECT_EQ(engine.geometry().cellsY, -32768);
    EXPECT_EQ(engine.geometry().stepCells, 2); // 1.5 rounds to even

    EXPECT_THROW(engine.setGeometry(30.0, 32767.5, 1.0, 8.0), NumericError);
    EXPECT_EQ(engine.geometry().cellsX, 32767);
    EXPECT_THROW(engine.initialise(false, {0.0, 2.0, 250.0f}, 300000.0, 151.0, 1, 0.0),
                 NumericError);
}

} // namespace
} // namespace vozavero
