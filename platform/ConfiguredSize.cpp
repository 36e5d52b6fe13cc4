#include "ConfiguredSize.h"

#include "WindowSystem.h"

#include <QEvent>
#include <QRegion>
#include <QWindow>

namespace skyvane {

namespace {

constexpr int kLargestWindowSide = (1 << 24) - 1;  // Qt's own bound on a window's size

class WaylandSizeFollower : public QObject {
public:
    explicit WaylandSizeFollower(QWindow& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            liftSizeLimits();  // a widget may have fixed them just before, as a message box does
        else if (event->type() == QEvent::Expose || event->type() == QEvent::Resize)
            keepBordersFromInput();
        return false;
    }

private:
    void liftSizeLimits()
    {
        window_.setMinimumSize(QSize(0, 0));
        window_.setMaximumSize(QSize(kLargestWindowSide, kLargestWindowSide));
    }

    // Qt's title bar starts a resize from a press on the outer band of its margins, as wide as
    // the bottom margin; the rest of the title bar and its buttons keep their input. A title bar
    // of the compositor's own, or none in full screen, leaves no margins and the whole window
    // takes input.
    void keepBordersFromInput()
    {
        const QMargins margins = window_.frameMargins();
        if (margins.top() <= 0) {
            window_.setMask(QRegion());
            return;
        }
        const QRect surface(QPoint(), window_.frameGeometry().size());
        window_.setMask(QRegion(surface.adjusted(margins.left(), margins.bottom(), -margins.right(), -margins.bottom())));
    }

    QWindow& window_;
};

} // namespace

void followConfiguredSize(QWindow& window)
{
    if (runsOnWayland())
        new WaylandSizeFollower(window);
}

} // namespace skyvane
