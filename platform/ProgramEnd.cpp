#include "ProgramEnd.h"

#include "WindowSystem.h"

#include <cstdio>
#include <cstdlib>

namespace skyvane {

void endProcessNow(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

int endProgram(int exitCode)
{
    if (runsOnWayland())
        endProcessNow(exitCode);
    return exitCode;
}

} // namespace skyvane
