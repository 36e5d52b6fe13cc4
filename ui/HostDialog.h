#pragma once
// The dialog that opens a net game to a player on another machine: the UDP port, the join code to
// tell them and this machine's addresses. Leaving it opens nothing.

#include "net/Protocol.h"
#include "net/Session.h"

#include <QDialog>

#include <memory>
#include <string>

class QLabel;
class QSpinBox;

namespace skyvane {

class HostDialog : public QDialog {
    Q_OBJECT
public:
    // A window of its own, as the window that shows it owns it (see showOwnedBox).
    explicit HostDialog(std::string version);
    // The session once hosting began; null when the dialog was left.
    std::unique_ptr<net::Session> takeSession() { return std::move(session_); }

private:
    void begin();

    QSpinBox* port_;
    QLabel* problem_;
    net::JoinCode code_;
    std::string version_;
    std::unique_ptr<net::Session> session_;
};

} // namespace skyvane
