#include "KeyHandlers.h"

namespace skyvane {

// Each test stands on its own, so one event can satisfy several.
void Form_KeyDown(GameState& s, std::int16_t keyCode, std::int16_t shift)
{
    if (keyCode == KeyCode::Left)
        s.Steer[0] = -1;
    if (keyCode == KeyCode::Right)
        s.Steer[0] = 1;
    if (keyCode == KeyCode::Up)
        s.Thrust[0] = 1;
    if (keyCode == KeyCode::Z)
        s.Steer[1] = -1;
    if (keyCode == KeyCode::X)
        s.Steer[1] = 1;
    if (shift == ShiftMask::Shift)  // Shift alone, whatever key was pressed
        s.Thrust[1] = 1;
    if (keyCode == KeyCode::Escape)
        s.Playing = 0;
}

// Releasing a steering key clears its cell only while that key still rules it.
void Form_KeyUp(GameState& s, std::int16_t keyCode, std::int16_t shift)
{
    if (keyCode == KeyCode::Left && s.Steer[0] == -1)
        s.Steer[0] = 0;
    if (keyCode == KeyCode::Right && s.Steer[0] == 1)
        s.Steer[0] = 0;
    if (keyCode == KeyCode::Z && s.Steer[1] == -1)
        s.Steer[1] = 0;
    if (keyCode == KeyCode::X && s.Steer[1] == 1)
        s.Steer[1] = 0;
    if (shift == 0)  // no modifier held after the release, whatever key it was
        s.Thrust[1] = 0;
    if (keyCode == KeyCode::Up)
        s.Thrust[0] = 0;
}

} // namespace skyvane
