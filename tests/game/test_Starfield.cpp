#include "GameHarness.h"

#include <gtest/gtest.h>

using namespace skyvane;
using skyvane::testing::GameHarness;

namespace {
// r for a respawn offset: floor(r * 21 - 10) = offset.
float offsetDraw(int offset) { return (static_cast<float>(offset) + 10.5f) / 21.0f; }

// Star 0 respawns in the first frame with the given centre draws and offsets.
void respawnStarZero(GameHarness& h, int dx, int dy)
{
    h.startAt();
    h.random.append({0.0f, 0.99f, offsetDraw(dx), offsetDraw(dy)});
}
} // namespace

TEST(Starfield, AnOffsetGrowsByAFifthUntilItLeavesTheBox)
{
    GameHarness h;
    respawnStarZero(h, 5, 0);
    const std::vector<int> course{5, 6, 7, 8, 10, 12, 14, 17, 20, 24, 29, 35, 42, 50, 60, 72, 86, 103, 124, 149};
    for (const int expected : course) {
        h.frame();
        ASSERT_EQ(h.state.StarDX[0], expected);
        ASSERT_EQ(h.state.StarDY[0], 0) << "a star with a zero offset moves along one axis";
    }
    EXPECT_EQ(h.state.StarCX[0], 150);
    EXPECT_EQ(h.state.StarCY[0], 129);
    h.clearTrace();
    h.random.append({0.25f});
    h.frame();  // 149 grows to 179: outside, respawned from the next draws
    EXPECT_EQ(h.state.StarCX[0], 155);
    EXPECT_EQ(h.traceLines("PlotPoint").front(), "PlotPoint 655 120 FFFFFF") << "drawn at its new place";
}

TEST(Starfield, TheYOffsetLeavesAt124)
{
    GameHarness h;
    respawnStarZero(h, 0, -5);
    for (int frame = 0; frame < 18; ++frame)
        h.frame();
    EXPECT_EQ(h.state.StarDY[0], -103);
    h.frame();  // -103 grows to -124, outside the box: respawned with 0.5 draws, then parked
    EXPECT_EQ(h.state.StarDY[0], 0);
    EXPECT_EQ(h.state.StarDX[0], 500);
}

TEST(Starfield, ARespawnWithBothOffsetsWithinFourIsParkedAtFiveHundred)
{
    const std::vector<std::pair<int, int>> parked{{0, 0}, {4, -4}, {-3, 2}};
    for (const auto& [dx, dy] : parked) {
        GameHarness h;
        respawnStarZero(h, dx, dy);
        h.frame();
        EXPECT_EQ(h.state.StarDX[0], 500) << dx << "," << dy;
        EXPECT_EQ(h.state.StarDY[0], dy);
        EXPECT_EQ(h.traceLines("PlotPoint").front(), "PlotPoint 650 " + std::to_string(129 + dy) + " FFFFFF");
    }
    const std::vector<std::pair<int, int>> standing{{5, 0}, {0, -5}, {-10, 10}};
    for (const auto& [dx, dy] : standing) {
        GameHarness h;
        respawnStarZero(h, dx, dy);
        h.frame();
        EXPECT_EQ(h.state.StarDX[0], dx) << dx << "," << dy;
        EXPECT_EQ(h.state.StarDY[0], dy);
    }
}

TEST(Starfield, TheBoxEdgesThemselvesAreInside)
{
    GameHarness h;
    h.startAt();
    h.frames(1);
    GameState& s = h.state;
    // Offsets that grow onto exactly 160 / -120 stay; one more is out (0.5 draws park it).
    s.StarDX[0] = 133;   // 133 + 26.6 = 159.6 -> 160
    s.StarDY[0] = -100;  // -120
    s.StarDX[1] = 134;   // 160.8 -> 161
    s.StarDY[1] = 0;
    s.StarDX[2] = 0;
    s.StarDY[2] = 101;   // 121.2 -> 121
    h.frame();
    EXPECT_EQ(s.StarDX[0], 160);
    EXPECT_EQ(s.StarDY[0], -120);
    EXPECT_EQ(s.StarDX[1], 500);
    EXPECT_EQ(s.StarDX[2], 500);
}

TEST(Starfield, EveryStarOfTheFirstFrameIsFresh)
{
    GameHarness h;
    h.startAt();
    h.random.fallback = 0.875f;
    h.frame();
    for (int star = 0; star < kStarCount; ++star) {
        EXPECT_EQ(h.state.StarCX[star], 167);
        EXPECT_EQ(h.state.StarDX[star], 8);
    }
    EXPECT_EQ(h.traceLines("PlotPoint").size(), 51u);
}

TEST(Starfield, RespawnsStayInTheirRangesUpToTheLargestDrawBelowOne)
{
    const float largest = 0.99999994f;  // 1 - 2^-24
    GameHarness h;
    h.startAt();
    h.random.append({largest, largest, largest, largest, 0.9f});
    h.frame();
    EXPECT_EQ(h.state.StarCX[0], 169);
    EXPECT_EQ(h.state.StarCY[0], 129);
    EXPECT_EQ(h.state.StarDX[0], 10);
    EXPECT_EQ(h.state.StarDY[0], 10);
    EXPECT_EQ(h.state.StarCX[1], 167) << "the draw is the single-precision 0.9, just below it, scaled exactly";
}
