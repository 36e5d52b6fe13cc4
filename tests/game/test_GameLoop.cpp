// Set-up, pacing, the end of the loop, restarts and closing mid-game.
#include "GameHarness.h"
#include "input/KeyHandlers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace skyvane;
using skyvane::testing::GameHarness;

namespace {
int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}
} // namespace

TEST(SetUp, GivesTheStartValuesAndHidesTheControlsFirst)
{
    GameHarness h;
    h.random.append({0.0f, 0.985f});
    h.clock.milliseconds = 2019;
    h.game.setUp();
    EXPECT_EQ(h.trace.str(), "Image1 hide\nLabel1 hide\n");
    const GameState& s = h.state;
    EXPECT_EQ(s.Playing, -1);
    EXPECT_EQ(s.LastTick, 100);
    EXPECT_EQ(s.RocketX[0], 135);
    EXPECT_EQ(s.RocketX[1], -200) << "one player: the second rocket is absent";
    EXPECT_EQ(s.RocketY[1], 95);
    EXPECT_EQ(s.StarDX[0], -200) << "first draw: x offset of star 0";
    EXPECT_EQ(s.StarDY[0], -102) << "second draw: floor(0.985 * 100 - 200)";
    EXPECT_EQ(s.StarCX[50], 160);
    EXPECT_EQ(s.MeteorX[4], -200);
    EXPECT_EQ(s.MeteorSize[4], 1);
    EXPECT_EQ(s.DebrisY[10], -200);
    EXPECT_EQ(h.random.drawn(), 2 * kStarCount);
}

TEST(SetUp, LeavesKeysPoseMeteorPositionsAndUnusedCellsAlone)
{
    GameHarness h;
    GameState& s = h.state;
    s.PlayerSetting = 1;
    s.Steer[0] = -1;
    s.Thrust[1] = 1;
    s.RocketPose[0] = 100;
    s.MeteorY[2] = 77;
    s.MeteorFrame[3] = 900;
    s.MeteorTick[3] = 1;
    s.RocketX[2] = 9;
    s.Flame[3] = 150;
    h.game.setUp();
    EXPECT_EQ(s.RocketX[1], 55) << "two players: the second rocket starts";
    EXPECT_EQ(s.Steer[0], -1);
    EXPECT_EQ(s.Thrust[1], 1);
    EXPECT_EQ(s.RocketPose[0], 100);
    EXPECT_EQ(s.MeteorY[2], 77);
    EXPECT_EQ(s.MeteorFrame[3], 900);
    EXPECT_EQ(s.MeteorTick[3], 0) << "the animation counter is reset";
    EXPECT_EQ(s.RocketX[2], 9);
    EXPECT_EQ(s.Flame[3], 150);
}

TEST(Pacing, AFrameRunsInTheFirstPassOfALaterTickStep)
{
    GameHarness h;
    h.startAt(2000);  // LastTick = 100: the previous pass ended between 2000 and 2019
    h.clock.milliseconds = 2019;
    EXPECT_TRUE(h.game.pass());
    EXPECT_EQ(h.trace.str(), "") << "no new step: the pass runs no frame";
    h.clock.milliseconds = 2020;
    h.game.pass();
    EXPECT_EQ(count(h.takeTrace(), "ClearPlayArea"), 1);
    h.game.pass();
    EXPECT_EQ(h.trace.str(), "") << "at most one frame per step";
    EXPECT_EQ(h.pump.pumps, 3) << "every pass pumps events once";
}

TEST(Pacing, ANegativeTickCountTruncatesTowardZero)
{
    GameHarness h;
    h.startAt(-25);
    EXPECT_EQ(h.state.LastTick, -1);
    h.startAt(-19);
    EXPECT_EQ(h.state.LastTick, 0);
    h.startAt(19);
    EXPECT_EQ(h.state.LastTick, 0);
}

TEST(Pacing, WhenTheCounterChangesSignAtMostOneFrameIsLost)
{
    GameHarness h;
    h.startAt(std::numeric_limits<std::int32_t>::max() - 45);
    int framesRun = 0;
    for (int pass = 0; pass < 10; ++pass) {
        h.frame();
        framesRun += count(h.takeTrace(), "ClearPlayArea");
    }
    EXPECT_EQ(framesRun, 9) << "the pass in which the step drops runs no frame";
    EXPECT_LT(h.state.LastTick, 0);
}

TEST(Pacing, ATickStepAtTheTopOfTheRangeIsARangeError)
{
    GameHarness h;
    h.startAt();
    h.state.LastTick = std::numeric_limits<std::int32_t>::max();
    EXPECT_THROW(h.game.pass(), RangeError);
}

TEST(GameLoop, AStartBetweenGamesRunsUntilEscEndsTheLoopAfterTheCurrentPass)
{
    GameHarness h;
    h.pump.onPump = [&] {
        h.clock.advance(kTickStepMs);
        if (h.pump.pumps == 5)
            Form_KeyDown(h.state, KeyCode::Escape, 0);
    };
    h.game.start();
    EXPECT_EQ(h.pump.pumps, 5);
    const std::string trace = h.trace.str();
    EXPECT_EQ(count(trace, "ClearPlayArea"), 4);
    const std::string tail = "ClearSurface\nImage1 show\nLabel1 hide\n";
    EXPECT_EQ(trace.substr(trace.size() - tail.size()), tail);
    EXPECT_FALSE(h.game.isRunning());
}

TEST(GameLoop, RestartsInsideThePumpDoNotNestAndTheTailRunsOnce)
{
    GameHarness h;
    std::uintptr_t lowest = std::numeric_limits<std::uintptr_t>::max();
    std::uintptr_t highest = 0;
    h.pump.onPump = [&] {
        int marker = 0;
        const auto depth = reinterpret_cast<std::uintptr_t>(&marker);
        lowest = std::min(lowest, depth);
        highest = std::max(highest, depth);
        h.clock.advance(kTickStepMs);
        if (h.pump.pumps <= 10000)
            h.game.start();
        if (h.pump.pumps == 10003)
            Form_KeyDown(h.state, KeyCode::Escape, 0);
    };
    h.game.GameMain();
    EXPECT_EQ(highest, lowest) << "the stack depth of the pump stays the same";
    EXPECT_EQ(h.state.Progress, 2) << "the last restart's game ran its two frames";
    EXPECT_EQ(count(h.trace.str(), "ClearSurface"), 1);
    EXPECT_EQ(count(h.trace.str(), "Image1 hide"), 10001);
}

TEST(GameLoop, ACloseRequestInThePumpReturnsAtOnceWithoutTheTail)
{
    GameHarness h;
    h.pump.onPump = [&] {
        h.clock.advance(kTickStepMs);
        if (h.pump.pumps == 3)
            h.game.requestClose();
    };
    h.game.GameMain();
    EXPECT_EQ(h.pump.pumps, 3);
    EXPECT_EQ(count(h.trace.str(), "ClearSurface"), 0);
    EXPECT_EQ(count(h.trace.str(), "Image1 show"), 0);
    EXPECT_FALSE(h.game.isRunning());
}

TEST(Pacing, WholeGamesAcrossBothWrapsOfTheCounterLoseAtMostOneFrame)
{
    // 2^31 ms, where the count turns negative, and 2^32 ms, where it turns back to 0.
    // Readings of -10 and 10 share step 0 around the second wrap: one frame is lost there.
    for (const std::int32_t start : {std::numeric_limits<std::int32_t>::max() - 1000, -1010}) {
        GameHarness h;
        h.startAt(start);
        int framesRun = 0;
        for (int pass = 0; pass < 100; ++pass) {
            ASSERT_NO_THROW(h.frame());
            framesRun += count(h.takeTrace(), "ClearPlayArea");
        }
        EXPECT_EQ(framesRun, 99) << "from " << start;
    }
}
