#pragma once
// Keeps a fixed-size window at its size and in its normal state, whatever the title bar, the
// window manager or the compositor asks: maximise and full-screen requests are turned back.

class QWindow;

namespace skyvane {

// Guards the top-level window for as long as it exists; call before it is first shown.
void keepNormalState(QWindow& window);

} // namespace skyvane
