#include "HeldKeys.h"

#include "KeyHandlers.h"

namespace skyvane {

namespace {

std::uint8_t bitOf(KeyHolder holder) { return static_cast<std::uint8_t>(holder); }

} // namespace

void HeldKeys::press(GameState& s, KeyHolder holder, std::int16_t keyCode, std::int16_t shift)
{
    if (isHeldCode(keyCode))
        holders_[static_cast<std::size_t>(keyCode)] |= bitOf(holder);
    Form_KeyDown(s, keyCode, shift);
}

// A release of a key the holder did not hold still reaches the handler, unless another holds it:
// the keyboard's releases count whatever pressed the key.
void HeldKeys::release(GameState& s, KeyHolder holder, std::int16_t keyCode, std::int16_t shift)
{
    if (isHeldCode(keyCode)) {
        std::uint8_t& holders = holders_[static_cast<std::size_t>(keyCode)];
        holders = static_cast<std::uint8_t>(holders & ~bitOf(holder));
        if (holders != 0)
            return;
    }
    Form_KeyUp(s, keyCode, shift);
}

void HeldKeys::releaseAll(GameState& s, KeyHolder holder, std::int16_t shift)
{
    for (int code = 1; code < kCodes; ++code) {
        if (isHeldBy(holder, static_cast<std::int16_t>(code)))
            release(s, holder, static_cast<std::int16_t>(code), shift);
    }
}

bool HeldKeys::isHeldBy(KeyHolder holder, std::int16_t keyCode) const
{
    return isHeldCode(keyCode) && (holders_[static_cast<std::size_t>(keyCode)] & bitOf(holder)) != 0;
}

} // namespace skyvane
