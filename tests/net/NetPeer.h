#pragma once
// One machine of a net game without a window, on a thread of its own: the real session and net
// game, frames drawn on a muted drawing, the label recorded, and a script that presses keys and
// chooses the start command between games and in the event pump of each pass.

#include "net/GameFrames.h"
#include "net/NetGame.h"
#include "platform/DeterministicRandom.h"
#include "platform/SystemTickCounter.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace skyvane::testing {

struct AgreedFrame {
    std::uint32_t game;
    std::int32_t frame;
    net::FrameInputs inputs;
    std::uint32_t checksum;
    bool operator==(const AgreedFrame&) const = default;
};

// The window's label as the game left it.
class LabelRecorder : public MutedControls {
public:
    void showLabel1() override { shown = true; }
    void hideLabel1() override { shown = false; }
    void setLabel1Caption(std::string_view text) override { caption = text; }
    bool shown = false;
    std::string caption;
};

// The game frames with a hook on every saved frame, also of frames run again: what the hook
// changes belongs to that frame's state from then on. Records each game's seed.
class HookedFrames : public net::RollbackGame {
public:
    HookedFrames(GameState& state, const World& world) : state_(state), frames_(state, world) {}
    void setUp(std::uint64_t seed) override
    {
        seeds.push_back(seed);
        frames_.setUp(seed);
    }
    void advance(const net::FrameInputs& inputs, bool drawn) override { frames_.advance(inputs, drawn); }
    void save(std::int32_t frame) override
    {
        if (onSave)
            onSave(frame, state_);
        frames_.save(frame);
    }
    void load(std::int32_t frame) override { frames_.load(frame); }
    std::uint32_t checksum(std::int32_t frame) const override { return frames_.checksum(frame); }
    void tail() override { frames_.tail(); }

    std::function<void(std::int32_t frame, GameState& state)> onSave;
    std::vector<std::uint64_t> seeds;

private:
    GameState& state_;
    net::GameFrames frames_;
};

class NetPeer : private EventPump, private net::AgreedFrameWatcher {
public:
    using Script = std::function<void(NetPeer& peer)>;

    explicit NetPeer(std::unique_ptr<net::Session> session);
    ~NetPeer() override;

    // Runs the machine on its thread until done() or the deadline; the scripts run between games
    // (every millisecond) and in every event pump of a game.
    void start(Script betweenGames, Script inGame, std::chrono::seconds deadline);
    void join();  // waits for the thread

    // For the scripts.
    net::NetGame& net() { return net_; }
    net::Session& session() { return *session_; }
    // Holds this machine's keys so that the next frames see the steering and thrust: the arrows
    // on player 1's machine, Z, X and Shift on player 2's.
    void hold(int steer, bool thrust);
    void pressEscape();
    void finish() { done_ = true; }
    void stopRecordingAgreedFrames() { net_.watch(nullptr); }

    GameState state;
    HookedFrames frames;
    LabelRecorder label;
    std::vector<AgreedFrame> agreedFrames;
    bool timedOut = false;

private:
    void pumpEvents() override;
    void agreed(std::uint32_t game, std::int32_t frame, const net::FrameInputs& inputs, std::uint32_t checksum) override;
    void key(bool down, std::int16_t code, std::int16_t shift);

    std::unique_ptr<net::Session> session_;
    SystemTickCounter clock_;
    DeterministicRandom unused_;
    MutedDrawing drawing_;
    World world_;
    net::NetGame net_;
    Script inGame_;
    std::chrono::steady_clock::time_point deadline_;
    std::atomic<bool> done_{false};
    int steer_ = 0;
    bool thrust_ = false;
    std::thread thread_;
};

} // namespace skyvane::testing
