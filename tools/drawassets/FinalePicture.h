#pragma once
// The finale picture: the pilot in profile, flying to the right.

#include <QImage>

namespace skyvane::drawassets {

// 50 x 50, greys on black with no mask: it is painted whole, ground included. The figure lies
// within x 7 to 42 and y 2 to 48.
class FinalePicture {
public:
    static constexpr int Size = 50;

    static QImage draw();
};

} // namespace skyvane::drawassets
