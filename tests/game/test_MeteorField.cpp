#include "GameHarness.h"

#include <gtest/gtest.h>

using namespace skyvane;
using skyvane::testing::GameHarness;

namespace {
// With 0.5 draws every star respawns parked in every frame: four draws per star.
constexpr int kStarDrawsPerFrame = 4 * kStarCount;

void pushStarDraws(GameHarness& h)
{
    for (int i = 0; i < kStarDrawsPerFrame; ++i)
        h.random.append(0.5f);
}

// Slot 0 spawns in the next frame at (160, 120) showing animation frame 800.
void spawnInSlotZero(GameHarness& h)
{
    pushStarDraws(h);
    h.random.append({0.0f, 0.5f, 0.5f, 0.85f});
}
} // namespace

TEST(MeteorField, AMeteorGrowsTurnsAndPassesAt150)
{
    GameHarness h;
    h.startAt();
    spawnInSlotZero(h);
    const std::vector<int> frames{800, 900, 900, 0, 0, 100};
    for (int frame = 1; frame <= 73; ++frame) {
        h.frame();
        const auto meteors = h.traceLines("BlitMeteor");
        ASSERT_EQ(meteors.size(), 5u);
        const int frameX = frame <= 6 ? frames[static_cast<std::size_t>(frame - 1)] : h.state.MeteorFrame[0];
        ASSERT_EQ(meteors[0], "BlitMeteor 160 120 " + std::to_string(2 * frame + 2) + " " + std::to_string(frameX))
            << "frame " << frame;
        h.clearTrace();
    }
    const int drawsBefore = h.random.drawn();
    h.frame();
    EXPECT_EQ(h.state.MeteorX[0], -200);
    EXPECT_EQ(h.state.MeteorSize[0], 150);
    EXPECT_EQ(h.traceLines("BlitMeteor")[0].rfind("BlitMeteor -200 120 150 ", 0), 0u) << "drawn left of the play area";
    EXPECT_EQ(h.random.drawn() - drawsBefore, kStarDrawsPerFrame + 4) << "the freed slot does not roll in this frame";
    const int drawsNext = h.random.drawn();
    h.frame();
    EXPECT_EQ(h.random.drawn() - drawsNext, kStarDrawsPerFrame + 5) << "it rolls again from the next frame";
}

TEST(MeteorField, TheAnimationCounterCarriesOverToTheNextMeteorOfTheSlot)
{
    GameHarness h;
    h.startAt();
    h.state.MeteorTick[0] = 1;
    spawnInSlotZero(h);
    h.frame();
    EXPECT_EQ(h.state.MeteorFrame[0], 900) << "the first animation step comes in the first frame";
    EXPECT_EQ(h.state.MeteorTick[0], 0);
}

TEST(MeteorField, SpawnPositionsCoverThePlayArea)
{
    GameHarness h;
    h.startAt();
    pushStarDraws(h);
    h.random.append({0.0199f, 0.99999994f, 0.99999994f, 0.99999994f});
    h.frame();
    EXPECT_EQ(h.state.SpawnRoll, 25) << "the last roll of the frame was slot 4's";
    EXPECT_EQ(h.state.MeteorX[0], 319);
    EXPECT_EQ(h.state.MeteorY[0], 239);
    EXPECT_EQ(h.state.MeteorFrame[0], 900);
}

TEST(MeteorField, FreeSlotsAreDrawnWithTheirStaleValues)
{
    GameHarness h;
    h.startAt();
    h.frame();
    EXPECT_EQ(h.traceLines("BlitMeteor"), std::vector<std::string>(5, "BlitMeteor -200 0 1 0"));
}

TEST(MeteorField, WithAllSlotsBusyNoSpawnIsRolled)
{
    GameHarness h;
    h.startAt();
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        h.state.MeteorX[slot] = static_cast<std::int16_t>(40 * slot);
        h.state.MeteorSize[slot] = 10;
    }
    h.frame();
    EXPECT_EQ(h.random.drawn(), 2 * kStarCount + kStarDrawsPerFrame);
}
