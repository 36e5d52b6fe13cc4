#pragma once
// Which window system Qt runs the program on.

namespace skyvane {

// Whether Qt's platform is a Wayland client, under any of its names ("wayland",
// "wayland-egl", ...). Call once the application object exists.
bool runsOnWayland();

} // namespace skyvane
