// Debris phase: runs in every frame of flight, after the rockets, also during the countdown.
#include "DebrisPhase.h"

#include <cmath>

namespace skyvane {

namespace {

bool outsidePlayArea(std::int64_t x, std::int64_t y)
{
    return x < 0 || x > kPlayAreaWidth || y < 0 || y > kPlayAreaHeight;
}

// A speck lands on one of the 16 x 16 pixels around the particle, computed in single precision.
std::int16_t speckCoordinate(RandomSource& random, std::int16_t centre)
{
    constexpr auto spread = static_cast<float>(kSpeckSpread);
    const float value = std::floor(random.next() * spread - spread / 2.0f) + static_cast<float>(centre);
    return narrowChecked<std::int16_t>(static_cast<std::int64_t>(value), "debris speck");
}

void drawSpecks(const GameState& s, const World& world, int particle)
{
    for (int speck = 0; speck < kDebrisSpecks; ++speck) {
        const std::int16_t x = speckCoordinate(world.random, s.DebrisX[particle]);
        const std::int16_t y = speckCoordinate(world.random, s.DebrisY[particle]);
        world.drawing.PlotPoint(x, y, kSpeckColour);
    }
}

} // namespace

void runDebrisPhase(GameState& s, const World& world)
{
    for (int particle = 0; particle < kDebrisCount; ++particle) {
        if (s.DebrisX[particle] == kOutOfPlay)
            continue;
        s.DebrisX[particle] += s.DebrisVX[particle];
        s.DebrisY[particle] += s.DebrisVY[particle];
        if (outsidePlayArea(s.DebrisX[particle], s.DebrisY[particle]))
            s.DebrisX[particle] = kOutOfPlay;
        drawSpecks(s, world, particle);  // a particle freed just now still draws, around x -200
    }
}

} // namespace skyvane
