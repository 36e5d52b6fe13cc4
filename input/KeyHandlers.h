#pragma once
// The two key handlers: they record which keys are down in the steering and thrust cells
// and let Esc end a running game. Key codes are virtual-key codes; shift is the modifier
// mask after the event (1 Shift, 2 Ctrl, 4 Alt).

#include "game/GameState.h"

#include <cstdint>

namespace skyvane {

namespace KeyCode {
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Left = 37;
constexpr std::int16_t Up = 38;
constexpr std::int16_t Right = 39;
constexpr std::int16_t X = 88;
constexpr std::int16_t Z = 90;
} // namespace KeyCode

namespace ShiftMask {
constexpr std::int16_t Shift = 1;
constexpr std::int16_t Ctrl = 2;
constexpr std::int16_t Alt = 4;
} // namespace ShiftMask

void Form_KeyDown(GameState& s, std::int16_t keyCode, std::int16_t shift);
void Form_KeyUp(GameState& s, std::int16_t keyCode, std::int16_t shift);

} // namespace skyvane
