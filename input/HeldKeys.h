#pragma once
// Which keys are held, and by what: the keyboard or a game controller standing in for keys.
// Presses reach Form_KeyDown as they come; a key reaches Form_KeyUp once the last of its holders
// lets go, so a key held on the keyboard and on a pad is released when both have let it go.

#include "game/GameState.h"

#include <array>
#include <cstdint>

namespace skyvane {

// The holders of keys, one bit each.
enum class KeyHolder : std::uint8_t { Keyboard = 1, FirstPad = 2, SecondPad = 4 };

class HeldKeys {
public:
    // Virtual-key codes run from 1 to 255; other codes reach the handlers but are not held.
    static constexpr int kCodes = 256;

    void press(GameState& s, KeyHolder holder, std::int16_t keyCode, std::int16_t shift);
    void release(GameState& s, KeyHolder holder, std::int16_t keyCode, std::int16_t shift);
    // Lets go of every key the holder holds, in code order, as release does.
    void releaseAll(GameState& s, KeyHolder holder, std::int16_t shift);

    bool isHeldBy(KeyHolder holder, std::int16_t keyCode) const;

private:
    static bool isHeldCode(std::int16_t keyCode) { return keyCode > 0 && keyCode < kCodes; }

    std::array<std::uint8_t, kCodes> holders_{};  // per code, the holders' bits
};

} // namespace skyvane
