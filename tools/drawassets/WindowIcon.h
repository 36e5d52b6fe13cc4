#pragma once
// The icon: a white rocket on the diagonal, for the window and the program file at 32 x 32 and
// for the desktop at every size its icon theme looks for.

#include <QImage>
#include <array>

namespace skyvane::drawassets {

// Square with alpha: nose at the upper left, fins at the lower right, transparent elsewhere.
class WindowIcon {
public:
    static constexpr int Size = 32;
    // The hicolor theme's sizes; each is drawn from the outlines at its own size.
    static constexpr std::array DesktopSizes{16, 24, 32, 48, 64, 128, 256};

    // The window's icon, Size pixels square.
    static QImage draw() { return draw(Size); }
    // The same rocket size pixels square, its outlines somewhat thicker below Size.
    static QImage draw(int size);
};

} // namespace skyvane::drawassets
