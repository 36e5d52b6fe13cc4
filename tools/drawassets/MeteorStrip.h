#pragma once
// The meteor strip: ten views of one tumbling rock and their masks.

#include <QImage>

namespace skyvane::drawassets {

// 1000 x 200: frame k's 100 x 100 image cell at (100 k, 0) on exact black, its mask 100 px below.
class MeteorStrip {
public:
    static constexpr int CellSize = 100;
    static constexpr int Frames = 10;
    static constexpr int MaskOffset = 100;

    static QImage draw();
};

} // namespace skyvane::drawassets
