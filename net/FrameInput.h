#pragma once
// The input of a frame: what a frame uses of one player's keys. Both machines of a net game
// apply both players' inputs at the start of each frame, so both run the same frame.

#include "game/GameState.h"

#include <array>
#include <cstdint>
#include <optional>

namespace skyvane::net {

struct FrameInput {
    std::int8_t steer = 0;  // the player's Steer cell: -1 left, 0 none, +1 right
    bool thrust = false;    // the player's Thrust cell
    bool escape = false;    // Esc was pressed: the game ends before this frame

    bool operator==(const FrameInput&) const = default;

    // One byte: bits 0 and 1 the steering plus one, bit 2 thrust, bit 3 Esc, the rest 0.
    std::uint8_t pack() const;
    // Nothing for a byte that no input packs to.
    static std::optional<FrameInput> unpack(std::uint8_t byte);
};

using FrameInputs = std::array<FrameInput, 2>;  // player 1's, then player 2's

// This machine's player's input from the cells its key handlers set: either set of keys flies
// that player, so a player may use the arrows, Z/X/Shift or a pad as they like, the arrows
// ruling the steering when both are held. Esc shows as Playing cleared in the cells.
FrameInput readKeyCells(const GameState& keys);

// The start of a frame: both players' cells as their inputs say; an Esc of either ends the game.
void applyFrameInputs(GameState& s, const FrameInputs& inputs);

} // namespace skyvane::net
