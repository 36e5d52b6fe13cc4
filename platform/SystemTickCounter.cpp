#include "SystemTickCounter.h"

#include <ctime>

namespace skyvane {

std::int32_t truncateTickCount(std::uint64_t milliseconds)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds));
}

std::int32_t SystemTickCounter::GetTickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return truncateTickCount(milliseconds);
}

} // namespace skyvane
