// Two machines over loopback, through a relay that delays, drops, duplicates and reorders:
// whole games agree frame by frame, and equal the same inputs played on one machine.
#include "NetPeer.h"

#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "game/Game.h"
#include "game/MutedWorld.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace skyvane;
using namespace skyvane::testing;
using namespace std::chrono_literals;

namespace {

// The first game ends in its countdown: thrust stops here and the rockets fall out.
constexpr std::int32_t kLastThrust = 60;
constexpr std::int32_t kRestartFrame = 40;  // player 2 restarts the second game
constexpr std::int32_t kEscapeFrame = 50;   // player 1 ends the third
constexpr std::int32_t kNearGoal = 1190;    // the fourth jumps there after its first frame

// The agreed frames of a game played on one machine with the same seed and inputs: the first
// frame where the checksums part, or -1. The net game's frame state stops at the goal, where the
// finale, each machine's own, takes over.
std::int32_t firstUnlikeOneMachine(const std::vector<AgreedFrame>& frames, std::uint64_t seed, bool nearGoal)
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
        s.LastTick = 0;  // the net game's state keeps no clock reading; each pass still runs a frame
        if (nearGoal && frame.frame == 1)
            s.Progress = kNearGoal;
        if (net::checksumOf(s, random) != frame.checksum)
            return frame.frame;
    }
    return -1;
}

// Between games each machine says which game it is back from; the one whose turn it is starts
// the next game once the other is back from the same game, as a player waits for the title. The
// joining machine asks again each time until the game begins: the host takes one ask per game.
NetPeer::Script betweenGames(std::atomic<std::uint32_t> (&backFrom)[2])
{
    return [&backFrom](NetPeer& peer) {
        const std::uint32_t game = peer.game.gameNumber();
        if (!peer.session->connected() || peer.game.running())
            return;
        const int side = peer.isHost() ? 0 : 1;
        backFrom[side] = game;
        if (game == 4)
            return peer.finish();
        const bool myTurn = peer.isHost() ? (game == 0 || game == 3) : game == 1;
        if (myTurn && backFrom[1 - side] == game)
            peer.game.startCommand();
    };
}

void playGames(NetPeer& peer)
{
    const std::uint32_t game = peer.game.gameNumber();
    const std::int32_t next = peer.game.presentFrame() + 1;
    if (game == 1 && next > kLastThrust)
        peer.hold(0, false);
    else
        peer.playPattern();
    if (!peer.isHost() && game == 2 && next == kRestartFrame)
        peer.game.startCommand();
    if (peer.isHost() && game == 3 && next == kEscapeFrame)
        peer.game.keyCells().Playing = 0;  // Esc, as its key handler does
}

} // namespace

class NetGameOverALink : public ::testing::TestWithParam<LinkFaults> {};

// The first game ends in the game-over countdown, the second is restarted by player 2, player 1
// ends the third with Esc, and the fourth, brought near the goal on both machines alike, runs
// its finale on each.
TEST_P(NetGameOverALink, WholeGamesAgreeFrameByFrameAndEqualOneMachinesPlay)
{
    Machines m(GetParam(), 7);
    std::atomic<std::uint32_t> backFrom[2] = {0, 0};
    for (NetPeer* peer : {m.host.get(), m.joiner.get()})
        peer->frames.onSave = [peer](std::size_t game, std::int32_t frame) {
            if (game == 4 && frame == 1)
                peer->state.Progress = kNearGoal;
        };
    ASSERT_TRUE(m.run(betweenGames(backFrom), playGames, 60s)) << "the games did not end";
    for (NetPeer* peer : {m.host.get(), m.joiner.get()}) {
        const net::NetStats& s = peer->game.stats();
        const auto rollbacks = static_cast<double>(std::max<std::int64_t>(s.rollbacks, 1));
        std::printf("%-7s agreed frames %lld, rollbacks %lld, frames run again %.2f on average and %d at "
                    "most, waits %lld, steps let pass %lld\n", peer->isHost() ? "host" : "joiner",
                    static_cast<long long>(s.agreedFrames), static_cast<long long>(s.rollbacks),
                    static_cast<double>(s.framesRunAgain) / rollbacks, s.mostRunAgain,
                    static_cast<long long>(s.waits), static_cast<long long>(s.stepsLetPass));
        EXPECT_GE(s.framesRunAgain, s.rollbacks) << "each rollback runs a frame again at least";
        EXPECT_LE(s.mostRunAgain, net::FrameTimeline::kMostPredicted) << "no more than were predicted";
        EXPECT_TRUE(peer->sawClear) << "the finale ran";
    }

    auto& hostGames = m.host->agreedFrames;
    auto& joinerGames = m.joiner->agreedFrames;
    ASSERT_TRUE(hostGames.size() == 4 && joinerGames.size() == 4) << "games with agreed frames";
    ASSERT_EQ(m.host->frames.seeds, m.joiner->frames.seeds);
    for (std::uint32_t game = 1; game <= 4; ++game) {
        SCOPED_TRACE("game " + std::to_string(game));
        const auto& here = hostGames[game];
        const auto& there = joinerGames[game];
        const auto both = static_cast<std::ptrdiff_t>(std::min(here.size(), there.size()));
        EXPECT_TRUE(std::equal(here.begin(), here.begin() + both, there.begin()));
        EXPECT_EQ(firstUnlikeOneMachine(here, m.host->frames.seeds[game - 1], game == 4), -1);
    }
    EXPECT_EQ(hostGames[1].size(), joinerGames[1].size()) << "the countdown ends both at one frame";
    EXPECT_EQ(hostGames[3].size(), joinerGames[3].size()) << "Esc ends both at one frame";
    EXPECT_EQ(hostGames[3].back().frame, kEscapeFrame);
    EXPECT_GT(hostGames[1].back().frame, kLastThrust + 150) << "the first game ran its countdown";
}

INSTANTIATE_TEST_SUITE_P(
    RoundTripAndLoss, NetGameOverALink,
    ::testing::ValuesIn(std::vector<LinkFaults>{{0, 2, 0.00}, {0, 2, 0.05}, {0, 2, 0.10},
                                                {60, 10, 0.00}, {60, 10, 0.05}, {60, 10, 0.10},
                                                {150, 25, 0.00}, {150, 25, 0.05}, {150, 25, 0.10}}),
    [](const ::testing::TestParamInfo<LinkFaults>& link) {
        return "rtt" + std::to_string(link.param.roundTripMs) + "_loss" +
               std::to_string(static_cast<int>(link.param.dropped * 100));
    });

// The joining machine's state goes its own way from frame 100 on: frame 104, the next one
// compared, ends the game and the session on both, each naming the frame and both checksums.
TEST(NetGame, AStateChangedOnOneMachineEndsTheNetGameOnBothAtTheNextComparedFrame)
{
    Machines m(LinkFaults{60, 10, 0.05}, 11);
    m.joiner->frames.onSave = [&m](std::size_t, std::int32_t frame) {
        if (frame == 100)
            m.joiner->state.Progress += 1;
    };
    ::testing::internal::CaptureStderr();
    const bool ended = m.run(&NetPeer::oneGame, &NetPeer::playPattern, 30s);
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_TRUE(ended) << said;
    EXPECT_EQ(m.host->game.lastEnd(), net::EndReason::GamesDiffer);
    EXPECT_EQ(m.joiner->game.lastEnd(), net::EndReason::GamesDiffer);
    const auto& here = m.host->agreedFrames[1];
    const auto& there = m.joiner->agreedFrames[1];
    EXPECT_EQ(here.at(98).checksum, there.at(98).checksum) << "frame 99 is alike";
    EXPECT_NE(here.at(99).checksum, there.at(99).checksum) << "frame 100 is not";
    const std::string line = "states of frame 104 differ";
    EXPECT_NE(said.find(line, said.find(line) + 1), std::string::npos) << "both machines say so: " << said;
    EXPECT_LT(here.back().frame, 104 + 3 * net::NetGame::kChecksumInterval) << "played on";
}

TEST(NetGame, AMachineThatVanishesMidGameIsNoticedOnBothWithinTwoSeconds)
{
    Machines m(LinkFaults{}, 3);
    std::optional<std::chrono::steady_clock::time_point> cut;
    const bool ended = m.run(&NetPeer::oneGame, [&](NetPeer& peer) {
        peer.playPattern();
        if (peer.isHost() && peer.game.presentFrame() == 50 && !cut) {
            cut = std::chrono::steady_clock::now();
            m.relay->cut();
        }
    }, 30s);
    ASSERT_TRUE(ended && cut);
    for (NetPeer* peer : {m.host.get(), m.joiner.get()}) {
        EXPECT_EQ(peer->game.lastEnd(), net::EndReason::Silent);
        EXPECT_LT(peer->finishedAt - *cut, 2s) << (peer->isHost() ? "host" : "joiner");
    }
}
