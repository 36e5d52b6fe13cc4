#pragma once
// The player-count command of the two indexed menu items.

#include "game/GameState.h"

#include <cstdint>

namespace skyvane {

// The check marks of the two player-count items.
class PlayerCountChecks {
public:
    virtual ~PlayerCountChecks() = default;
    virtual void setChecked(int index, bool checked) = 0;
};

constexpr int kPlayerCountItems = 2;

// Always all four steps, in order, also when the item is checked already.
void choosePlayerCount(GameState& s, PlayerCountChecks& checks, std::int16_t index);

} // namespace skyvane
