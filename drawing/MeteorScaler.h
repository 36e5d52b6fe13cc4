#pragma once
// Draws a meteor frame scaled to any size from 1 to 150 straight onto a surface.

#include "MeteorFrames.h"
#include "NearestScale.h"
#include "SpriteRaster.h"

namespace skyvane {

// The result equals scaling mask and image to a size x size square by nearest pixel and copying
// them with AND and then XOR, but only the rows and columns that can change a pixel are visited, each
// sampled from the frame as it is combined.
class MeteorScaler {
public:
    // Pixels beyond the last column of a frame row that drawing reads (and ignores): the meteor
    // surface must reach at least this far past the strip.
    static constexpr int kReadAhead = 8;

    // The meteor surface must outlive this and never be written (see MeteorFrames).
    explicit MeteorScaler(const QImage& meteorSurface);

    // Draws frame 0..9 at size 1..150 with its top left corner at (left, top), clipped to the
    // target, which must be RGB32. Returns whether the square overlaps the target.
    bool draw(const PixelRows& target, int left, int top, int size, int frame) const;

private:
    NearestScale scale_;
    MeteorFrames frames_;
    bool permuted_;  // the AVX2 kernel draws the larger sizes
};

} // namespace skyvane
