#pragma once
// The net game headless: two machines in one process over loopback, directly or through a relay
// that stands in for a network.

#include "doubles/Relay.h"
#include "net/GameFrames.h"
#include "net/JoinCode.h"
#include "net/NetGame.h"
#include "platform/DeterministicRandom.h"
#include "platform/SystemTickCounter.h"


#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace skyvane::testing {

using doubles::LinkFaults;
using doubles::Relay;

using Clock = std::chrono::steady_clock;

struct AgreedFrame {
    std::int32_t frame;
    net::FrameInputs inputs;
    std::uint32_t checksum;
    bool operator==(const AgreedFrame&) const = default;
};

// The game frames with a hook on every saved frame, also of frames run again: what the hook
// changes belongs to that frame's state from then on. Records each game's seed.
struct HookedFrames : net::GameFrames {
    using GameFrames::GameFrames;
    void setUp(std::uint64_t seed) override
    {
        seeds.push_back(seed);
        GameFrames::setUp(seed);
    }
    void save(std::int32_t frame) override
    {
        if (onSave)
            onSave(seeds.size(), frame);
        GameFrames::save(frame);
    }

    std::function<void(std::size_t game, std::int32_t frame)> onSave;  // game from 1
    std::vector<std::uint64_t> seeds;
};

// One machine on a thread of its own: the real session and net game, frames drawn on a muted
// drawing, and in place of its window the controls, of which only the label is recorded, and the
// event pump, where a script holds keys and chooses the start command; another runs between games.
struct NetPeer : EventPump, MutedControls, net::AgreedFrameWatcher {
    using Script = std::function<void(NetPeer& peer)>;

    explicit NetPeer(std::unique_ptr<net::Session> s) : session(std::move(s)) { game.watch(this); }

    // Until finish() or the deadline: the network between games, the script, and each game begun.
    void play(const Script& betweenGames)
    {
        while (!done && !pastDeadline()) {
            game.service();
            if (game.startPending())
                game.GameMain();
            betweenGames(*this);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    void pumpEvents() override
    {
        if (pastDeadline())
            return game.requestClose();
        inGame(*this);
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    // Whether the label was ever shown with the finale's caption.
    void showLabel1() override { sawClear = sawClear || caption == kClearCaption; }
    void setLabel1Caption(std::string_view text) override { caption = text; }
    void agreed(std::uint32_t number, std::int32_t frame, const net::FrameInputs& inputs,
                std::uint32_t checksum) override
    {
        agreedFrames[number].push_back({frame, inputs, checksum});
    }
    bool pastDeadline()
    {
        timedOut = timedOut || Clock::now() > deadline;
        return timedOut;
    }

    bool isHost() const { return session->side() == net::Session::Side::Host; }
    // This machine's player's keys from the next frame on, as their key handlers set the cells.
    void hold(int steer, bool thrust)
    {
        game.keyCells().Steer[isHost() ? 0 : 1] = static_cast<std::int16_t>(steer);
        game.keyCells().Thrust[isHost() ? 0 : 1] = thrust ? 1 : 0;
    }
    // Steering and thrust that change every few frames, differently for the two players, so that
    // predictions keep failing.
    void playPattern()
    {
        const std::int32_t frame = game.presentFrame() + 1;
        if (isHost())
            hold((frame / 6) % 3 - 1, (frame / 3) % 2 == 0);
        else
            hold((frame / 5) % 3 - 1, (frame / 4) % 2 == 1);
    }
    // Between games: the host starts the first game once the other player is here; the machine is
    // done once its net game has ended other than by play.
    void oneGame()
    {
        if (game.lastEnd())
            return finish();
        if (isHost() && session->connected() && game.gameNumber() == 0 && !game.startPending())
            game.startCommand();
    }
    void finish()
    {
        finishedAt = Clock::now();
        done = true;
    }

    std::unique_ptr<net::Session> session;
    SystemTickCounter clock;
    DeterministicRandom unused;
    MutedDrawing drawing;
    World world{clock, unused, *this, drawing, *this};
    GameState state;
    HookedFrames frames{state, world};
    net::NetGame game{*session, frames, state, world};
    std::map<std::uint32_t, std::vector<AgreedFrame>> agreedFrames;  // by game
    Script inGame;
    Clock::time_point deadline;
    std::atomic<bool> done = false;
    bool timedOut = false;
    Clock::time_point finishedAt;
    std::string caption;
    bool sawClear = false;
};

// A host and a joining machine on loopback, the latter through a relay with the faults given or,
// without, directly.
struct Machines {
    explicit Machines(std::optional<LinkFaults> faults, unsigned seed = 0)
    {
        const net::JoinCode code = *net::readJoinCode("K7PQ");
        host = peer(net::Session::host(0, code, "1.00"));
        std::uint16_t port = host->session->port();
        if (faults) {
            relay = std::make_unique<Relay>(port, *faults, seed);
            port = relay->port();
        }
        joiner = peer(net::Session::join("127.0.0.1", port, code, "1.00"));
    }
    static std::unique_ptr<NetPeer> peer(std::unique_ptr<net::Session> session)
    {
        if (!session)
            throw std::runtime_error("no session on loopback");
        return std::make_unique<NetPeer>(std::move(session));
    }

    // Runs both, each on a thread with its own copy of the scripts, until both are done; false if
    // either ran out of time.
    bool run(const NetPeer::Script& between, const NetPeer::Script& inGame, std::chrono::seconds deadline)
    {
        std::vector<std::jthread> threads;
        for (NetPeer* peer : {host.get(), joiner.get()}) {
            peer->inGame = inGame;
            peer->deadline = Clock::now() + deadline;
            threads.emplace_back([peer, between] { peer->play(between); });
        }
        threads.clear();  // joined
        return !host->timedOut && !joiner->timedOut;
    }

    std::unique_ptr<NetPeer> host;
    std::unique_ptr<Relay> relay;
    std::unique_ptr<NetPeer> joiner;
};

} // namespace skyvane::testing
