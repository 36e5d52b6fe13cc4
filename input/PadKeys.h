#pragma once
// A game controller is a set of one player's keys: its controls press and release the keys that
// player has on the keyboard, through the same record of held keys and so the same handlers.

#include "HeldKeys.h"

#include <cstdint>
#include <optional>

namespace skyvane {

// The controls of a pad that the game uses: left and right (the D-pad or the left stick beyond a
// dead zone), thrust (the south button: A / Cross), Start and Back (Select).
enum class PadControl : std::uint8_t { Left, Right, Thrust, Start, Back };

class PadKeys {
public:
    static constexpr int kPads = 2;

    // The first pad flies firstPadPlayer (0 or 1), the second pad the other player.
    PadKeys(HeldKeys& held, int firstPadPlayer);

    // A control of the pad in slot 0 or 1 went down or up: its key is pressed or released on the
    // cells s, the shift state being the keyboard's with any Shift a pad holds. Left and right are
    // the player's steering keys, thrust player 1's up arrow or player 2's Shift, Back is Esc;
    // Start is no key, and the caller's to answer.
    void control(GameState& s, int slot, PadControl control, bool down, std::int16_t keyboardShift);

    // The Shift that player 2's pad holds for thrust, to be added to the keyboard's shift state.
    std::int16_t shiftHeld() const { return shiftHeldBesides(std::nullopt); }

private:
    std::int16_t shiftHeldBesides(std::optional<KeyHolder> holder) const;

    HeldKeys& held_;
    int firstPadPlayer_;
};

} // namespace skyvane
