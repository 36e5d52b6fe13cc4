#pragma once
// Which modifier key a key event's native key code names.

#include <cstdint>
#include <optional>

namespace skyvane {

// Each modifier key as one bit of a set of held keys.
namespace ModifierKey {
constexpr std::uint8_t None = 0;  // a key that is no modifier
constexpr std::uint8_t LeftShift = 1;
constexpr std::uint8_t RightShift = 2;
constexpr std::uint8_t LeftCtrl = 4;
constexpr std::uint8_t RightCtrl = 8;
constexpr std::uint8_t LeftAlt = 16;
constexpr std::uint8_t RightAlt = 32;
} // namespace ModifierKey

// The modifier key the native code names, None for any other key; nothing when the code
// cannot tell, as for an event made by a program.
std::optional<std::uint8_t> modifierKeyOf(std::uint32_t nativeVirtualKey);

} // namespace skyvane
