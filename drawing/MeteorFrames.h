#pragma once
// The ten meteor frames of the strip, read in place on the meteor surface.

#include "SpriteRaster.h"
#include "game/GameConstants.h"

#include <QImage>

#include <cstddef>
#include <vector>

namespace skyvane {

// The rows of each frame and of its mask, and for each frame row the span of its non-ground
// pixels: outside it the mask is white and the image black, which leaves any destination as it is.
class MeteorFrames {
public:
    static constexpr int kCellSize = kMeteorFrameSize;
    static constexpr int kFrameCount = kMeteorFrames;

    // The frames at (100 k, 0) of the meteor surface, their masks 100 pixels lower. The surface
    // is read on every draw, so it must outlive this and never be written.
    explicit MeteorFrames(const QImage& meteorSurface);

    // The frame whose image cell starts at frameX, or -1 when frameX starts none.
    static int frameAt(int frameX);

    const QRgb* imageRow(int frame, int y) const { return surface_.row(y) + frame * kCellSize; }
    const QRgb* maskRow(int frame, int y) const { return imageRow(frame, y + kMeteorMaskOffset); }
    Span spanOf(int frame, int y) const { return spans_[rowIndex(frame, y)]; }

private:
    static std::size_t rowIndex(int frame, int y) { return static_cast<std::size_t>(frame * kCellSize + y); }

    ConstPixelRows surface_;
    std::vector<Span> spans_;  // [frame][y]
};

} // namespace skyvane
