#pragma once
// Keeps a fixed-size window in its normal state. Maximise and full-screen requests are turned
// back. On Wayland, where Qt draws the title bar itself, its maximise button is made inert: a
// compositor that maximises a window requires its next frame to fill the screen and ends the
// connection of a fixed-size window that cannot.

class QWindow;

namespace skyvane {

// Guards the top-level window for as long as it exists; call before it is first shown.
void keepNormalState(QWindow& window);

} // namespace skyvane
