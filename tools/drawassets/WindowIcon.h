#pragma once
// The window icon: a white rocket on the diagonal.

#include <QImage>

namespace skyvane::drawassets {

// 32 x 32 with alpha: nose at the upper left, fins at the lower right, transparent elsewhere.
class WindowIcon {
public:
    static constexpr int Size = 32;

    static QImage draw();
};

} // namespace skyvane::drawassets
