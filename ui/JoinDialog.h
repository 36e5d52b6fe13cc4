#pragma once
// The dialog that joins a net game: the games that answer on this network, refreshed every
// second, or an address typed in, and the join code the host gives. Leaving it joins nothing.

#include "net/Discovery.h"
#include "net/NetAddress.h"
#include "net/Protocol.h"

#include <QDialog>
#include <QTimer>

#include <map>

class QLabel;
class QLineEdit;
class QListWidget;

namespace skyvane {

class JoinDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAskMs = 1000;       // the network is asked this often
    static constexpr int kForgetMs = 3000;    // a game not heard of for this long leaves the list

    // A window of its own, as the window that shows it owns it (see showOwnedBox).
    JoinDialog();
    // Once accepted: where to join, with which code.
    const net::NetAddress& address() const { return address_; }
    const net::JoinCode& code() const { return code_; }

private:
    struct Heard {
        net::FoundGame game;
        qint64 when;
    };
    void askAround();
    void listAnswers();
    void join();

    QListWidget* found_;
    QLineEdit* where_;
    QLineEdit* codeText_;
    QLabel* problem_;
    net::GameFinder finder_;
    QTimer asking_;
    QTimer listening_;
    std::map<QString, Heard> heard_;  // by address and port
    net::NetAddress address_;
    net::JoinCode code_{};
};

} // namespace skyvane
