#pragma once
// A game of two players on two machines, each machine flying its own player: the set-up, the
// paced loop of passes and the tail, as on one machine, with the frames run by rollback. A
// machine's own input takes effect in the frame it is made for; the other player's is predicted
// as their last one, and when their real input arrives and differs, the state of the last frame
// run with real inputs is loaded and the frames since are run again, muted, before the present
// frame is shown. The start command and Esc of either player act on both machines; the finale,
// which runs per pass, is each machine's own.

#include "FrameTimeline.h"
#include "RollbackGame.h"
#include "Session.h"
#include "game/GameState.h"
#include "game/MutedWorld.h"
#include "game/World.h"

#include <array>
#include <cstdint>
#include <optional>

namespace skyvane::net {

// How the net games of a session went: for tests and the figures.
struct NetStats {
    std::int64_t agreedFrames = 0;    // frames both machines ran with both players' real inputs
    std::int64_t rollbacks = 0;
    std::int64_t framesRunAgain = 0;
    std::int32_t mostRunAgain = 0;    // frames run again by one rollback
    std::int64_t waits = 0;           // tick steps without a frame: too far ahead of the other's inputs
    std::int64_t stepsLetPass = 0;    // tick steps without a frame: this machine was ahead in time
};

// Told of every agreed frame: its inputs and the checksum of its state.
class AgreedFrameWatcher {
public:
    virtual ~AgreedFrameWatcher() = default;
    virtual void agreed(std::uint32_t game, std::int32_t frame, const FrameInputs& inputs, std::uint32_t checksum) = 0;
};

class NetGame : private SessionEvents {
public:
    static constexpr std::int32_t kChecksumInterval = 8;  // every 8th agreed frame's checksum is compared
    static constexpr int kSyncSteps = 8;          // tick steps over which the lead in frames is averaged
    static constexpr int kMostStepsLetPass = 2;   // after each of them
    static constexpr int kStepsSentAfterEnd = 50; // tick steps the last inputs are sent on for
    static constexpr int kWaitMessageSteps = 5;   // waits in a row before the label says so

    // Plays on the session and the frames; reads the present frame in `present`, the state the
    // frames run on. The world's drawing shows the present frame and the finale, its controls the
    // title picture and the label; its random source is not used.
    NetGame(Session& session, RollbackGame& frames, const GameState& present, const World& world);

    // The cells this machine's key handlers write; a frame takes this machine's input from them.
    GameState& keyCells() { return keys_; }
    Session& session() { return session_; }
    bool running() const { return running_; }
    std::uint32_t gameNumber() const { return game_; }  // of the running game, or the last
    std::int32_t presentFrame() const { return timeline_.present(); }
    bool startPending() const { return pendingStart_.has_value(); }
    // Why the last net game or the session ended, if it ended other than by play.
    std::optional<EndReason> lastEnd() const { return lastEnd_; }
    const NetStats& stats() const { return stats_; }
    void watch(AgreedFrameWatcher* watcher) { watcher_ = watcher; }

    // The start command here: the host begins a new game on both machines with a fresh seed, a
    // joining machine asks the host to. Nothing waits: a game begins in GameMain.
    void startCommand();
    // The network alone, between games and while a menu or a help box holds a game: messages are
    // taken and the other machine still hears from this one; no frame runs.
    void service();
    // Plays the game that is to begin, and every restart of it, until it ends on this machine.
    void GameMain();
    // A close: GameMain returns after the event pump, without the tail.
    void requestClose() { closeRequested_ = true; }
    // This player leaves: the session ends on both machines, and so does a game running here.
    void leave();
    // The other machine ran as far as it may beyond this one's inputs and waits for them.
    bool otherWaitsForThis() const;

private:
    enum class Shown { None, GameOver, Clear, Waiting };
    struct ChecksumOf {
        std::int32_t frame = -1;
        std::uint32_t value = 0;
    };
    static constexpr std::size_t kChecksumsKept = 16;  // of the last 128 frames: more than ever go unagreed
    using Checksums = std::array<ChecksumOf, kChecksumsKept>;

    bool pass();
    void beginGame();
    bool gameEnded() const;
    void runTickStep();
    bool rollBack();
    void advanceFrame();
    void ran(std::int32_t frame);
    void redrawPresent();
    bool letStepPass();
    void settleFinale();
    void checkAgreedFrames();
    void compareChecksums(std::int32_t frame);
    static std::size_t checksumSlot(std::int32_t frame);
    void sendInputs();
    void showMessage();
    std::int32_t tickStep() const;

    // SessionEvents
    void joined() override;
    bool received(const Message& message) override;
    void left(EndReason reason) override;
    void turnedAway(EndReason reason, const std::string& address) override;
    bool take(const Hello& hello);
    bool take(const Welcome& welcome);
    bool take(const Beat& beat);
    bool take(const Start& start);
    bool take(const StartRequest& request);
    bool take(const Inputs& inputs);
    bool take(const Checksum& checksum);
    bool take(const Mismatch& mismatch);
    void endOnMismatch(std::int32_t frame, std::uint32_t here, std::uint32_t there);
    void reportMismatch(std::int32_t frame, std::uint32_t here, std::uint32_t there);

    Session& session_;
    RollbackGame& frames_;
    const GameState& present_;
    World world_;
    MutedControls mutedControls_;
    World finaleWorld_;
    FrameTimeline timeline_;
    GameState keys_;
    // What a game played here knows of itself; each game begins with it afresh.
    struct Round {
        bool inFinale = false;
        std::optional<std::int32_t> goalFrame;   // the first frame run that reached the goal
        std::optional<EndReason> end;            // ends the game at the head of the next pass
        Shown shown = Shown::None;               // the message label as last set
        std::int32_t lastAgreed = 0;
        std::int32_t remotePresent = 0;          // the latest frame the other machine ran, as heard
        std::int8_t remoteAdvantage = 0;
        int leadSum = 0;                         // twice the lead in frames, summed over a sync round
        int leadSteps = 0;
        int stepsToLetPass = 0;
        int waitingSteps = 0;                    // in a row
        int stepsSentAfterEnd = 0;
        Checksums local{};
        Checksums remote{};
    };

    GameState finale_;            // the finale's own state, from the frame that reached the goal
    Round round_;
    std::optional<Start> pendingStart_;
    std::uint32_t game_ = 0;      // the game number of the running or the last game
    bool running_ = false;
    bool closeRequested_ = false;
    std::optional<EndReason> lastEnd_;
    std::int32_t lastStep_ = 0;
    std::int32_t lastSentStep_ = 0;
    NetStats stats_;
    AgreedFrameWatcher* watcher_ = nullptr;
};

} // namespace skyvane::net
