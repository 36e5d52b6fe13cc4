#pragma once
// The ten meteor frames of the strip, read once into a form the scaler samples quickly.

#include "SpriteRaster.h"
#include "game/GameConstants.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace skyvane {

// Each pixel of a frame packs its mask (high half) and image (low half), so one load
// serves both passes. Each frame row also knows the span of its non-ground pixels:
// outside it the mask is white and the image black, which leaves any destination as it is.
class MeteorFrames {
public:
    static constexpr int kCellSize = kMeteorFrameSize;
    static constexpr int kFrameCount = kMeteorFrames;

    // The frames at (100 k, 0) of the meteor surface, their masks 100 pixels lower.
    explicit MeteorFrames(const QImage& meteorSurface);

    // The frame whose image cell starts at frameX, or -1 when frameX starts none.
    static int frameAt(int frameX);

    const std::uint64_t* row(int frame, int y) const { return &pixels_[rowIndex(frame, y) * kCellSize]; }
    Span spanOf(int frame, int y) const { return spans_[rowIndex(frame, y)]; }

    static QRgb maskOf(std::uint64_t packed) { return static_cast<QRgb>(packed >> 32); }
    static QRgb imageOf(std::uint64_t packed) { return static_cast<QRgb>(packed); }

private:
    static std::size_t rowIndex(int frame, int y) { return static_cast<std::size_t>(frame * kCellSize + y); }

    std::vector<std::uint64_t> pixels_;  // [frame][y][x]
    std::vector<Span> spans_;            // [frame][y]
};

} // namespace skyvane
