// Two machines over loopback, through a relay that delays, drops, duplicates and reorders:
// whole games agree frame by frame, and equal the same inputs played on one machine.
#include "NetPeer.h"
#include "Relay.h"

#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "game/Game.h"
#include "game/MutedWorld.h"
#include "net/JoinCode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

using namespace skyvane;
using namespace skyvane::testing;
using namespace std::chrono_literals;

namespace {

constexpr const char* kVersion = "1.00";
const net::JoinCode kCode = *net::readJoinCode("K7PQ");

// The first game ends in its countdown: thrust stops here and the rockets fall out.
constexpr std::int32_t kLastThrust = 60;
constexpr std::int32_t kRestartFrame = 40;  // player 2 restarts the second game
constexpr std::int32_t kEscapeFrame = 50;   // player 1 ends the third
constexpr std::int32_t kNearGoal = 1190;    // the fourth jumps there after its first frame

// Steering and thrust that change every few frames, differently for the two players, so that
// predictions keep failing.
void playPattern(NetPeer& peer)
{
    const std::int32_t frame = peer.net().presentFrame() + 1;
    const bool host = peer.session().side() == net::Session::Side::Host;
    const bool thrust = host ? (frame / 3) % 2 == 0 : (frame / 4) % 2 == 1;
    const int steer = host ? (frame / 6) % 3 - 1 : (frame / 5) % 3 - 1;
    if (peer.net().gameNumber() == 1 && frame > kLastThrust)
        peer.hold(0, false);
    else
        peer.hold(steer, thrust);
}

struct Machines {
    std::unique_ptr<NetPeer> host;
    std::unique_ptr<Relay> relay;
    std::unique_ptr<NetPeer> joiner;
};

Machines connect(const LinkFaults& faults, unsigned seed)
{
    Machines machines;
    auto hostSession = net::Session::host(0, kCode, kVersion);
    const std::uint16_t port = hostSession->port();
    machines.host = std::make_unique<NetPeer>(std::move(hostSession));
    machines.relay = std::make_unique<Relay>(port, faults, seed);
    machines.joiner = std::make_unique<NetPeer>(net::Session::join("127.0.0.1", machines.relay->port(), kCode, kVersion));
    return machines;
}

std::map<std::uint32_t, std::vector<AgreedFrame>> byGame(const std::vector<AgreedFrame>& frames)
{
    std::map<std::uint32_t, std::vector<AgreedFrame>> games;
    for (const AgreedFrame& frame : frames)
        games[frame.game].push_back(frame);
    return games;
}

// The agreed frames of a game played on one machine with the same seed and inputs: the first
// frame where the checksums part, or -1. The net game's frame state stops at the goal, where the
// finale, each machine's own, takes over.
std::int32_t firstFrameUnlikeOneMachine(const std::vector<AgreedFrame>& frames, std::uint64_t seed, bool jumpsNearGoal)
{
    GameState s;
    doubles::FakeTickCounter clock;
    DeterministicRandom random(seed);
    doubles::NullEventPump pump;
    MutedDrawing drawing;
    MutedControls controls;
    Game game(s, World{clock, random, pump, drawing, controls});
    s.PlayerSetting = 1;
    game.setUp();
    for (const AgreedFrame& frame : frames) {
        if (s.Progress >= kGoalFrames - 1)
            break;
        for (int player = 0; player < 2; ++player) {
            s.Steer[player] = frame.inputs[static_cast<std::size_t>(player)].steer;
            s.Thrust[player] = frame.inputs[static_cast<std::size_t>(player)].thrust ? 1 : 0;
        }
        if (frame.inputs[0].escape || frame.inputs[1].escape)
            s.Playing = 0;  // Esc, as its key handler does
        clock.advance(kTickStepMs);
        game.pass();
        if (jumpsNearGoal && frame.frame == 1)
            s.Progress = kNearGoal;
        GameState withoutClock;
        withoutClock = s;
        withoutClock.LastTick = 0;
        if (net::checksumOf(withoutClock, random) != frame.checksum)
            return frame.frame;
    }
    return -1;
}

// Between games each machine says which game it is back from; the one whose turn it is starts
// the next game once the other is back from the same game, as a player waits for the title.
NetPeer::Script betweenGames(bool host, std::atomic<std::uint32_t>& backFrom, const std::atomic<std::uint32_t>& otherBackFrom)
{
    return [host, &backFrom, &otherBackFrom, startsAsked = std::uint32_t{0}](NetPeer& peer) mutable {
        const std::uint32_t game = peer.net().gameNumber();
        if (!peer.session().connected() || peer.net().running())
            return;
        backFrom = game;
        if (game == 4)
            return peer.finish();
        const bool myTurn = host ? (game == 0 || game == 3) : game == 1;
        if (myTurn && otherBackFrom == game && startsAsked <= game) {
            startsAsked = game + 1;
            peer.net().startCommand();
        }
    };
}

NetPeer::Script inGame(bool host, std::atomic<bool>& sawClear)
{
    return [host, &sawClear](NetPeer& peer) {
        playPattern(peer);
        const std::uint32_t game = peer.net().gameNumber();
        const std::int32_t next = peer.net().presentFrame() + 1;
        if (!host && game == 2 && next == kRestartFrame)
            peer.net().startCommand();
        if (host && game == 3 && next == kEscapeFrame)
            peer.pressEscape();
        if (peer.label.shown && peer.label.caption == kClearCaption)
            sawClear = true;
    };
}

void printStats(const char* side, const net::NetStats& stats)
{
    std::printf("%-7s agreed frames %lld, rollbacks %lld, frames run again %.2f on average and %d at most, waits %lld, "
                "steps let pass %lld\n",
                side, static_cast<long long>(stats.agreedFrames), static_cast<long long>(stats.rollbacks),
                stats.rollbacks > 0 ? static_cast<double>(stats.framesRunAgain) / static_cast<double>(stats.rollbacks) : 0.0,
                stats.mostRunAgain, static_cast<long long>(stats.waits), static_cast<long long>(stats.stepsLetPass));
}

} // namespace

class NetGameOverALink : public ::testing::TestWithParam<LinkFaults> {};

// The first game ends in the game-over countdown, the second is restarted by player 2, player 1
// ends the third with Esc, and the fourth, brought near the goal on both machines alike, runs
// its finale on each.
TEST_P(NetGameOverALink, WholeGamesAgreeFrameByFrameAndEqualOneMachinesPlay)
{
    Machines m = connect(GetParam(), 7);
    std::atomic<bool> sawClear[2] = {false, false};
    std::atomic<std::uint32_t> backFrom[2] = {0, 0};
    for (int side = 0; side < 2; ++side) {
        NetPeer& peer = side == 0 ? *m.host : *m.joiner;
        peer.frames.onSave = [&peer](std::int32_t frame, GameState& state) {
            if (peer.frames.seeds.size() == 4 && frame == 1)
                state.Progress = kNearGoal;
        };
        peer.start(betweenGames(side == 0, backFrom[side], backFrom[1 - side]), inGame(side == 0, sawClear[side]), 60s);
    }
    m.host->join();
    m.joiner->join();
    ASSERT_FALSE(m.host->timedOut || m.joiner->timedOut) << "the games did not end";
    for (NetPeer* peer : {m.host.get(), m.joiner.get()}) {
        const net::NetStats& stats = peer->net().stats();
        printStats(peer == m.host.get() ? "host" : "joiner", stats);
        EXPECT_GE(stats.framesRunAgain, stats.rollbacks) << "each rollback runs a frame again at least";
        EXPECT_LE(stats.mostRunAgain, net::FrameTimeline::kMostPredicted) << "no more than were predicted";
    }

    auto hostGames = byGame(m.host->agreedFrames);
    auto joinerGames = byGame(m.joiner->agreedFrames);
    ASSERT_EQ(hostGames.size(), 4u);
    ASSERT_EQ(joinerGames.size(), 4u);
    ASSERT_EQ(m.host->frames.seeds, m.joiner->frames.seeds);
    for (std::uint32_t game = 1; game <= 4; ++game) {
        const auto& here = hostGames[game];
        const auto& there = joinerGames[game];
        const std::size_t both = std::min(here.size(), there.size());
        EXPECT_TRUE(std::equal(here.begin(), here.begin() + static_cast<std::ptrdiff_t>(both), there.begin()))
            << "game " << game;
        EXPECT_EQ(firstFrameUnlikeOneMachine(here, m.host->frames.seeds[game - 1], game == 4), -1) << "game " << game;
    }
    EXPECT_EQ(hostGames[1].size(), joinerGames[1].size()) << "the countdown ends both at one frame";
    EXPECT_EQ(hostGames[3].size(), joinerGames[3].size()) << "Esc ends both at one frame";
    EXPECT_EQ(hostGames[3].back().frame, kEscapeFrame);
    EXPECT_GT(hostGames[1].back().frame, kLastThrust + 150) << "the first game ran its countdown";
    EXPECT_TRUE(sawClear[0] && sawClear[1]) << "both machines ran the finale";
    EXPECT_FALSE(m.host->net().lastEnd() || m.joiner->net().lastEnd());
}

INSTANTIATE_TEST_SUITE_P(
    RoundTripAndLoss, NetGameOverALink,
    ::testing::Values(LinkFaults{0, 2, 0.00, 0.02, 0.03}, LinkFaults{0, 2, 0.05, 0.02, 0.03},
                      LinkFaults{0, 2, 0.10, 0.02, 0.03}, LinkFaults{60, 10, 0.00, 0.02, 0.03},
                      LinkFaults{60, 10, 0.05, 0.02, 0.03}, LinkFaults{60, 10, 0.10, 0.02, 0.03},
                      LinkFaults{150, 25, 0.00, 0.02, 0.03}, LinkFaults{150, 25, 0.05, 0.02, 0.03},
                      LinkFaults{150, 25, 0.10, 0.02, 0.03}),
    [](const ::testing::TestParamInfo<LinkFaults>& link) {
        return "rtt" + std::to_string(link.param.roundTripMs) + "_loss" +
               std::to_string(static_cast<int>(link.param.dropped * 100));
    });

namespace {

// The host starts one game once the other player is there; a machine is done once its net
// game has ended other than by play.
NetPeer::Script oneGame(bool host)
{
    return [host, asked = false](NetPeer& peer) mutable {
        if (peer.net().lastEnd())
            return peer.finish();
        if (host && peer.session().connected() && !asked) {
            asked = true;
            peer.net().startCommand();
        }
    };
}

} // namespace

// The joining machine's state goes its own way from frame 100 on: frame 104, the next one
// compared, ends the game and the session on both, each naming the frame and both checksums.
TEST(NetGame, AStateChangedOnOneMachineEndsTheNetGameOnBothAtTheNextComparedFrame)
{
    Machines m = connect(LinkFaults{60, 10, 0.05, 0.02, 0.03}, 11);
    m.joiner->frames.onSave = [](std::int32_t frame, GameState& state) {
        if (frame == 100)
            state.Progress += 1;
    };
    ::testing::internal::CaptureStderr();
    m.host->start(oneGame(true), playPattern, 30s);
    m.joiner->start(oneGame(false), playPattern, 30s);
    m.host->join();
    m.joiner->join();
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_FALSE(m.host->timedOut || m.joiner->timedOut) << said;
    EXPECT_EQ(m.host->net().lastEnd(), net::EndReason::GamesDiffer);
    EXPECT_EQ(m.joiner->net().lastEnd(), net::EndReason::GamesDiffer);
    EXPECT_EQ(m.host->agreedFrames.at(98).checksum, m.joiner->agreedFrames.at(98).checksum) << "frame 99 is alike";
    EXPECT_NE(m.host->agreedFrames.at(99).checksum, m.joiner->agreedFrames.at(99).checksum) << "frame 100 is not";
    const std::string line = "states of frame 104 differ";
    const std::size_t first = said.find(line);
    ASSERT_NE(first, std::string::npos) << said;
    EXPECT_NE(said.find(line, first + 1), std::string::npos) << "both machines say so: " << said;
    EXPECT_LT(m.host->agreedFrames.back().frame, 104 + 3 * net::NetGame::kChecksumInterval) << "played on";
}

TEST(NetGame, AMachineThatVanishesMidGameIsNoticedOnBothWithinTwoSeconds)
{
    Machines m = connect(LinkFaults{}, 3);
    std::chrono::steady_clock::time_point cut;
    std::chrono::steady_clock::time_point noticed[2];
    for (int side = 0; side < 2; ++side) {
        NetPeer& peer = side == 0 ? *m.host : *m.joiner;
        peer.start(
            [&, side, game = oneGame(side == 0)](NetPeer& p) mutable {
                if (p.net().lastEnd() && noticed[side] == std::chrono::steady_clock::time_point())
                    noticed[side] = std::chrono::steady_clock::now();
                game(p);
            },
            [&, side](NetPeer& p) {
                playPattern(p);
                if (side == 0 && p.net().presentFrame() == 50 && cut == std::chrono::steady_clock::time_point()) {
                    cut = std::chrono::steady_clock::now();
                    m.relay->cut();
                }
            },
            30s);
    }
    m.host->join();
    m.joiner->join();
    ASSERT_FALSE(m.host->timedOut || m.joiner->timedOut);
    for (int side = 0; side < 2; ++side) {
        NetPeer& peer = side == 0 ? *m.host : *m.joiner;
        EXPECT_EQ(peer.net().lastEnd(), net::EndReason::Silent);
        EXPECT_FALSE(peer.net().running());
        const auto after = std::chrono::duration_cast<std::chrono::milliseconds>(noticed[side] - cut);
        std::printf("%s noticed after %lld ms\n", side == 0 ? "host" : "joiner", static_cast<long long>(after.count()));
        EXPECT_LT(after, 2s);
    }
}
