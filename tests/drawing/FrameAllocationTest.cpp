// Whole frames of the real game core drawn on the surfaces touch the heap not once.
#include "AllocationCounter.h"
#include "TestPictures.h"
#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "doubles/WorstCaseFlight.h"
#include "game/Game.h"
#include "platform/DeterministicRandom.h"
#include "ui/SurfaceDrawing.h"
#include "ui/Surfaces.h"

#include <gtest/gtest.h>

namespace skyvane::test {
namespace {

class FrameAllocationTest : public ::testing::Test {
protected:
    FrameAllocationTest()
        : surfaces(rocketSheet(), meteorStrip(), finalePicture(), Qt::white), drawing(surfaces),
          game(state, World{clock, random, events, drawing, controls})
    {
        state.PlayerSetting = 1;
        game.setUp();
    }

    // One pass of the loop in which a new tick step has begun.
    bool framedPass()
    {
        clock.advance(kTickStepMs);
        return game.pass();
    }

    void runFlightFrames(int count)
    {
        for (int frame = 0; frame < count; ++frame) {
            doubles::armWorstCaseFlight(state);
            framedPass();
            drawing.takeDirty();
        }
    }

    GameState state;
    doubles::FakeTickCounter clock;
    DeterministicRandom random;
    doubles::NullEventPump events;
    doubles::NullControls controls;
    Surfaces surfaces;
    SurfaceDrawing drawing;
    Game game;
};

TEST_F(FrameAllocationTest, WorstCaseFlightFramesAllocateNothing)
{
    runFlightFrames(5);
    startMeasuring();
    runFlightFrames(200);
    const HeapCalls calls = stopMeasuring();
    EXPECT_EQ(calls.allocations, 0);
    EXPECT_EQ(calls.releases, 0);
    // The last frame really was the worst case.
    EXPECT_NE(state.RocketX[0], kOutOfPlay);
    EXPECT_NE(state.RocketX[1], kOutOfPlay);
    for (int slot = 0; slot < kMeteorSlots; ++slot)
        EXPECT_EQ(state.MeteorSize[slot], 148);
    for (int particle = 0; particle < kDebrisCount; ++particle)
        EXPECT_NE(state.DebrisX[particle], kOutOfPlay);
}

TEST_F(FrameAllocationTest, GameOverCountdownToTheTailAllocatesNothing)
{
    runFlightFrames(5);
    state.RocketX[0] = kOutOfPlay;
    state.RocketX[1] = kOutOfPlay;
    startMeasuring();
    while (framedPass())
        doubles::armWorstCaseFlight(state);
    game.tail();
    const HeapCalls calls = stopMeasuring();
    EXPECT_EQ(calls.allocations, 0);
    EXPECT_EQ(calls.releases, 0);
    EXPECT_EQ(state.GameOverTimer, 0);
}

TEST_F(FrameAllocationTest, FinalePassesToTheTailAllocateNothing)
{
    runFlightFrames(5);
    state.Progress = kGoalFrames;
    startMeasuring();
    // Every other pass begins a tick step, so the finale runs with and without a frame clear.
    for (int pass = 0; game.pass(); ++pass) {
        if (pass % 2 == 0)
            clock.advance(kTickStepMs);
    }
    game.tail();
    const HeapCalls calls = stopMeasuring();
    EXPECT_EQ(calls.allocations, 0);
    EXPECT_EQ(calls.releases, 0);
    EXPECT_GT(state.RocketX[0], kFinaleEndX);
}

TEST(AllocationCounterTest, SeesAllocationsItIsMeantToCatch)
{
    startMeasuring();
    delete new int(1);
    QImage scaled = rocketSheet().scaled(10, 10);
    const HeapCalls calls = stopMeasuring();
    EXPECT_GE(calls.allocations, 3);
    EXPECT_GE(calls.releases, 2);
}

} // namespace
} // namespace skyvane::test
