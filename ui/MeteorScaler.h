#pragma once
// Draws a meteor frame scaled to any size from 1 to 150 straight onto a surface.

#include "MeteorFrames.h"
#include "NearestScale.h"
#include "SpriteRaster.h"

#include <array>

namespace skyvane {

// The result equals scaling mask and image into the scratch squares and copying them with
// AND and then XOR, but only the rows and columns that can change a pixel are visited.
class MeteorScaler {
public:
    explicit MeteorScaler(const QImage& meteorSurface);

    // Draws frame 0..9 at size 1..150 with its top left corner at (left, top), clipped to the
    // target. Returns whether the square overlaps the target.
    bool draw(const PixelRows& target, int left, int top, int size, int frame);

private:
    void scaleRow(int frame, int sourceRow, const std::uint8_t* sourceColumns, Span columns);

    NearestScale scale_;
    MeteorFrames frames_;
    // One scaled row of the mask and of the image: the scratch squares, a row at a time.
    std::array<QRgb, NearestScale::kLargestSize> scaledMask_{};
    std::array<QRgb, NearestScale::kLargestSize> scaledImage_{};
};

} // namespace skyvane
