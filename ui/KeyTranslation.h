#pragma once
// Turns Qt key events into the handlers' virtual-key codes and shift masks.

#include <QKeyEvent>
#include <cstdint>

namespace skyvane {

// The virtual-key code of the key (37 left, 38 up, 39 right, 27 Esc, 65-90 letters, ...);
// 0 for a key that has none.
std::int16_t virtualKeyCode(const QKeyEvent& event);

// The modifier mask as it is after each event: 1 Shift, 2 Ctrl, 4 Alt.
// Events from a real keyboard carry the key's keysym; the held modifier keys are then
// tracked one by one, which stays exact when both Shift keys are down. Events made by
// hand carry none and are taken at their modifiers().
class ShiftState {
public:
    std::int16_t afterEvent(const QKeyEvent& event);
    // Starts over from the modifiers held now, e.g. when the window is activated again.
    void resync(Qt::KeyboardModifiers held);

private:
    enum HeldKey : std::uint8_t {
        LeftShift = 1,
        RightShift = 2,
        LeftCtrl = 4,
        RightCtrl = 8,
        LeftAlt = 16,
        RightAlt = 32,
    };
    std::int16_t mask() const;

    std::uint8_t held_ = 0;
};

} // namespace skyvane
