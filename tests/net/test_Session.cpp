// A session over loopback: a host answers machines looking for games; who is let in, who is
// turned away and why, on both sides; a machine that keeps sending what the game cannot take is
// disconnected.
#include "net/Discovery.h"
#include "net/JoinCode.h"
#include "net/Session.h"

#include <enet/enet.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

using namespace skyvane::net;
using namespace std::chrono_literals;

namespace {

const JoinCode kCode = *readJoinCode("K7PQ");

// A session and what it told.
struct Machine : SessionEvents {
    explicit Machine(std::unique_ptr<Session> s) : session(std::move(s)) {}
    Machine(std::uint16_t port, const char* code, const char* version)
        : Machine(Session::join("127.0.0.1", port, *readJoinCode(code), version)) {}
    void joined() override { ++joins; }
    bool received(const Message&) override { return true; }
    void left(EndReason reason) override { gone.push_back(reason); }
    void turnedAway(EndReason reason, const std::string&) override { refused.push_back(reason); }

    std::unique_ptr<Session> session;
    int joins = 0;
    std::vector<EndReason> gone;
    std::vector<EndReason> refused;
};

// Services every machine until done() or three seconds have passed; false on the time-out.
bool serviceUntil(std::initializer_list<Machine*> machines, const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        for (Machine* machine : machines)
            machine->session->service(*machine);
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// A machine that speaks ENet but not necessarily this game: it connects with the connect data
// given and sends whatever bytes the test wants.
struct RawPeer {
    RawPeer(std::uint16_t port, std::uint32_t data)
    {
        const ENetAddress address{ENET_HOST_TO_NET_32(INADDR_LOOPBACK), port};
        link = enet_host_connect(host.get(), &address, 2, data);
    }
    // Handles what has arrived; whether the host has disconnected this machine.
    bool gone()
    {
        for (ENetEvent event; enet_host_service(host.get(), &event, 0) > 0;) {
            if (event.type == ENET_EVENT_TYPE_DISCONNECT)
                disconnectedWith = event.data;
            if (event.type == ENET_EVENT_TYPE_RECEIVE)
                enet_packet_destroy(event.packet);
        }
        return disconnectedWith.has_value();
    }
    void send(const std::vector<std::uint8_t>& bytes)
    {
        enet_peer_send(link, 0, enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
    }

    std::unique_ptr<ENetHost, void (*)(ENetHost*)> host{enet_host_create(nullptr, 1, 2, 0, 0),
                                                        enet_host_destroy};
    ENetPeer* link = nullptr;
    std::optional<std::uint32_t> disconnectedWith;
};

} // namespace

// One host through its life: found by a machine looking for games, with its name and whether it
// has room but never its join code; a wrong code and another version turned away, then a player
// let in, then a third machine, come by the address the host answered from, and another protocol
// turned away while the player stays; once the player has left, a machine that sends garbage.
TEST(Session, AHostIsFoundWithoutItsCodeRefusesWhomItMustWithTheReasonAndDisconnectsAMachineSendingGarbage)
{
    Machine host(Session::host(0, kCode, "1.00"));
    ASSERT_NE(host.session, nullptr);
    const std::uint16_t port = host.session->port();
    GameFinder finder;
    // The first answer from the host's port with room or without, if one comes in time.
    auto answer = [&](bool room) {
        std::optional<FoundGame> found;
        finder.ask(port);
        serviceUntil({&host}, [&] {
            for (const FoundGame& game : finder.collect())
                if (game.answer.room == room && game.port == port)
                    found = game;
            return found.has_value();
        });
        return found;
    };
    const std::optional<FoundGame> game = answer(true);
    ASSERT_TRUE(game.has_value()) << "no answer with room";
    EXPECT_FALSE(game->answer.name.empty());
    EXPECT_EQ(game->answer.name.find(toString(kCode)), std::string::npos);

    for (const auto& [code, version, reason] :
         {std::tuple{"K7PA", "1.00", EndReason::WrongCode}, {"K7PQ", "1.01", EndReason::OtherVersion}}) {
        Machine refused(port, code, version);
        ASSERT_TRUE(serviceUntil({&host, &refused}, [&] { return refused.session->over(); }));
        EXPECT_EQ(refused.gone, std::vector{reason});
    }

    Machine player(port, "k7pq", "1.00");
    auto bothConnected = [&] { return host.session->connected() && player.session->connected(); };
    ASSERT_TRUE(serviceUntil({&host, &player}, bothConnected));
    EXPECT_EQ(host.joins, 1);
    EXPECT_EQ(player.joins, 1);
    ASSERT_TRUE(answer(false).has_value()) << "the host, full, does not say so";
    Machine third(Session::join(game->address, game->port, kCode, "1.00"));
    ASSERT_NE(third.session, nullptr);
    ASSERT_TRUE(serviceUntil({&host, &player, &third}, [&] { return third.session->over(); }));
    EXPECT_EQ(third.gone, std::vector{EndReason::Full});
    EXPECT_EQ(third.joins, 0);
    EXPECT_EQ(host.refused, (std::vector{EndReason::WrongCode, EndReason::OtherVersion, EndReason::Full}));

    RawPeer otherProtocol(port, 0x48545450);
    ASSERT_TRUE(serviceUntil({&host, &player}, [&] { return otherProtocol.gone(); }));
    EXPECT_EQ(otherProtocol.disconnectedWith, static_cast<std::uint32_t>(EndReason::OtherProtocol));
    EXPECT_TRUE(bothConnected()) << "the player stays through it all";
    EXPECT_TRUE(host.gone.empty() && player.gone.empty());

    // Garbage after a proper introduction counts against a player until it is disconnected.
    player.session->leave();
    ASSERT_TRUE(serviceUntil({&host}, [&] { return !host.session->connected(); })) << "it listens again";
    RawPeer garbler(port, kProtocol);
    ASSERT_NE(garbler.link, nullptr);
    auto connected = [&] { return !garbler.gone() && garbler.link->state == ENET_PEER_STATE_CONNECTED; };
    ASSERT_TRUE(serviceUntil({&host}, connected));
    garbler.send({1, '1', '.', '0', '0', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'K', '7', 'P', 'Q'});  // Hello
    ASSERT_TRUE(serviceUntil({&host}, [&] { return !garbler.gone() && host.session->connected(); }));
    int sent = 0;
    ASSERT_TRUE(serviceUntil({&host}, [&] {
        if (sent++ < 100)
            garbler.send({0xFF, 1, 2, 3});
        return garbler.gone();
    }));
    EXPECT_EQ(garbler.disconnectedWith, static_cast<std::uint32_t>(EndReason::BadPackets));
    EXPECT_EQ(host.gone, (std::vector{EndReason::Left, EndReason::BadPackets}));
    EXPECT_GT(sent, Session::kMostBadPackets);
}
