#pragma once
// Nearest-pixel sampling of a 100-pixel meteor cell side onto every size from 1 to 150.

#include "SpriteRaster.h"
#include "game/GameConstants.h"

#include <cstdint>
#include <vector>

namespace skyvane {

// Destination index d of a side of size s samples source index floor((d + 0.5) * 100 / s),
// the same for rows and columns, so a mask and its image scale in register.
class NearestScale {
public:
    static constexpr int kSourceSize = kMeteorFrameSize;
    static constexpr int kLargestSize = kMeteorPassSize;

    NearestScale();

    // For size 1..150: the source index of each destination index 0..size-1.
    const std::uint8_t* sourceIndices(int size) const { return &sourceIndex_[rowStart(size)]; }

    // The destination indices that sample a source index inside the given span.
    Span destinationsOf(int size, Span source) const
    {
        const std::uint8_t* first = &firstDestination_[firstStart(size)];
        return {first[source.begin], first[source.end]};
    }

private:
    static std::size_t rowStart(int size) { return static_cast<std::size_t>(size) * kLargestSize; }
    static std::size_t firstStart(int size) { return static_cast<std::size_t>(size) * (kSourceSize + 1); }

    std::vector<std::uint8_t> sourceIndex_;       // [size][destination]
    std::vector<std::uint8_t> firstDestination_;  // [size][source 0..100]: first destination sampling it or beyond
};

} // namespace skyvane
