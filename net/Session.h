#pragma once
// One machine's end of a net game, over ENet. The host listens for one player and turns every
// other machine away, and answers machines looking for games on its port; the joining machine
// connects, gives the join code and its version, and is welcomed or refused. Once the other
// player is here, messages go both ways; a disconnect or a silence longer than kSilenceMs ends
// the session.

#include "JoinCode.h"
#include "Protocol.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;

namespace skyvane::net {

// Why a net game ended or a machine was refused; the other machine learns it with the disconnect.
enum class EndReason : std::uint32_t {
    Silent = 0,         // nothing heard from the other machine for a while
    Left = 1,           // the other player closed the window or left
    Full = 2,           // the host has a player already
    WrongCode = 3,
    OtherVersion = 4,   // another version of the game
    OtherProtocol = 5,  // another protocol altogether
    BadPackets = 6,     // the other machine kept sending what the game cannot take
    GamesDiffer = 7,    // the two machines' states of a frame differed
    NoHello = 8,        // a joining machine connected and said nothing
    NoAnswer = 9,       // the host did not answer in time
};

// What a reason means, for a player: "the join code was wrong".
const char* describe(EndReason reason);

// Told by Session::service of what happened.
class SessionEvents {
public:
    virtual ~SessionEvents() = default;
    virtual void joined() = 0;  // the other player is here
    // A message of the game from the other player; false when it makes no sense in the game as it
    // stands, which counts as a bad packet.
    virtual bool received(const Message& message) = 0;
    virtual void left(EndReason reason) = 0;  // the other player is gone, or refused this machine
    virtual void turnedAway(EndReason reason, const std::string& address) = 0;  // a host refused a machine
};

class Session {
public:
    enum class Side { Host, Joiner };

    static constexpr std::uint16_t kDefaultPort = 28710;
    static constexpr std::uint32_t kJoinMs = 5000;     // for an answer to a join, and for its Hello
    static constexpr std::uint32_t kSilenceMs = 1500;  // nothing heard for this long: the other is gone
    static constexpr std::uint32_t kBeatMs = 100;      // something is sent at least this often
    static constexpr int kMostBadPackets = 20;         // then the other machine is disconnected
    static constexpr int kMostEventsPerService = 256;  // a flood cannot hold the game in service()

    // Listens for a player on the port (0: any free port); null when the port cannot be had.
    static std::unique_ptr<Session> host(std::uint16_t port, JoinCode code, std::string_view version);
    // Starts to join the host at address:port; null when the address does not resolve.
    static std::unique_ptr<Session> join(const std::string& address, std::uint16_t port, JoinCode code,
                                         std::string_view version);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Handles what arrived and what is due, telling events; returns without waiting.
    void service(SessionEvents& events);
    // To the other player, once here: inputs and beats unreliably, all else reliably and in order.
    void send(const Message& message);
    // Ends the session with the other player for the reason, once what is queued has gone out.
    void end(EndReason reason);
    // Ends it at once, as the program ends.
    void leave();

    Side side() const { return side_; }
    bool connected() const { return welcomed_; }
    // A joining machine's session is over once refused or left; a host listens again.
    bool over() const { return over_; }
    std::uint16_t port() const;
    std::uint32_t roundTripMs() const;
    const JoinCode& code() const { return code_; }

private:
    Session(Side side, _ENetHost* host, JoinCode code, std::string_view version);
    void handleConnect(_ENetPeer* peer, std::uint32_t data, SessionEvents& events);
    void handleReceive(_ENetPeer* peer, std::span<const std::uint8_t> bytes, SessionEvents& events);
    void handleDisconnect(_ENetPeer* peer, std::uint32_t data, SessionEvents& events);
    void handleHello(const Hello& hello, SessionEvents& events);
    void transmit(const Message& message);
    void checkTimes(SessionEvents& events);
    void countBadPacket(SessionEvents& events);
    void turnAway(_ENetPeer* peer, EndReason reason, SessionEvents& events);
    void lose(EndReason reason, SessionEvents& events);
    void dropPlayer();
    static int answerDiscovery(_ENetHost* host, _ENetEvent* event);

    Side side_;
    _ENetHost* host_;
    JoinCode code_;
    VersionText version_{};
    std::string name_;             // the machine's, for games found on the network
    _ENetPeer* player_ = nullptr;  // the other player's machine, from its connect on
    bool welcomed_ = false;
    bool over_ = false;
    std::uint32_t since_ = 0;      // when the other machine connected or the join began
    std::uint32_t lastHeard_ = 0;
    std::uint32_t lastSent_ = 0;
    int badPackets_ = 0;
};

} // namespace skyvane::net
