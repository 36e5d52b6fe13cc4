#pragma once
// The game as rollback plays it: the game state with the random generator of the net game,
// snapshots of recent frames, and frames run again through a muted drawing and muted controls.

#include "RollbackGame.h"
#include "game/Game.h"
#include "game/GameState.h"
#include "game/MutedWorld.h"
#include "platform/DeterministicRandom.h"

#include <array>

namespace skyvane::net {

// Every frame of a net game shows nothing of the window's controls: the net game shows the
// message label from the present frame's state itself, as frames may be run again.
class GameFrames : public RollbackGame {
public:
    // The world's random source is not used: a net game draws from its own seeded generator.
    GameFrames(GameState& state, const World& world);

    void setUp(std::uint64_t seed) override;
    void advance(const FrameInputs& inputs, bool drawn) override;
    void save(std::int32_t frame) override;
    void load(std::int32_t frame) override;
    std::uint32_t checksum(std::int32_t frame) const override;
    void tail() override;

private:
    struct Snapshot {
        GameState state;
        DeterministicRandom random;
    };
    Snapshot& snapshotOf(std::int32_t frame);
    const Snapshot& snapshotOf(std::int32_t frame) const;

    GameState& state_;
    DeterministicRandom random_;
    MutedDrawing mutedDrawing_;
    MutedControls mutedControls_;
    Game game_;          // the set-up and the tail, on the window's controls
    World drawnWorld_;   // frames that are shown
    World mutedWorld_;   // frames run again
    std::array<Snapshot, kSavedFrames> snapshots_{};
};

// A checksum of every variable of the state, in their fixed order, and of the random generator.
std::uint32_t checksumOf(const GameState& state, const DeterministicRandom& random);

} // namespace skyvane::net
