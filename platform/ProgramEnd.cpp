#include "ProgramEnd.h"

#include <QGuiApplication>

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
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        endProcessNow(exitCode);
    return exitCode;
}

} // namespace skyvane
