#pragma once
// What the window says of a net game, in the language of its menus.

#include "net/Session.h"

#include <QString>

#include <optional>

namespace skyvane {

// How a window's net game stands, as its status line says it.
struct NetStatus {
    net::Session::Side side = net::Session::Side::Host;
    bool connected = false;
    bool everConnected = false;    // the other player was here at some time
    bool otherWaits = false;       // the other machine waits for this one's inputs
    std::uint16_t port = 0;
    QString code;
    std::uint32_t roundTripMs = 0;
    std::optional<net::EndReason> lastEnd;
};

QString netStatusText(const NetStatus& status);
// The status line once a joining machine's net game is over, or a join never got through.
QString netEndedText(const NetStatus& status);
QString reasonText(net::EndReason reason);

} // namespace skyvane
