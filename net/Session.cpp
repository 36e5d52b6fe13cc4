#include "Session.h"

#include "Discovery.h"
#include "NetworkLibrary.h"
#include "platform/LocalAddresses.h"

#include <enet/enet.h>

#include <algorithm>
#include <array>

namespace skyvane::net {

namespace {

constexpr std::size_t kChannels = 2;        // reliable and ordered; unreliable for inputs
constexpr enet_uint8 kReliableChannel = 0;
constexpr enet_uint8 kInputChannel = 1;
constexpr std::size_t kHostPeers = 4;       // the player and machines being turned away

VersionText versionText(std::string_view version)
{
    VersionText text{};
    std::copy_n(version.begin(), std::min(version.size(), text.size()), text.begin());
    return text;
}

std::string addressOf(const ENetPeer* peer)
{
    std::array<char, 64> text{};
    if (enet_address_get_host_ip(&peer->address, text.data(), text.size()) != 0)
        return "an unknown address";
    return text.data();
}

// Milliseconds from then to now on ENet's clock, which wraps.
std::uint32_t since(std::uint32_t then) { return enet_time_get() - then; }

// The hosting session being serviced on this thread, for the discovery answer of ENet's raw
// datagram hook, which is told of the ENet host alone.
thread_local const Session* servicedHost = nullptr;

} // namespace

const char* describe(EndReason reason)
{
    switch (reason) {
    case EndReason::Silent: return "nothing was heard from the other machine";
    case EndReason::Left: return "the other player left";
    case EndReason::Full: return "the game has two players already";
    case EndReason::WrongCode: return "the join code was wrong";
    case EndReason::OtherVersion: return "the two machines run different versions of the game";
    case EndReason::OtherProtocol: return "the other machine does not speak this game's protocol";
    case EndReason::BadPackets: return "the other machine kept sending what the game cannot take";
    case EndReason::GamesDiffer: return "the two machines' games differed";
    case EndReason::NoHello: return "the joining machine did not introduce itself";
    case EndReason::NoAnswer: return "the host did not answer";
    }
    return "the net game ended";
}

std::unique_ptr<Session> Session::host(std::uint16_t port, JoinCode code, std::string_view version)
{
    if (!startNetworkLibrary())
        return nullptr;
    const ENetAddress address{ENET_HOST_ANY, port};
    ENetHost* host = enet_host_create(&address, kHostPeers, kChannels, 0, 0);
    if (host == nullptr)
        return nullptr;
    host->intercept = answerDiscovery;
    return std::unique_ptr<Session>(new Session(Side::Host, host, code, version));
}

std::unique_ptr<Session> Session::join(const std::string& address, std::uint16_t port, JoinCode code,
                                       std::string_view version)
{
    if (!startNetworkLibrary())
        return nullptr;
    ENetAddress hostAddress{};
    hostAddress.port = port;
    if (enet_address_set_host(&hostAddress, address.c_str()) != 0)
        return nullptr;
    ENetHost* host = enet_host_create(nullptr, 1, kChannels, 0, 0);
    if (host == nullptr)
        return nullptr;
    std::unique_ptr<Session> session(new Session(Side::Joiner, host, code, version));
    session->player_ = enet_host_connect(host, &hostAddress, kChannels, kProtocol);
    if (session->player_ == nullptr)
        return nullptr;
    return session;
}

Session::Session(Side side, ENetHost* host, JoinCode code, std::string_view version)
    : side_(side), host_(host), code_(code), version_(versionText(version)), name_(machineName()),
      since_(enet_time_get())
{
}

Session::~Session()
{
    leave();
    enet_host_destroy(host_);
}

void Session::service(SessionEvents& events)
{
    ENetEvent event;
    servicedHost = side_ == Side::Host ? this : nullptr;
    // Once a joining machine is welcomed, what follows waits for the next call: the game may
    // be heard by another listener than the join.
    const bool welcomedBefore = welcomed_;
    const auto justWelcomed = [&] { return side_ == Side::Joiner && welcomed_ && !welcomedBefore; };
    for (int handled = 0; handled < kMostEventsPerService && !justWelcomed() && enet_host_service(host_, &event, 0) > 0;
         ++handled) {
        switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT: handleConnect(event.peer, event.data, events); break;
        case ENET_EVENT_TYPE_RECEIVE:
            handleReceive(event.peer, {event.packet->data, event.packet->dataLength}, events);
            enet_packet_destroy(event.packet);
            break;
        case ENET_EVENT_TYPE_DISCONNECT: handleDisconnect(event.peer, event.data, events); break;
        case ENET_EVENT_TYPE_NONE: break;
        }
    }
    servicedHost = nullptr;
    checkTimes(events);
    enet_host_flush(host_);
}

// A discovery request on the host's port is answered with the machine's name and whether the
// game has room; ENet never sees it.
int Session::answerDiscovery(ENetHost* host, ENetEvent*)
{
    if (!isDiscoveryRequest(std::span<const std::uint8_t>(host->receivedData, host->receivedDataLength)))
        return 0;
    if (servicedHost == nullptr || servicedHost->host_ != host)
        return 1;
    std::array<std::uint8_t, kLargestAnswer> answer{};
    ENetBuffer buffer{};
    buffer.data = answer.data();
    buffer.dataLength = writeGameAnswer(GameAnswer{servicedHost->name_, servicedHost->player_ == nullptr}, answer);
    enet_socket_send(host->socket, &host->receivedAddress, &buffer, 1);
    return 1;
}

void Session::send(const Message& message)
{
    if (welcomed_)
        transmit(message);
}

void Session::transmit(const Message& message)
{
    std::array<std::uint8_t, kLargestMessage> bytes{};
    const std::size_t length = writeMessage(message, bytes);
    const bool reliable = isReliable(message);
    ENetPacket* packet = enet_packet_create(bytes.data(), length, reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (packet == nullptr)
        return;
    if (enet_peer_send(player_, reliable ? kReliableChannel : kInputChannel, packet) != 0) {
        enet_packet_destroy(packet);
        return;
    }
    lastSent_ = enet_time_get();
    enet_host_flush(host_);
}

void Session::end(EndReason reason)
{
    if (player_ != nullptr)
        enet_peer_disconnect_later(player_, static_cast<enet_uint32>(reason));
    dropPlayer();
}

void Session::leave()
{
    if (player_ != nullptr) {
        enet_peer_disconnect_now(player_, static_cast<enet_uint32>(EndReason::Left));
        enet_host_flush(host_);
    }
    dropPlayer();
}

std::uint16_t Session::port() const
{
    ENetAddress address{};
    enet_socket_get_address(host_->socket, &address);
    return address.port;
}

std::uint32_t Session::roundTripMs() const { return welcomed_ ? player_->roundTripTime : 0; }

// The host takes the first machine of this protocol while it has no player; the joining
// machine, connected, introduces itself.
void Session::handleConnect(ENetPeer* peer, std::uint32_t data, SessionEvents& events)
{
    if (side_ == Side::Joiner) {
        if (peer == player_)
            transmit(Hello{version_, code_});
        return;
    }
    if (data != kProtocol)
        return turnAway(peer, EndReason::OtherProtocol, events);
    if (player_ != nullptr)
        return turnAway(peer, EndReason::Full, events);
    player_ = peer;
    since_ = enet_time_get();
    lastHeard_ = since_;
    badPackets_ = 0;
}

// Before the welcome only the introduction (to a host) or the welcome (to a joining machine)
// makes sense; after it, everything but those.
void Session::handleReceive(ENetPeer* peer, std::span<const std::uint8_t> bytes, SessionEvents& events)
{
    if (peer != player_)
        return;
    lastHeard_ = enet_time_get();
    const std::optional<Message> message = readMessage(bytes);
    if (!message)
        return countBadPacket(events);
    if (welcomed_) {
        if (std::holds_alternative<Hello>(*message) || std::holds_alternative<Welcome>(*message) ||
            !events.received(*message))
            countBadPacket(events);
        return;
    }
    if (side_ == Side::Host && std::holds_alternative<Hello>(*message))
        return handleHello(std::get<Hello>(*message), events);
    if (side_ == Side::Joiner && std::holds_alternative<Welcome>(*message)) {
        welcomed_ = true;
        return events.joined();
    }
    if (side_ == Side::Host)
        return turnAway(player_, EndReason::BadPackets, events);
    countBadPacket(events);
}

void Session::handleHello(const Hello& hello, SessionEvents& events)
{
    if (hello.version != version_)
        return turnAway(player_, EndReason::OtherVersion, events);
    if (hello.code != code_)
        return turnAway(player_, EndReason::WrongCode, events);
    welcomed_ = true;
    transmit(Welcome{});
    events.joined();
}

void Session::handleDisconnect(ENetPeer* peer, std::uint32_t data, SessionEvents& events)
{
    if (peer != player_)
        return;
    const bool wasWelcomed = welcomed_;
    dropPlayer();
    if (wasWelcomed || side_ == Side::Joiner)
        events.left(data <= static_cast<std::uint32_t>(EndReason::NoAnswer) ? static_cast<EndReason>(data)
                                                                             : EndReason::Silent);
}

// Silence from a player, a join unanswered or a connected machine that never introduces itself.
void Session::checkTimes(SessionEvents& events)
{
    if (player_ == nullptr)
        return;
    if (welcomed_) {
        if (since(lastHeard_) > kSilenceMs)
            return lose(EndReason::Silent, events);
        if (since(lastSent_) >= kBeatMs)
            transmit(Beat{});
        return;
    }
    if (since(since_) <= kJoinMs)
        return;
    if (side_ == Side::Joiner)
        return lose(EndReason::NoAnswer, events);
    turnAway(player_, EndReason::NoHello, events);
}

void Session::countBadPacket(SessionEvents& events)
{
    if (++badPackets_ <= kMostBadPackets)
        return;
    enet_peer_disconnect(player_, static_cast<enet_uint32>(EndReason::BadPackets));
    dropPlayer();
    events.left(EndReason::BadPackets);
}

// A host refuses a machine, telling it why; the joining player, if it was this one, is gone.
void Session::turnAway(ENetPeer* peer, EndReason reason, SessionEvents& events)
{
    enet_peer_disconnect(peer, static_cast<enet_uint32>(reason));
    if (peer == player_)
        player_ = nullptr;
    events.turnedAway(reason, addressOf(peer));
}

void Session::dropPlayer()
{
    player_ = nullptr;
    welcomed_ = false;
    over_ = side_ == Side::Joiner;
}

// The other machine is given up without a word: it is not there to hear one.
void Session::lose(EndReason reason, SessionEvents& events)
{
    enet_peer_reset(player_);
    dropPlayer();
    events.left(reason);
}

} // namespace skyvane::net
