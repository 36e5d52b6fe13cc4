#pragma once
// Turns Qt key events into the handlers' virtual-key codes and shift masks.

#include "platform/ModifierKeys.h"

#include <QKeyEvent>
#include <cstdint>

namespace skyvane {

// The virtual-key code of the key (37 left, 38 up, 39 right, 27 Esc, 65-90 letters, ...);
// 0 for a key that has none.
std::int16_t virtualKeyCode(const QKeyEvent& event);

// The modifier mask as it is after each event: 1 Shift, 2 Ctrl, 4 Alt.
// Where an event's native key code tells which modifier key it is, the held modifier keys
// are tracked one by one, which stays exact when both Shift keys are down. Other events, such
// as those made by hand, are taken at their modifiers().
class ShiftState {
public:
    std::int16_t afterEvent(const QKeyEvent& event);
    // Starts over from the modifiers held now, e.g. when the window is activated again.
    void resync(Qt::KeyboardModifiers held);

private:
    std::int16_t mask() const;

    std::uint8_t held_ = ModifierKey::None;  // the held modifier keys, one bit each
};

} // namespace skyvane
