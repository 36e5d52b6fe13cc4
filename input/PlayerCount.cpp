#include "PlayerCount.h"

namespace skyvane {

void choosePlayerCount(GameState& s, PlayerCountChecks& checks, std::int16_t index)
{
    if (index < 0 || index >= kPlayerCountItems)
        throwSubscript("人数", index, kPlayerCountItems);
    checks.setChecked(0, false);
    checks.setChecked(1, false);
    checks.setChecked(index, true);
    s.PlayerSetting = index;
}

} // namespace skyvane
