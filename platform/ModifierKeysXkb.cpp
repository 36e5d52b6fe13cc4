// X11 and Wayland report a key's keysym as its native code.
#include "ModifierKeys.h"

namespace skyvane {

std::optional<std::uint8_t> modifierKeyOf(std::uint32_t keysym)
{
    switch (keysym) {
    case 0: return std::nullopt;  // an event made by a program, not by the keyboard
    case 0xffe1: return ModifierKey::LeftShift;
    case 0xffe2: return ModifierKey::RightShift;
    case 0xffe3: return ModifierKey::LeftCtrl;
    case 0xffe4: return ModifierKey::RightCtrl;
    case 0xffe7: case 0xffe9: return ModifierKey::LeftAlt;   // Meta_L, Alt_L
    case 0xffe8: case 0xffea: return ModifierKey::RightAlt;  // Meta_R, Alt_R
    default: return ModifierKey::None;
    }
}

} // namespace skyvane
