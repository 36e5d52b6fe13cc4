#pragma once
// What rollback needs of the game, and all it touches: a new game from a seed, one frame
// advanced with both players' inputs, the state of a frame saved and loaded again, and a
// checksum of a saved state. The game never learns that it is played over a network.

#include "FrameInput.h"

#include <cstdint>

namespace skyvane::net {

class RollbackGame {
public:
    virtual ~RollbackGame() = default;

    // Sets a game up from the same state on both machines, with the seed, and saves it as frame 0.
    virtual void setUp(std::uint64_t seed) = 0;
    // Runs the next frame from the inputs; a frame that is not drawn draws and shows nothing.
    virtual void advance(const FrameInputs& inputs, bool drawn) = 0;
    // Saves the state as that of the frame, and loads the saved state of a frame; the most
    // recent kSavedFrames frames are kept.
    virtual void save(std::int32_t frame) = 0;
    virtual void load(std::int32_t frame) = 0;
    // A checksum of the saved state of a frame.
    virtual std::uint32_t checksum(std::int32_t frame) const = 0;
    // After the last frame: the title again.
    virtual void tail() = 0;

    static constexpr std::int32_t kSavedFrames = 16;
};

} // namespace skyvane::net
