// Rocket phase: runs in every frame of flight while no game-over countdown runs.
#include "RocketPhase.h"

#include "RandomDraws.h"

namespace skyvane {

namespace {

constexpr int kRocketHalf = kRocketSize / 2;

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
    return s.MeteorSize[slot] > kMeteorHitSize &&
           strictlyInside(s.RocketX[player] + kRocketHalf, s.MeteorX[slot], s.MeteorSize[slot]) &&
           strictlyInside(s.RocketY[player] + kRocketHalf, s.MeteorY[slot], s.MeteorSize[slot]);
}

std::int64_t debrisSpeed(RandomSource& random)
{
    const std::int64_t speed = floorOfDraw(random, 2 * kDebrisMaxSpeed + 1, -kDebrisMaxSpeed);
    return speed == 0 ? 1 : speed;
}

// Every free debris particle starts at the rocket's centre.
void burst(GameState& s, RandomSource& random, int player)
{
    for (int particle = 0; particle < kDebrisCount; ++particle) {
        if (s.DebrisX[particle] != kOutOfPlay)
            continue;
        s.DebrisX[particle] = s.RocketX[player] + kRocketHalf;
        s.DebrisY[particle] = s.RocketY[player] + kRocketHalf;
        s.DebrisVX[particle] = debrisSpeed(random);
        s.DebrisVY[particle] = debrisSpeed(random);
    }
}

void testMeteors(GameState& s, RandomSource& random, int player)
{
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        if (!meteorCoversRocket(s, slot, player))
            continue;
        burst(s, random, player);
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
    if (s.RocketVY[player] < -kLevelPoseSpeed)
        s.RocketPose[player] = kClimbingPoseRow;
    else if (s.RocketVY[player] <= kLevelPoseSpeed)
        s.RocketPose[player] = kLevelPoseRow;
    else
        s.RocketPose[player] = kFallingPoseRow;
}

// The cell's column: left, none or right steering, the flame columns to their right.
void drawRocket(const GameState& s, Drawing& drawing, int player)
{
    const auto sourceX =
        narrowChecked<std::int16_t>(kRocketSize * (s.Steer[player] + 1) + s.Flame[player], "rocket source x");
    drawing.BlitRocket(s.RocketX[player], s.RocketY[player], sourceX, s.RocketPose[player]);
}

void flyRocket(GameState& s, const World& world, int player)
{
    steer(s, player);
    accelerate(s, player);
    testMeteors(s, world.random, player);
    testEdges(s, player);
    chooseSprite(s, player);
    drawRocket(s, world.drawing, player);  // a rocket lost just now is drawn at -200, where nothing shows
}

} // namespace

void runRocketPhase(GameState& s, const World& world)
{
    const int lastPlayer = s.PlayerSetting;  // read once, at the start of the phase
    for (int player = 0; player <= lastPlayer; ++player) {
        if (s.RocketX[player] != kOutOfPlay)
            flyRocket(s, world, player);
    }
}

} // namespace skyvane
