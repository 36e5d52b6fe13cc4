#pragma once
// Close requests from the window manager, seen before Qt's own handling. Qt drops a close
// request for a window that a modal box blocks; this program must end on every one.

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

namespace skyvane {

class X11CloseRequests : public QAbstractNativeEventFilter {
public:
    // Calls onClose for each WM_DELETE_WINDOW request to window. Does nothing off X11.
    X11CloseRequests(QWidget& window, std::function<void()> onClose);
    ~X11CloseRequests() override;
    X11CloseRequests(const X11CloseRequests&) = delete;
    X11CloseRequests& operator=(const X11CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QWidget& window_;
    std::function<void()> onClose_;
    quint32 protocolsAtom_ = 0;
    quint32 deleteWindowAtom_ = 0;
};

} // namespace skyvane
