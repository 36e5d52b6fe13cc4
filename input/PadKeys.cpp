#include "PadKeys.h"

#include "KeyHandlers.h"

#include <array>

namespace skyvane {

namespace {

constexpr std::int16_t kShiftKey = 16;  // the virtual-key code of either Shift key

constexpr std::int16_t kNoKey = 0;

// Per player, the keys of Left, Right, Thrust, Start (none) and Back, in the controls' order.
constexpr std::array<std::array<std::int16_t, 5>, 2> kKeys{{
    {KeyCode::Left, KeyCode::Right, KeyCode::Up, kNoKey, KeyCode::Escape},
    {KeyCode::Z, KeyCode::X, kShiftKey, kNoKey, KeyCode::Escape},
}};

constexpr std::array<KeyHolder, PadKeys::kPads> kHolders{KeyHolder::FirstPad, KeyHolder::SecondPad};

} // namespace

PadKeys::PadKeys(HeldKeys& held, int firstPadPlayer) : held_(held), firstPadPlayer_(firstPadPlayer) {}

void PadKeys::control(GameState& s, int slot, PadControl control, bool down, std::int16_t keyboardShift)
{
    if (slot < 0 || slot >= kPads)
        return;
    const int player = slot == 0 ? firstPadPlayer_ : 1 - firstPadPlayer_;
    const std::int16_t keyCode = kKeys.at(static_cast<std::size_t>(player)).at(static_cast<std::size_t>(control));
    if (keyCode == kNoKey)
        return;
    const KeyHolder holder = kHolders[static_cast<std::size_t>(slot)];
    // The shift state after the event: the pad's own Shift counts from its press to its release.
    if (down) {
        const std::int16_t own = keyCode == kShiftKey ? ShiftMask::Shift : 0;
        held_.press(s, holder, keyCode, static_cast<std::int16_t>(keyboardShift | shiftHeld() | own));
    } else {
        const std::optional<KeyHolder> lettingGo = keyCode == kShiftKey ? std::optional(holder) : std::nullopt;
        held_.release(s, holder, keyCode, static_cast<std::int16_t>(keyboardShift | shiftHeldBesides(lettingGo)));
    }
}

std::int16_t PadKeys::shiftHeldBesides(std::optional<KeyHolder> holder) const
{
    for (const KeyHolder pad : kHolders)
        if (pad != holder && held_.isHeldBy(pad, kShiftKey))
            return ShiftMask::Shift;
    return 0;
}

} // namespace skyvane
