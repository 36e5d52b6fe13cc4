#include "SystemTickCounter.h"

#include <windows.h>

namespace skyvane {

std::uint64_t millisecondsSinceBoot() { return ::GetTickCount64(); }

} // namespace skyvane
