// Windows reports both keys of a pair under one virtual-key code, so the sides cannot be told
// apart: the event's own modifier state is taken instead.
#include "ModifierKeys.h"

namespace skyvane {

std::optional<std::uint8_t> modifierKeyOf(std::uint32_t) { return std::nullopt; }

} // namespace skyvane
