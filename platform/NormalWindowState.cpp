#include "NormalWindowState.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRegion>
#include <QWindow>

namespace skyvane {

namespace {

constexpr Qt::WindowStates kResizingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// Qt's own Wayland title bar holds 18-pixel buttons 5 pixels apart, the last one 8 pixels from
// the right edge: close, maximise, minimise from the right.
QRect maximiseButton(QSize frame, int titleBarHeight)
{
    constexpr int kButton = 18;
    constexpr int kSpacing = 5;
    constexpr int kRightMargin = 8;
    return {frame.width() - kRightMargin - 2 * kButton - kSpacing, (titleBarHeight - kButton) / 2, kButton, kButton};
}

// The window takes no input on its maximise button; with a title bar drawn by the compositor
// (no frame margins of Qt's own) nothing changes.
void disarmMaximiseButton(QWindow& window)
{
    const int titleBarHeight = window.frameMargins().top();
    if (titleBarHeight <= 0)
        return;
    const QSize frame = window.frameGeometry().size();
    window.setMask(QRegion(QRect(QPoint(), frame)) - QRegion(maximiseButton(frame, titleBarHeight)));
}

class MaximiseButtonGuard : public QObject {
public:
    explicit MaximiseButtonGuard(QWindow& window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Resize)
            disarmMaximiseButton(*static_cast<QWindow*>(watched));
        return false;
    }
};

} // namespace

void keepNormalState(QWindow& window)
{
    QObject::connect(&window, &QWindow::windowStateChanged, &window, [&window](Qt::WindowState state) {
        if (kResizingStates.testFlag(state))
            window.setWindowStates(window.windowStates() & ~kResizingStates);
    });
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        new MaximiseButtonGuard(window);
}

} // namespace skyvane
