// Game-over countdown: the last work of every frame of flight.
#include "Countdown.h"

namespace skyvane {

void runCountdown(GameState& s)
{
    if (s.GameOverTimer <= 0)
        return;
    s.GameOverTimer -= 1;
    if (s.GameOverTimer == 0)
        s.Playing = 0;
}

} // namespace skyvane
