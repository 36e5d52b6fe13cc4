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
// are tracked one by one, which stays exact when both Shift keys are down. Every other key
// event brings the record in line with the modifiers the system reports with it.
class ShiftState {
public:
    std::int16_t afterEvent(const QKeyEvent& event);
    // Brings the record in line with the modifiers held now: a pair no longer held is dropped,
    // a pair newly held is recorded by its left key, a pair still held keeps its keys.
    void resync(Qt::KeyboardModifiers held);
    std::int16_t mask() const;

private:
    std::uint8_t held_ = ModifierKey::None;  // the held modifier keys, one bit each
};

} // namespace skyvane
