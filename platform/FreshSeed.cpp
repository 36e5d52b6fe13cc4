#include "FreshSeed.h"

#include <random>

namespace skyvane {

std::uint64_t freshSeed()
{
    std::random_device device;
    return (std::uint64_t{device()} << 32u) | device();
}

} // namespace skyvane
