// Starfield: runs in every frame of flight, right after the frame clear.
#include "Starfield.h"

#include "RandomDraws.h"

namespace skyvane {

namespace {

bool outsideStarBox(const GameState& s, int star)
{
    return s.StarDX[star] < -kStarBoxX || s.StarDX[star] > kStarBoxX || s.StarDY[star] < -kStarBoxY ||
           s.StarDY[star] > kStarBoxY;
}

bool barelyMoves(std::int16_t offset) { return offset >= -kStarStillOffset && offset <= kStarStillOffset; }

void respawnStar(GameState& s, RandomSource& random, int star)
{
    s.StarCX[star] = floorOfDraw(random, 2 * kStarCentreJitter, kStarCentreX - kStarCentreJitter);
    s.StarCY[star] = floorOfDraw(random, 2 * kStarCentreJitter, kStarCentreY - kStarCentreJitter);
    s.StarDX[star] = floorOfDraw(random, 2 * kStarOffsetLimit + 1, -kStarOffsetLimit);
    s.StarDY[star] = floorOfDraw(random, 2 * kStarOffsetLimit + 1, -kStarOffsetLimit);
    // An offset this small would barely move: park the star outside so it respawns next frame.
    if (barelyMoves(s.StarDX[star]) && barelyMoves(s.StarDY[star]))
        s.StarDX[star] = kStarParked;
}

} // namespace

void runStarfield(GameState& s, const World& world)
{
    for (int star = 0; star < kStarCount; ++star) {
        s.StarDX[star] = roundHalfEven(s.StarDX[star] + s.StarDX[star] / 5.0);
        s.StarDY[star] = roundHalfEven(s.StarDY[star] + s.StarDY[star] / 5.0);
        if (outsideStarBox(s, star))
            respawnStar(s, world.random, star);
        world.drawing.PlotPoint(narrowChecked<std::int16_t>(s.StarCX[star] + s.StarDX[star], "star x"),
                                narrowChecked<std::int16_t>(s.StarCY[star] + s.StarDY[star], "star y"), kStarColour);
    }
}

} // namespace skyvane
