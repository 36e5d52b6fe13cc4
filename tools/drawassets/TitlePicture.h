#pragma once
// The title picture, shown over the play area while no game runs.

#include <QImage>

namespace skyvane::drawassets {

// 320 x 240: stars on black, the pilot floating to the right with the rocket tube on the back,
// and "Skyvane" at the lower right.
class TitlePicture {
public:
    static constexpr int Width = 320;
    static constexpr int Height = 240;

    static QImage draw();
};

} // namespace skyvane::drawassets
