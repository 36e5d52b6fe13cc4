#pragma once
// Lets the window system size a top-level window. A Wayland compositor that maximises or
// full-screens a window requires the size it configures to be committed, a tiling one expects
// it, and Qt commits a size only within the window's minimum and maximum: there the window has
// neither. The borders
// of the title bar that Qt draws itself on Wayland take no input, so they cannot be dragged to
// resize the window. On X11 nothing changes: the window's own size hints rule there.

class QWindow;

namespace skyvane {

// Call before the window is first shown; holds for as long as it exists.
void followConfiguredSize(QWindow& window);

} // namespace skyvane
