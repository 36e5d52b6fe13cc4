// On X11 a close request is a WM_DELETE_WINDOW client message, seen here before Qt drops it.
#include "CloseRequests.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace skyvane {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

class CloseRequests::Watch : public QAbstractNativeEventFilter {
public:
    Watch(QWidget& window, xcb_connection_t* connection)
        : window_(window), protocolsAtom_(internAtom(connection, "WM_PROTOCOLS")),
          deleteWindowAtom_(internAtom(connection, "WM_DELETE_WINDOW"))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~Watch() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // QWidget::close() is not dropped for a blocked window, unlike the window system's request.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t" || !isDeleteRequest(*static_cast<const xcb_generic_event_t*>(message)))
            return false;
        window_.close();
        return true;
    }

private:
    bool isDeleteRequest(const xcb_generic_event_t& event) const
    {
        if ((event.response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto& client = reinterpret_cast<const xcb_client_message_event_t&>(event);
        return client.type == protocolsAtom_ && client.format == 32 && client.data.data32[0] == deleteWindowAtom_ &&
               client.window == window_.winId();
    }

    QWidget& window_;
    xcb_atom_t protocolsAtom_;
    xcb_atom_t deleteWindowAtom_;
};

CloseRequests::CloseRequests(QWidget& window)
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && x11 && x11->connection())
        watch_ = std::make_unique<Watch>(window, x11->connection());
}

CloseRequests::~CloseRequests() = default;

} // namespace skyvane
