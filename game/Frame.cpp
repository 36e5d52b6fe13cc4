// A frame: runs in the first pass of each new tick step.
#include "Frame.h"

#include "DebrisPhase.h"
#include "GameOver.h"
#include "Goal.h"
#include "MeteorField.h"
#include "RocketPhase.h"
#include "Starfield.h"

namespace skyvane {

void runFrame(GameState& s, const World& world)
{
    world.drawing.ClearPlayArea();
    if (s.Progress >= kGoalFrames)
        return;
    runStarfield(s, world);
    runMeteorField(s, world);
    if (s.GameOverTimer == 0) {
        countProgress(s);
        runRocketPhase(s, world);
        testGameOver(s, world);
    }
    runDebrisPhase(s, world);
    runCountdown(s);
}

} // namespace skyvane
