#include "ProgramEnd.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace skyvane {

int endProgram(int exitCode)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }
    return exitCode;
}

} // namespace skyvane
