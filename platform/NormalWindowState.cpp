#include "NormalWindowState.h"

#include "WindowSystem.h"

#include <QEvent>
#include <QWindow>

namespace skyvane {

namespace {

constexpr Qt::WindowStates kResizingStates = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr int kLargestWindowSide = (1 << 24) - 1;  // Qt's own bound on a window's size

// A Wayland compositor that maximises a window requires its next frame to have the configured
// size and ends the connection of a client that commits another. Qt keeps a window within its
// maximum size, so on Wayland the window has none: it takes the size it is configured with,
// only to be turned back, and any other size it is given in its normal state is undone at once.
class WaylandSizeGuard : public QObject {
public:
    explicit WaylandSizeGuard(QWindow& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            window_.setMaximumSize(QSize(kLargestWindowSide, kLargestWindowSide));
        else if (event->type() == QEvent::Resize && (window_.windowStates() & kResizingStates) == 0 &&
                 window_.size() != window_.minimumSize())
            QMetaObject::invokeMethod(&window_, [this] { window_.resize(window_.minimumSize()); }, Qt::QueuedConnection);
        return false;
    }

private:
    QWindow& window_;
};

} // namespace

void keepNormalState(QWindow& window)
{
    // Turned back from the event loop: Qt's Wayland client drops a request that a configure it
    // has not yet applied makes look unchanged.
    QObject::connect(
        &window, &QWindow::windowStateChanged, &window,
        [&window](Qt::WindowState state) {
            if (kResizingStates.testFlag(state))
                window.setWindowStates(window.windowStates() & ~kResizingStates);
        },
        Qt::QueuedConnection);
    if (runsOnWayland())
        new WaylandSizeGuard(window);
}

} // namespace skyvane
