#pragma once
// The rocket sheet: 18 sprites of the pilot on the rocket pack and their masks.

#include <QImage>

namespace skyvane::drawassets {

// 300 x 300: columns left, upright, right, then the same with flames; rows climbing, level,
// falling; each 50 x 50 image cell on exact black with its mask 150 px below.
class RocketSheet {
public:
    static constexpr int CellSize = 50;
    static constexpr int Columns = 6;
    static constexpr int PoseRows = 3;
    static constexpr int MaskOffset = 150;
    enum class Pose { Climbing, Level, Falling };

    static QImage draw();

    // One image cell on black; right-turned sprites are mirrors of the left-turned ones.
    static QImage drawSprite(Pose pose, int steer, bool flames);
};

} // namespace skyvane::drawassets
