#pragma once
#include "game/World.h"

#include <cstdint>

namespace skyvane {

// Milliseconds since boot, truncated to 32 bits and read as signed, so the count wraps to
// negative values after about 24.8 days like the system tick counter.
class SystemTickCounter : public TickCounter {
public:
    std::int32_t GetTickCount() override;
};

// The low 32 bits of a millisecond count, as a signed number.
std::int32_t truncateTickCount(std::uint64_t milliseconds);

// Milliseconds since the system started, from the operating system's monotonic clock.
std::uint64_t millisecondsSinceBoot();

} // namespace skyvane
