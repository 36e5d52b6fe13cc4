// Starfield: runs in every frame of flight, right after the frame clear.
#include "Starfield.h"

namespace skyvane {

namespace {

bool outsideStarBox(const GameState& s, int star)
{
    return s.StarDX[star] < -kStarBoxX || s.StarDX[star] > kStarBoxX || s.StarDY[star] < -kStarBoxY ||
           s.StarDY[star] > kStarBoxY;
}

bool barelyMoves(std::int16_t offset) { return offset >= -4 && offset <= 4; }

void respawnStar(FrameContext& frame, int star)
{
    GameState& s = frame.state;
    s.StarCX[star] = floorOfDraw(frame.random, 20.0, -10.0 + 160.0);
    s.StarCY[star] = floorOfDraw(frame.random, 20.0, -10.0 + 120.0);
    s.StarDX[star] = floorOfDraw(frame.random, 21.0, -10.0);
    s.StarDY[star] = floorOfDraw(frame.random, 21.0, -10.0);
    // An offset this small would barely move: park the star outside so it respawns next frame.
    if (barelyMoves(s.StarDX[star]) && barelyMoves(s.StarDY[star]))
        s.StarDX[star] = kStarParked;
}

} // namespace

void runStarfield(FrameContext& frame)
{
    GameState& s = frame.state;
    for (int star = 0; star < kStarCount; ++star) {
        s.StarDX[star] = roundHalfEven(s.StarDX[star] + s.StarDX[star] / 5.0);
        s.StarDY[star] = roundHalfEven(s.StarDY[star] + s.StarDY[star] / 5.0);
        if (outsideStarBox(s, star))
            respawnStar(frame, star);
        frame.drawing.PlotPoint(narrowChecked<std::int16_t>(s.StarCX[star] + s.StarDX[star], "star x"),
                                narrowChecked<std::int16_t>(s.StarCY[star] + s.StarDY[star], "star y"), kStarColour);
    }
}

} // namespace skyvane
