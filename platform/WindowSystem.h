#pragma once
// Which window system Qt runs the program on, and what happens when there is none to open.

namespace skyvane {

// Whether Qt's platform is a Wayland client, under any of its names ("wayland",
// "wayland-egl", ...). Call once the application object exists.
bool runsOnWayland();

// While it lives, a window system that cannot be opened ends the program at once with the
// message on standard error and the exit code, instead of Qt's abort and its core file: at once
// when the environment names none (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM), after Qt's
// own warnings when Qt fails to open the one named.
class WindowSystemOpening {
public:
    WindowSystemOpening(const char* message, int exitCode);
    ~WindowSystemOpening();
    WindowSystemOpening(const WindowSystemOpening&) = delete;
    WindowSystemOpening& operator=(const WindowSystemOpening&) = delete;
};

} // namespace skyvane
