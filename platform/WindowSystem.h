#pragma once
// Which window system Qt runs the program on, and what happens when there is none to open.

namespace skyvane {

// Whether Qt's platform is a Wayland client, under any of its names ("wayland",
// "wayland-egl", ...). Call once the application object exists.
bool runsOnWayland();

// Whether the environment names a window system to open: an X display (DISPLAY), a Wayland
// display (WAYLAND_DISPLAY) or a Qt platform chosen by hand (QT_QPA_PLATFORM).
bool displayNamed();

// While it lives, a window system that Qt cannot open ends the program at once with the message
// on standard error and the exit code, instead of Qt's abort and its core file. Qt's warnings
// before that still go where they went.
class WindowSystemOpening {
public:
    WindowSystemOpening(const char* message, int exitCode);
    ~WindowSystemOpening();
    WindowSystemOpening(const WindowSystemOpening&) = delete;
    WindowSystemOpening& operator=(const WindowSystemOpening&) = delete;
};

} // namespace skyvane
