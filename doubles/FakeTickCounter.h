#pragma once
#include "game/World.h"

#include <cstdint>

namespace skyvane::doubles {

// A tick counter that reads whatever it was set to.
class FakeTickCounter : public TickCounter {
public:
    std::int32_t GetTickCount() override { return milliseconds; }
    // Moves on by delta, wrapping as a signed 32-bit counter does.
    void advance(std::int32_t delta)
    {
        milliseconds = static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds) + static_cast<std::uint32_t>(delta));
    }
    std::int32_t milliseconds = 0;
};

} // namespace skyvane::doubles
