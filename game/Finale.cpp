// Finale: runs in every pass of the loop once Progress has reached the goal, framed or not.
#include "Finale.h"

namespace skyvane {

namespace {

// The pilot steps on each pass after which the decimal Progress ends in 0 or 5.
bool stepsOnThisPass(std::int32_t progress)
{
    const std::int32_t lastDigit = progress % 10;
    return lastDigit == 0 || lastDigit == 5;
}

} // namespace

void runFinalePass(FrameContext& frame)
{
    GameState& s = frame.state;
    if (s.Progress == kGoalFrames) {
        s.RocketX[0] = 0;
        frame.controls.setLabel1Caption(kClearCaption);
        frame.controls.showLabel1();
    }
    s.Progress += 1;
    if (stepsOnThisPass(s.Progress))
        s.RocketX[0] += kFinaleStep;
    frame.drawing.PaintFinalePicture(s.RocketX[0], kFinaleUpperY);
    if (s.PlayerSetting == 1)
        frame.drawing.PaintFinalePicture(s.RocketX[0], kFinaleLowerY);
    if (s.RocketX[0] > kFinaleEndX)
        s.Playing = 0;
}

} // namespace skyvane
