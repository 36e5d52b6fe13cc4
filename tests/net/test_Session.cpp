// Sessions over loopback: who is let in, who is turned away and why, on both sides; a machine
// that keeps sending what the game cannot take is disconnected; a host answers machines looking
// for games.
#include "net/Discovery.h"
#include "net/JoinCode.h"
#include "net/Session.h"

#include <enet/enet.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

using namespace skyvane::net;
using namespace std::chrono_literals;

namespace {

const JoinCode kCode = *readJoinCode("K7PQ");

class Heard : public SessionEvents {
public:
    void joined() override { ++joins; }
    bool received(const Message&) override { return true; }
    void left(EndReason reason) override { gone.push_back(reason); }
    void turnedAway(EndReason reason, const std::string&) override { refused.push_back(reason); }
    int joins = 0;
    std::vector<EndReason> gone;
    std::vector<EndReason> refused;
};

struct Machine {
    std::unique_ptr<Session> session;
    Heard heard;
};

// Services every machine until done() or three seconds have passed; false on the time-out.
bool serviceUntil(std::initializer_list<Machine*> machines, const std::function<bool()>& done,
                  const std::function<void()>& alsoEachTime = [] {})
{
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        for (Machine* machine : machines)
            machine->session->service(machine->heard);
        alsoEachTime();
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

Machine joining(std::uint16_t port, const char* code, const char* version)
{
    return Machine{Session::join("127.0.0.1", port, *readJoinCode(code), version), {}};
}

// A machine that speaks ENet but not necessarily this game: it connects with the connect data
// given and sends whatever bytes the test wants.
class RawPeer {
public:
    RawPeer(std::uint16_t port, std::uint32_t data) : host_(enet_host_create(nullptr, 1, 2, 0, 0))
    {
        ENetAddress address{};
        enet_address_set_host_ip(&address, "127.0.0.1");
        address.port = port;
        peer_ = enet_host_connect(host_, &address, 2, data);
    }
    ~RawPeer() { enet_host_destroy(host_); }
    RawPeer(const RawPeer&) = delete;
    RawPeer& operator=(const RawPeer&) = delete;

    void service()
    {
        ENetEvent event;
        while (enet_host_service(host_, &event, 0) > 0) {
            if (event.type == ENET_EVENT_TYPE_CONNECT)
                connected = true;
            if (event.type == ENET_EVENT_TYPE_DISCONNECT)
                disconnectedWith = event.data;
            if (event.type == ENET_EVENT_TYPE_RECEIVE)
                enet_packet_destroy(event.packet);
        }
    }
    void send(const std::vector<std::uint8_t>& bytes)
    {
        enet_peer_send(peer_, 0, enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
        enet_host_flush(host_);
    }

    bool connected = false;
    std::optional<std::uint32_t> disconnectedWith;

private:
    ENetHost* host_;
    ENetPeer* peer_;
};

} // namespace

TEST(Session, AWrongCodeAnotherVersionOrAThirdMachineIsRefusedOnBothSidesWithTheReason)
{
    Machine host{Session::host(0, kCode, "1.00"), {}};
    ASSERT_NE(host.session, nullptr);
    const std::uint16_t port = host.session->port();

    Machine wrongCode = joining(port, "K7PA", "1.00");
    ASSERT_TRUE(serviceUntil({&host, &wrongCode}, [&] { return wrongCode.session->over(); }));
    EXPECT_EQ(wrongCode.heard.gone, std::vector{EndReason::WrongCode});
    EXPECT_EQ(host.heard.refused, std::vector{EndReason::WrongCode});

    Machine otherVersion = joining(port, "K7PQ", "1.01");
    ASSERT_TRUE(serviceUntil({&host, &otherVersion}, [&] { return otherVersion.session->over(); }));
    EXPECT_EQ(otherVersion.heard.gone, std::vector{EndReason::OtherVersion});

    Machine player = joining(port, "k7pq", "1.00");
    ASSERT_TRUE(serviceUntil({&host, &player}, [&] { return host.session->connected() && player.session->connected(); }));
    EXPECT_EQ(host.heard.joins, 1);
    EXPECT_EQ(player.heard.joins, 1);
    Machine third = joining(port, "K7PQ", "1.00");
    ASSERT_TRUE(serviceUntil({&host, &player, &third}, [&] { return third.session->over(); }));
    EXPECT_EQ(third.heard.gone, std::vector{EndReason::Full});
    EXPECT_EQ(third.heard.joins, 0);
    EXPECT_EQ(host.heard.refused, (std::vector{EndReason::WrongCode, EndReason::OtherVersion, EndReason::Full}));

    RawPeer otherProtocol(port, 0x48545450);
    ASSERT_TRUE(serviceUntil({&host, &player}, [&] { return otherProtocol.disconnectedWith.has_value(); },
                             [&] { otherProtocol.service(); }));
    EXPECT_EQ(otherProtocol.disconnectedWith, static_cast<std::uint32_t>(EndReason::OtherProtocol));
    EXPECT_TRUE(host.session->connected() && player.session->connected()) << "the player stays through it all";
    EXPECT_TRUE(host.heard.gone.empty() && player.heard.gone.empty());
}

// Garbage after a proper introduction counts against the machine until it is disconnected.
TEST(Session, AMachineThatKeepsSendingWhatTheGameCannotTakeIsDisconnected)
{
    Machine host{Session::host(0, kCode, "1.00"), {}};
    RawPeer peer(host.session->port(), kProtocol);
    ASSERT_TRUE(serviceUntil({&host}, [&] { return peer.connected; }, [&] { peer.service(); }));
    std::vector<std::uint8_t> hello{1, '1', '.', '0', '0'};
    hello.resize(17, 0);
    hello.insert(hello.end(), kCode.begin(), kCode.end());
    peer.send(hello);
    ASSERT_TRUE(serviceUntil({&host}, [&] { return host.session->connected(); }, [&] { peer.service(); }));
    int sent = 0;
    ASSERT_TRUE(serviceUntil({&host}, [&] { return peer.disconnectedWith.has_value(); }, [&] {
        if (sent++ < 100)
            peer.send({0xFF, 1, 2, 3});
        peer.service();
    }));
    EXPECT_EQ(peer.disconnectedWith, static_cast<std::uint32_t>(EndReason::BadPackets));
    EXPECT_EQ(host.heard.gone, std::vector{EndReason::BadPackets});
    EXPECT_GT(sent, Session::kMostBadPackets);
}

// A machine looking for games finds the host on this machine by its port, with its name and
// whether it has room, and never its join code.
TEST(Session, AHostAnswersMachinesLookingForGamesWithItsNameAndRoomButNotItsCode)
{
    Machine host{Session::host(0, kCode, "1.00"), {}};
    const std::uint16_t port = host.session->port();
    GameFinder finder;
    std::vector<FoundGame> found;
    auto lookFor = [&](bool room) {
        found.clear();
        finder.ask(port);
        return serviceUntil({&host}, [&] {
            for (const FoundGame& game : finder.collect())
                found.push_back(game);
            return std::any_of(found.begin(), found.end(), [&](const FoundGame& g) { return g.answer.room == room; });
        });
    };
    ASSERT_TRUE(lookFor(true)) << "no answer with room";
    const FoundGame game = found.front();
    EXPECT_EQ(game.port, port);
    EXPECT_FALSE(game.answer.name.empty());
    EXPECT_EQ(game.answer.name.find(toString(kCode)), std::string::npos);

    Machine player = joining(port, "K7PQ", "1.00");
    ASSERT_TRUE(serviceUntil({&host, &player}, [&] { return host.session->connected(); }));
    ASSERT_TRUE(lookFor(false)) << "the host, full, does not say so";
    Machine joinedByFound = Machine{Session::join(game.address, game.port, kCode, "1.00"), {}};
    ASSERT_TRUE(serviceUntil({&host, &player, &joinedByFound}, [&] { return joinedByFound.session->over(); }));
    EXPECT_EQ(joinedByFound.heard.gone, std::vector{EndReason::Full});
}
