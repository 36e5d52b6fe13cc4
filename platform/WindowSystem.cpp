#include "WindowSystem.h"

#include <QGuiApplication>

namespace skyvane {

bool runsOnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

} // namespace skyvane
