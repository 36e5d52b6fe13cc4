#include "SystemTickCounter.h"

namespace skyvane {

std::int32_t truncateTickCount(std::uint64_t milliseconds)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds));
}

std::int32_t SystemTickCounter::GetTickCount() { return truncateTickCount(millisecondsSinceBoot()); }

} // namespace skyvane
