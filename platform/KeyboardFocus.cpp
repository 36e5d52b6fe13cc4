#include "KeyboardFocus.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace skyvane {

KeyboardFocusWatch::KeyboardFocusWatch(Listener listener) : listener_(std::move(listener))
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QCoreApplication::instance()->installNativeEventFilter(this);
}

// Every X event passes here before Qt handles it; none is taken away from Qt.
bool KeyboardFocusWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const int type = static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7f;
    if (type != XCB_FOCUS_IN && type != XCB_FOCUS_OUT)
        return false;
    // Focus and focus-out events share one layout.
    const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
    // Between the window and a window inside it, the keyboard stays the window's.
    if (focus->detail != XCB_NOTIFY_DETAIL_INFERIOR)
        listener_(focus->event, type == XCB_FOCUS_IN);
    return false;
}

} // namespace skyvane
