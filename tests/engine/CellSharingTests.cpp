// Particles that share a cell hand their directions on in index order.
#include "EngineTest.h"

namespace vozavero {
namespace {

using CellSharingTest = EngineTest;

TEST_F(CellSharingTest, TwoParticlesSwapDirectionsAndUnplacedSlotsTakeNoPart) {
    world(30, 18, 1,
          {{3.2f, 5.3f, 1, 3},   // angle 0
           {3.7f, 5.9f, 91, 3},  // angle 90, same cell (3, 5)
           {3.0f, 5.0f, 0, 0}}); // unplaced, also in cell (3, 5)
    engine.advanceParticles();

    // Particle 1 took angle 90 and moved down; particle 2 took angle 0, and when its own turn
    // came particle 1 was already in cell (3, 6), so no swap back.
    EXPECT_EQ(at(1).direction, 91);
    EXPECT_FLOAT_EQ(at(1).y, 6.3f);
    EXPECT_EQ(at(2).direction, 1);
    EXPECT_FLOAT_EQ(at(2).x, 4.7f);
    EXPECT_FLOAT_EQ(at(2).y, 5.9f);
    EXPECT_EQ(at(3).direction, 0);
    EXPECT_EQ(at(3).x, 3.0f);
}

TEST_F(CellSharingTest, ThreeParticlesHandTheirAnglesOnInIndexOrder) {
    world(30, 18, 1,
          {{3.1f, 5.1f, 1, 3},     // angle 0
           {3.2f, 5.2f, 91, 3},    // angle 90
           {3.3f, 5.3f, 181, 3}}); // angle 180
    engine.advanceParticles();

    // Turn 1: 2 gets 0 and 1 holds 90; then 3 gets 90 and 1 holds 180 and moves left.
    // Turn 2: 1 is in cell (2, 5) now; 3 still shares: 3 gets 0, 2 holds 90 and moves down.
    // Turn 3: nobody left in cell (3, 5); 3 moves right along 0.
    EXPECT_EQ(at(1).direction, 181);
    EXPECT_FLOAT_EQ(at(1).x, 2.1f);
    EXPECT_EQ(at(2).direction, 91);
    EXPECT_FLOAT_EQ(at(2).y, 6.2f);
    EXPECT_EQ(at(3).direction, 1);
    EXPECT_FLOAT_EQ(at(3).x, 4.3f);
    EXPECT_EQ(at(3).y, 5.3f);
}

} // namespace
} // namespace vozavero
