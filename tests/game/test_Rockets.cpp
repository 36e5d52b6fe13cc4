// Rocket motion, the meteor and edge tests, debris.
#include "GameHarness.h"
#include "input/KeyHandlers.h"

#include <gtest/gtest.h>

using namespace skyvane;
using skyvane::testing::GameHarness;

namespace {
// A game whose rockets hover: a speed of -1 without thrust becomes 0 in the frame.
void hoverAt(GameHarness& h, int player, int x, int y)
{
    h.state.RocketX[player] = static_cast<std::int16_t>(x);
    h.state.RocketY[player] = static_cast<std::int16_t>(y);
    h.state.RocketVY[player] = -1;
}

// A meteor of size 144 in this frame, centred on (160, 120).
void nearMeteor(GameHarness& h, int slot)
{
    h.state.MeteorX[slot] = 160;
    h.state.MeteorY[slot] = 120;
    h.state.MeteorSize[slot] = 142;
}

bool hitAt(int x, int y)
{
    GameHarness h;
    h.startAt();
    hoverAt(h, 0, x, y);
    nearMeteor(h, 0);
    h.frame();
    return h.state.RocketX[0] == kOutOfPlay;
}
} // namespace

TEST(RocketCollision, AMeteorHitsOnlyWhenItStrictlyCoversTheRocketsCentre)
{
    for (int x = 60; x <= 210; ++x)
        EXPECT_EQ(hitAt(x, 95), x >= 64 && x <= 206) << "x " << x;
    for (int y = 20; y <= 170; ++y)
        EXPECT_EQ(hitAt(135, y), y >= 24 && y <= 166) << "y " << y;
}

TEST(RocketCollision, AMeteorOfSize140OrLessNeverHits)
{
    GameHarness h;
    h.startAt();
    hoverAt(h, 0, 135, 95);
    nearMeteor(h, 0);
    h.state.MeteorSize[0] = 138;
    h.frame();
    EXPECT_EQ(h.state.RocketX[0], 135);
    h.frame();  // grown to 142: hits
    EXPECT_EQ(h.state.RocketX[0], kOutOfPlay);
}

TEST(RocketCollision, AHitBurstsIntoDebrisAndRemovesRocketAndMeteor)
{
    GameHarness h;
    h.startAt();
    hoverAt(h, 0, 135, 95);
    nearMeteor(h, 3);
    h.state.DebrisX[1] = 7;  // a busy particle is left alone
    h.state.DebrisY[1] = 50;
    h.state.DebrisVX[1] = 1;
    h.random.fallback = 0.5f;
    h.frame();
    const GameState& s = h.state;
    EXPECT_EQ(s.MeteorX[3], kOutOfPlay);
    EXPECT_EQ(s.DebrisX[0], 160 + s.DebrisVX[0]) << "started at the centre, then moved in the same frame";
    EXPECT_EQ(s.DebrisVX[0], 1) << "a draw giving 0 gives +1";
    EXPECT_EQ(s.DebrisX[1], 8);
    EXPECT_EQ(h.traceLines("BlitRocket"), std::vector<std::string>{"BlitRocket -200 95 50 50"})
        << "a rocket lost in this phase is still drawn at -200";
    EXPECT_EQ(h.traceLines("Label1"), (std::vector<std::string>{"Label1 caption Game Over!", "Label1 show"}));
}

TEST(RocketCollision, DebrisSpeedsCoverMinusFiveToFiveWithoutZero)
{
    GameHarness h;
    h.startAt();
    hoverAt(h, 0, 135, 95);
    nearMeteor(h, 0);
    // Stars take 204 draws and the four free slots 4; then the debris speeds.
    for (int i = 0; i < 4 * kStarCount + 4; ++i)
        h.random.append(0.5f);
    const std::vector<float> draws{0.0f, 0.99999994f, 0.0909f, 0.4546f, 0.5f, 0.5454f};
    const std::vector<int> speeds{-5, 5, -5, 1, 1, 1};
    for (const float draw : draws)
        h.random.append(draw);
    h.frame();
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        const int particle = static_cast<int>(i / 2);
        const int speed = i % 2 == 0 ? h.state.DebrisVX[particle] : h.state.DebrisVY[particle];
        EXPECT_EQ(speed, speeds[i]) << "draw " << draws[i];
    }
}

TEST(RocketCollision, OneMeteorDestroysAtMostOneRocket)
{
    GameHarness h;
    h.state.PlayerSetting = 1;
    h.startAt();
    hoverAt(h, 0, 135, 95);
    hoverAt(h, 1, 140, 95);
    nearMeteor(h, 0);
    h.frame();
    EXPECT_EQ(h.state.RocketX[0], kOutOfPlay);
    EXPECT_EQ(h.state.RocketX[1], 140) << "player 2 flies on";
    EXPECT_EQ(h.state.GameOverTimer, 0);
}

TEST(RocketCollision, WithEveryParticleBusyAHitStartsNoneButStillRemoves)
{
    GameHarness h;
    h.startAt();
    hoverAt(h, 0, 135, 95);
    nearMeteor(h, 0);
    for (int particle = 0; particle < kDebrisCount; ++particle) {
        h.state.DebrisX[particle] = 100;
        h.state.DebrisY[particle] = 100;
        h.state.DebrisVX[particle] = 1;
        h.state.DebrisVY[particle] = 1;
    }
    const int before = h.random.drawn();
    h.frame();
    EXPECT_EQ(h.state.RocketX[0], kOutOfPlay);
    EXPECT_EQ(h.state.MeteorX[0], kOutOfPlay);
    EXPECT_EQ(h.state.DebrisX[0], 101);
    EXPECT_EQ(h.random.drawn() - before, 4 * kStarCount + 4 + 2 * kDebrisSpecks * kDebrisCount)
        << "no speed draws, only the specks";
}

TEST(RocketMotion, TheEdgeLimitsThemselvesAreInside)
{
    const std::vector<std::tuple<int, int, bool>> cases{
        {-50, 95, true}, {-51, 95, false}, {320, 95, true}, {321, 95, false},
        {135, -50, true}, {135, -51, false}, {135, 240, true}, {135, 241, false}};
    for (const auto& [x, y, inside] : cases) {
        GameHarness h;
        h.startAt();
        hoverAt(h, 0, x, y);
        h.frame();
        EXPECT_EQ(h.state.RocketX[0] != kOutOfPlay, inside) << x << "," << y;
        EXPECT_EQ(h.state.DebrisX[0], kOutOfPlay) << "leaving the area makes no debris";
    }
}

TEST(RocketMotion, SpeedFallsToTenAndThrustClimbsToMinusTen)
{
    GameHarness h;
    h.startAt();
    h.state.RocketY[0] = -40;  // room to fall
    std::vector<int> speeds;
    for (int frame = 0; frame < 11; ++frame) {
        h.frame();
        speeds.push_back(h.state.RocketVY[0]);
    }
    EXPECT_EQ(speeds, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10}));
    Form_KeyDown(h.state, KeyCode::Up, 0);
    h.frames(19);
    EXPECT_EQ(h.state.RocketVY[0], -9);
    h.frames(2);
    EXPECT_EQ(h.state.RocketVY[0], -10);
}

TEST(RocketMotion, SteeringMovesFourPixelsAndPicksTheSpriteColumn)
{
    GameHarness h;
    h.startAt();
    hoverAt(h, 0, 135, 95);
    Form_KeyDown(h.state, KeyCode::Right, 0);
    Form_KeyDown(h.state, KeyCode::Up, 0);
    h.frame();
    // Thrust from -1 makes -2: level pose; the first frame of thrust shows the flame.
    EXPECT_EQ(h.traceLines("BlitRocket"), std::vector<std::string>{"BlitRocket 139 93 250 50"});
    h.clearTrace();
    Form_KeyDown(h.state, KeyCode::Left, 0);
    h.frame();
    EXPECT_EQ(h.traceLines("BlitRocket"), std::vector<std::string>{"BlitRocket 135 90 0 0"})
        << "speed -3 climbs fast; the flame shows in every other frame";
}

TEST(RocketMotion, PoseFollowsTheSpeed)
{
    const std::vector<std::pair<int, int>> cases{{-3, 0}, {-2, 50}, {2, 50}, {3, 100}};
    for (const auto& [speed, pose] : cases) {
        GameHarness h;
        h.startAt();
        hoverAt(h, 0, 135, 95);
        h.state.RocketVY[0] = static_cast<std::int16_t>(speed - 1);  // +1 in the frame
        h.frame();
        EXPECT_EQ(h.state.RocketPose[0], pose) << "speed " << speed;
    }
}

TEST(Debris, AParticleOnTheEdgeStillFliesAndOneBeyondIsFreed)
{
    const std::vector<std::tuple<int, int, bool>> cases{
        {0, 100, true}, {-1, 100, false}, {320, 100, true}, {321, 100, false},
        {100, 0, true}, {100, -1, false}, {100, 240, true}, {100, 241, false}};
    for (const auto& [x, y, flying] : cases) {
        GameHarness h;
        h.startAt();
        h.state.DebrisX[4] = static_cast<std::int16_t>(x - 1);
        h.state.DebrisY[4] = static_cast<std::int16_t>(y - 1);
        h.state.DebrisVX[4] = 1;
        h.state.DebrisVY[4] = 1;
        h.frame();
        EXPECT_EQ(h.state.DebrisX[4] != kOutOfPlay, flying) << x << "," << y;
        EXPECT_EQ(h.traceLines("PlotPoint").size(), kStarCount + 10u)
            << "ten specks are drawn either way";
    }
}

TEST(Debris, SpecksLandOnTheSixteenPixelsAroundTheParticle)
{
    GameHarness h;
    h.startAt();
    h.state.DebrisX[0] = 99;
    h.state.DebrisY[0] = 49;
    h.state.DebrisVX[0] = 1;
    h.state.DebrisVY[0] = 1;
    for (int i = 0; i < 4 * kStarCount + 5; ++i)
        h.random.append(0.5f);
    h.random.append({0.0f, 0.99999994f, 0.5f, 0.0625f});
    h.frame();
    const auto specks = h.traceLines("PlotPoint");
    ASSERT_EQ(specks.size(), kStarCount + 10u);
    EXPECT_EQ(specks[kStarCount], "PlotPoint 92 57 FF0000");
    EXPECT_EQ(specks[kStarCount + 1], "PlotPoint 100 43 FF0000");
}
