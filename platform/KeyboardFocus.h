#pragma once
// Tells at once when the X server moves the keyboard away from a window or back to it. Qt's X11
// platform reports a window's focus change only once it has lasted 100 ms, so after a quicker
// round trip to another window the keys let go over there are never heard. Under any other
// window system Qt's own focus events come in time, and nothing is reported here.

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>

namespace skyvane {

class KeyboardFocusWatch final : public QAbstractNativeEventFilter {
public:
    // Told the native window and whether it has the keyboard now.
    using Listener = std::function<void(std::uintptr_t window, bool hasKeyboard)>;

    // Call once the application object exists. The base class's destructor uninstalls the filter.
    explicit KeyboardFocusWatch(Listener listener);
    KeyboardFocusWatch(const KeyboardFocusWatch&) = delete;
    KeyboardFocusWatch& operator=(const KeyboardFocusWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    Listener listener_;
};

} // namespace skyvane
