// The goal: progress is counted in every frame of flight while no countdown runs; the finale
// runs in every pass of the loop once Progress has reached the goal, framed or not.
#include "Goal.h"

namespace skyvane {

void countProgress(GameState& s) { s.Progress += 1; }

void runFinalePass(GameState& s, const World& world)
{
    if (s.Progress == kGoalFrames) {
        s.RocketX[0] = 0;
        world.controls.setLabel1Caption(kClearCaption);
        world.controls.showLabel1();
    }
    s.Progress += 1;
    if (s.Progress % kFinaleStepPasses == 0)
        s.RocketX[0] += kFinaleStep;
    world.drawing.PaintFinalePicture(s.RocketX[0], kFinaleUpperY);
    if (s.PlayerSetting == 1)
        world.drawing.PaintFinalePicture(s.RocketX[0], kFinaleLowerY);
    if (s.RocketX[0] > kFinaleEndX)
        s.Playing = 0;
}

} // namespace skyvane
