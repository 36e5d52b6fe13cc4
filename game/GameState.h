#pragma once
// All state of a game: the variables and fixed-size arrays that every part of the
// program reads and writes under these names. Zero at program start; only the set-up
// of a game resets it, and what the set-up leaves alone carries over. A state can be
// assigned whole, as a snapshot of a frame is taken and restored.

#include "Checked.h"
#include "GameConstants.h"

#include <cstdint>

namespace skyvane {

struct GameState {
    Checked<std::int16_t> Playing{"Playing"};            // non-zero while a game runs; -1 is true
    Checked<std::int32_t> LastTick{"LastTick"};          // tick step read at the end of the last pass
    Checked<std::int16_t> SpawnRoll{"SpawnRoll"};
    Checked<std::int16_t> PlayerSetting{"PlayerSetting"}; // 0 one player, 1 two players
    Checked<std::int16_t> GameOverTimer{"GameOverTimer"};
    Checked<std::int32_t> Progress{"Progress"};

    CheckedArray<std::int16_t, kPlayerCells> RocketX{"RocketX"};
    CheckedArray<std::int16_t, kPlayerCells> RocketY{"RocketY"};
    CheckedArray<std::int16_t, kPlayerCells> RocketVY{"RocketVY"};
    CheckedArray<std::int16_t, kPlayerCells> Steer{"Steer"};
    CheckedArray<std::int16_t, kPlayerCells> Thrust{"Thrust"};
    CheckedArray<std::int16_t, kPlayerCells> RocketPose{"RocketPose"};
    CheckedArray<std::int16_t, kPlayerCells> Flame{"Flame"};

    CheckedArray<std::int16_t, kStarCount> StarCX{"StarCX"};
    CheckedArray<std::int16_t, kStarCount> StarCY{"StarCY"};
    CheckedArray<std::int16_t, kStarCount> StarDX{"StarDX"};
    CheckedArray<std::int16_t, kStarCount> StarDY{"StarDY"};

    CheckedArray<std::int16_t, kMeteorSlots> MeteorX{"MeteorX"};
    CheckedArray<std::int16_t, kMeteorSlots> MeteorY{"MeteorY"};
    CheckedArray<std::int16_t, kMeteorSlots> MeteorSize{"MeteorSize"};
    CheckedArray<std::int16_t, kMeteorSlots> MeteorFrame{"MeteorFrame"};
    CheckedArray<std::int16_t, kMeteorSlots> MeteorTick{"MeteorTick"};

    CheckedArray<std::int16_t, kDebrisCount> DebrisX{"DebrisX"};
    CheckedArray<std::int16_t, kDebrisCount> DebrisY{"DebrisY"};
    CheckedArray<std::int16_t, kDebrisCount> DebrisVX{"DebrisVX"};
    CheckedArray<std::int16_t, kDebrisCount> DebrisVY{"DebrisVY"};
};

} // namespace skyvane
