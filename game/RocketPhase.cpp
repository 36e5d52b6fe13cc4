// Rocket phase: runs in every frame of flight while no game-over countdown runs.
#include "RocketPhase.h"

namespace skyvane {

namespace {

void steer(GameState& s, int player)
{
    if (s.Steer[player] == -1)
        s.RocketX[player] -= kSteerStep;
    if (s.Steer[player] == 1)
        s.RocketX[player] += kSteerStep;
}

void accelerate(GameState& s, int player)
{
    if (s.Thrust[player] == 0 && s.RocketVY[player] < kMaxRocketSpeed)
        s.RocketVY[player] += 1;
    else if (s.Thrust[player] == 1 && s.RocketVY[player] > -kMaxRocketSpeed)
        s.RocketVY[player] -= 1;
    s.RocketY[player] += s.RocketVY[player];
}

// Strictly inside, halves compared exactly: 2c - size < 2p < 2c + size.
bool strictlyInside(std::int64_t point, std::int64_t centre, std::int64_t size)
{
    return 2 * centre - size < 2 * point && 2 * point < 2 * centre + size;
}

bool meteorCoversRocket(const GameState& s, int slot, int player)
{
    const int half = kRocketSize / 2;
    return s.MeteorSize[slot] > kMeteorHitSize &&
           strictlyInside(s.RocketX[player] + half, s.MeteorX[slot], s.MeteorSize[slot]) &&
           strictlyInside(s.RocketY[player] + half, s.MeteorY[slot], s.MeteorSize[slot]);
}

std::int64_t debrisSpeed(RandomSource& random)
{
    const std::int64_t speed = floorOfDraw(random, 11.0, -5.0);
    return speed == 0 ? 1 : speed;
}

// Every free debris particle starts at the rocket's centre.
void burst(FrameContext& frame, int player)
{
    GameState& s = frame.state;
    const int half = kRocketSize / 2;
    for (int particle = 0; particle < kDebrisCount; ++particle) {
        if (s.DebrisX[particle] != kOutOfPlay)
            continue;
        s.DebrisX[particle] = s.RocketX[player] + half;
        s.DebrisY[particle] = s.RocketY[player] + half;
        s.DebrisVX[particle] = debrisSpeed(frame.random);
        s.DebrisVY[particle] = debrisSpeed(frame.random);
    }
}

void testMeteors(FrameContext& frame, int player)
{
    GameState& s = frame.state;
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        if (!meteorCoversRocket(s, slot, player))
            continue;
        burst(frame, player);
        s.RocketX[player] = kOutOfPlay;
        s.MeteorX[slot] = kOutOfPlay;
    }
}

void testEdges(GameState& s, int player)
{
    if (s.RocketX[player] < kRocketEdgeLeft || s.RocketX[player] > kPlayAreaWidth ||
        s.RocketY[player] < kRocketEdgeTop || s.RocketY[player] > kPlayAreaHeight)
        s.RocketX[player] = kOutOfPlay;
}

void chooseSprite(GameState& s, int player)
{
    // While thrust is held the flame shows in every other frame, from the first.
    s.Flame[player] = (s.Thrust[player] == 1 && s.Flame[player] == 0) ? kFlameColumn : 0;
    if (s.RocketVY[player] < -2)
        s.RocketPose[player] = 0;
    else if (s.RocketVY[player] <= 2)
        s.RocketPose[player] = 50;
    else
        s.RocketPose[player] = 100;
}

void drawRocket(FrameContext& frame, int player)
{
    GameState& s = frame.state;
    const auto sourceX = narrowChecked<std::int16_t>(50 * s.Steer[player] + 50 + s.Flame[player], "rocket source x");
    frame.drawing.BlitRocket(s.RocketX[player], s.RocketY[player], sourceX, s.RocketPose[player]);
}

void flyRocket(FrameContext& frame, int player)
{
    GameState& s = frame.state;
    steer(s, player);
    accelerate(s, player);
    testMeteors(frame, player);
    testEdges(s, player);
    chooseSprite(s, player);
    drawRocket(frame, player);  // a rocket lost just now is drawn at -200, where nothing shows
}

} // namespace

void countProgress(GameState& s) { s.Progress += 1; }

void runRocketPhase(FrameContext& frame)
{
    GameState& s = frame.state;
    const int lastPlayer = s.PlayerSetting;  // read once, at the start of the phase
    for (int player = 0; player <= lastPlayer; ++player) {
        if (s.RocketX[player] != kOutOfPlay)
            flyRocket(frame, player);
    }
}

void testGameOver(FrameContext& frame)
{
    GameState& s = frame.state;
    if (s.RocketX[0] != kOutOfPlay || s.RocketX[1] != kOutOfPlay)
        return;
    s.GameOverTimer = kGameOverFrames;
    frame.controls.setLabel1Caption(kGameOverCaption);
    frame.controls.showLabel1();
}

} // namespace skyvane
