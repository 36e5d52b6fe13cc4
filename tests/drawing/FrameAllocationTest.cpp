// Whole frames of the real game core drawn on the surfaces, with a game controller read between
// them, touch the heap not once.
#include "DrawingFixture.h"
#include "doubles/AllocationCounter.h"
#include "doubles/FakeTickCounter.h"
#include "game/MutedWorld.h"
#include "doubles/VirtualPad.h"
#include "doubles/WorstCaseFlight.h"
#include "game/Game.h"
#include "input/PadKeys.h"
#include "platform/DeterministicRandom.h"
#include "platform/Gamepads.h"

#include <gtest/gtest.h>

namespace skyvane::test {
namespace {

using doubles::HeapCalls;
using doubles::startMeasuring;
using doubles::stopMeasuring;

// The event pump of the window without the window: a pad whose thrust and steering change every
// frame is read into the game's keys, as the window reads it between frames.
class PadPump : public EventPump, public PadListener {
public:
    explicit PadPump(GameState& state) : state_(state), keys_(held_, 0) {}
    void pumpEvents() override
    {
        ++pumps_;
        pad_.press(SDL_CONTROLLER_BUTTON_A, pumps_ % 2 == 0);
        pad_.tilt(pumps_ % 4 < 2 ? -32768 : 0);
        pads_.poll(*this);
    }
    void padControl(int slot, PadControl control, bool down) override { keys_.control(state_, slot, control, down, 0); }
    bool padInUse() const { return pads_.connected() == 1 && pad_.plugged(); }

private:
    GameState& state_;
    Gamepads pads_;
    doubles::VirtualPad pad_;
    HeldKeys held_;
    PadKeys keys_;
    long pumps_ = 0;
};

// Flight at its worst, the game-over countdown and the finale, each run to the tail.
TEST(FrameAllocation, FlightCountdownAndFinaleToTheirTailsAllocateNothing)
{
    Surfaces surfaces(pictures().rocketSheet, pictures().meteorStrip, pictures().finale);
    SurfaceDrawing drawing(surfaces);
    GameState state;
    doubles::FakeTickCounter clock;
    DeterministicRandom random;
    PadPump events(state);
    MutedControls controls;
    Game game(state, World{clock, random, events, drawing, controls});
    auto worstFrames = [&](int count) {
        for (int frame = 0; frame < count; ++frame) {
            doubles::armWorstCaseFlight(state);
            clock.advance(kTickStepMs);
            game.pass();
        }
    };
    startMeasuring();  // the counter sees both the program's heap calls and Qt's
    delete new int(1);
    const QImage scaled = pictures().rocketSheet.scaled(10, 10);
    ASSERT_GE(stopMeasuring().allocations, 3);
    state.PlayerSetting = 1;
    game.setUp();
    worstFrames(5);
    startMeasuring();
    worstFrames(200);
    const bool worstCase = state.RocketX[0] != kOutOfPlay && state.RocketX[1] != kOutOfPlay &&
                           state.MeteorSize[4] == 148 && state.DebrisX[10] != kOutOfPlay;
    state.RocketX[0] = kOutOfPlay;
    state.RocketX[1] = kOutOfPlay;
    clock.advance(kTickStepMs);
    game.pass();  // the loss starts the game-over countdown, which runs with the field at its worst
    while (state.Playing != 0)
        worstFrames(1);
    game.tail();
    game.setUp();
    state.Progress = kGoalFrames;
    // Every other pass begins a tick step, so the finale runs with and without a frame clear.
    for (int pass = 0; game.pass(); ++pass) {
        if (pass % 2 == 0)
            clock.advance(kTickStepMs);
    }
    game.tail();
    const HeapCalls calls = stopMeasuring();
    EXPECT_EQ(calls.allocations, 0);
    EXPECT_EQ(calls.releases, 0);
    EXPECT_TRUE(worstCase) << "the flight frames were the worst case";
    EXPECT_TRUE(events.padInUse()) << "a pad was read between the frames";
    EXPECT_GT(state.RocketX[0], kFinaleEndX) << "the finale ran to its end";
}

} // namespace
} // namespace skyvane::test
