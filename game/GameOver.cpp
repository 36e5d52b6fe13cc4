// Game over: the test runs after the rockets while no countdown runs; the countdown is the
// last work of every frame of flight.
#include "GameOver.h"

namespace skyvane {

void testGameOver(GameState& s, const World& world)
{
    if (s.RocketX[0] != kOutOfPlay || s.RocketX[1] != kOutOfPlay)
        return;
    s.GameOverTimer = kGameOverFrames;
    world.controls.setLabel1Caption(kGameOverCaption);
    world.controls.showLabel1();
}

void runCountdown(GameState& s)
{
    if (s.GameOverTimer <= 0)
        return;
    s.GameOverTimer -= 1;
    if (s.GameOverTimer == 0)
        s.Playing = 0;
}

} // namespace skyvane
