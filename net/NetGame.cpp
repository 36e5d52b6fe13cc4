#include "NetGame.h"

#include "game/GameConstants.h"
#include "game/Goal.h"
#include "game/RunningScope.h"
#include "platform/FreshSeed.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace skyvane::net {

namespace {

constexpr int kHost = 0;  // the host flies player 1, the joining machine player 2
constexpr int kMostPredicted = FrameTimeline::kMostPredicted;
constexpr const char* kWaitingFor2PCaption = "Waiting for 2P...";
constexpr const char* kWaitingFor1PCaption = "Waiting for 1P...";

} // namespace

std::size_t NetGame::checksumSlot(std::int32_t frame)
{
    return static_cast<std::size_t>(frame / kChecksumInterval) % kChecksumsKept;
}

NetGame::NetGame(Session& session, RollbackGame& frames, const GameState& present, const World& world)
    : session_(session), frames_(frames), present_(present), world_(world),
      finaleWorld_{world.clock, world.random, world.pump, world.drawing, mutedControls_},
      timeline_(session.side() == Session::Side::Host ? kHost : 1 - kHost)
{
}

void NetGame::startCommand()
{
    if (!session_.connected())
        return;
    if (session_.side() == Session::Side::Joiner) {
        session_.send(StartRequest{game_});
        return;
    }
    const std::uint32_t latest = pendingStart_ ? pendingStart_->game : game_;
    pendingStart_ = Start{latest + 1, freshSeed()};
}

void NetGame::leave()
{
    session_.leave();
    lastEnd_ = EndReason::Left;
    if (running_)
        round_.end = EndReason::Left;
}

bool NetGame::otherWaitsForThis() const
{
    return running_ && round_.remotePresent >= timeline_.present() + FrameTimeline::kMostPredicted;
}

// After a game ends here, its last inputs are sent on for a while: the other machine may still
// need them to agree on the frame that ended it.
void NetGame::service()
{
    session_.service(*this);
    if (tickStep() == lastSentStep_ || game_ == 0)
        return;
    if (running_ || round_.stepsSentAfterEnd++ < kStepsSentAfterEnd)
        sendInputs();
}

void NetGame::GameMain()
{
    if (!pendingStart_ || running_)
        return;
    const RunningScope scope(running_);
    while (pass()) {
        if (closeRequested_)
            return;
    }
    frames_.tail();
}

// A pass as on one machine: at most one frame per tick step, then the finale's pass, then the
// event pump. A restart from either machine sets the new game up in place.
bool NetGame::pass()
{
    if (pendingStart_)
        beginGame();
    if (gameEnded()) {
        rollBack();
        checkAgreedFrames();
        return false;
    }
    session_.service(*this);
    if (tickStep() > lastStep_)
        runTickStep();
    if (round_.inFinale)
        runFinalePass(finale_, finaleWorld_);
    showMessage();
    lastStep_ = tickStep();
    world_.pump.pumpEvents();
    return true;
}

void NetGame::beginGame()
{
    const Start start = *std::exchange(pendingStart_, std::nullopt);
    if (session_.side() == Session::Side::Host)
        session_.send(start);
    game_ = start.game;
    frames_.setUp(start.seed);
    timeline_.reset();
    keys_.Playing = -1;  // as the set-up's: Esc clears it again
    round_ = Round{};
    // The joining machine hears of the game half a round trip later; the host waits as long.
    if (session_.side() == Session::Side::Host)
        round_.stepsToLetPass = std::min(static_cast<int>(session_.roundTripMs() / 2 / kTickStepMs), kMostPredicted);
    lastStep_ = tickStep();
}

// A game ends on both machines at the frame whose inputs end it, once both agree on that
// frame and it ran with them; the finale ends on each machine by itself, or by its own player's
// Esc, once both agree on the frame that reached the goal.
bool NetGame::gameEnded() const
{
    if (round_.end)
        return true;
    if (round_.inFinale && (finale_.Playing == 0 || keys_.Playing == 0) && timeline_.agreed() >= *round_.goalFrame)
        return true;
    return present_.Playing == 0 && timeline_.agreed() == timeline_.present() && !timeline_.mispredicted();
}

// A tick step runs the next frame, unless this machine lets the step pass to keep time with the
// other, or waits: for the other's inputs, or for both to agree on a frame that ended the game.
void NetGame::runTickStep()
{
    const bool rolledBack = rollBack();
    const bool lettingPass = letStepPass();
    if (!lettingPass && timeline_.mayRunNext() && present_.Playing != 0) {
        advanceFrame();
        round_.waitingSteps = 0;
    } else {
        if (lettingPass) {
            ++stats_.stepsLetPass;
        } else {
            ++stats_.waits;
            ++round_.waitingSteps;
        }
        if (rolledBack)
            redrawPresent();
    }
    settleFinale();
    checkAgreedFrames();
    sendInputs();
}

// From the first frame that ran with a wrong prediction to the present, muted; no frame follows
// the one that ends the game.
bool NetGame::rollBack()
{
    const std::optional<std::int32_t> wrong = timeline_.takeFirstMispredicted();
    if (!wrong)
        return false;
    frames_.load(*wrong - 1);
    const std::int32_t last = timeline_.present();
    for (std::int32_t frame = *wrong; frame <= last; ++frame) {
        frames_.advance(timeline_.inputsFor(frame), false);
        ran(frame);
        if (present_.Playing == 0)
            break;
    }
    const std::int32_t runAgain = timeline_.present() - *wrong + 1;
    ++stats_.rollbacks;
    stats_.framesRunAgain += runAgain;
    stats_.mostRunAgain = std::max(stats_.mostRunAgain, runAgain);
    return true;
}

void NetGame::advanceFrame()
{
    const std::int32_t frame = timeline_.present() + 1;
    timeline_.addLocal(readKeyCells(keys_));
    frames_.advance(timeline_.inputsFor(frame), true);
    ran(frame);
}

void NetGame::ran(std::int32_t frame)
{
    frames_.save(frame);
    timeline_.ran(frame);
    if (present_.Progress < kGoalFrames)
        round_.goalFrame.reset();
    else if (!round_.goalFrame)
        round_.goalFrame = frame;
}

// After a rollback with no new frame to follow, the present frame is run once more, drawn.
void NetGame::redrawPresent()
{
    const std::int32_t frame = timeline_.present();
    if (frame == 0)
        return;
    frames_.load(frame - 1);
    frames_.advance(timeline_.inputsFor(frame), true);
    frames_.save(frame);
}

// The machine ahead in time lets a tick step pass now and then, so neither waits long for the
// other: each side's advantage is how far it ran beyond the other's latest frame it heard of,
// and half their difference is how far this machine leads.
bool NetGame::letStepPass()
{
    if (round_.stepsToLetPass > 0) {
        --round_.stepsToLetPass;
        return true;
    }
    const std::int32_t advantage = timeline_.present() - round_.remotePresent;
    round_.leadSum += std::clamp(advantage, -100, 100) - round_.remoteAdvantage;
    if (++round_.leadSteps < kSyncSteps)
        return false;
    round_.stepsToLetPass = std::clamp(round_.leadSum / (2 * kSyncSteps), 0, kMostStepsLetPass);
    round_.leadSum = 0;
    round_.leadSteps = 0;
    return false;
}

// The finale begins with the frame that reaches the goal and goes on from there on its own state,
// so that frames run again later do not take it back; a rollback to before the goal that does not
// reach it again ends it.
void NetGame::settleFinale()
{
    if (round_.goalFrame && !round_.inFinale)
        finale_ = present_;
    round_.inFinale = round_.goalFrame.has_value();
}

void NetGame::checkAgreedFrames()
{
    const std::int32_t agreed = timeline_.agreed();
    for (std::int32_t frame = round_.lastAgreed + 1; frame <= agreed; ++frame) {
        if (watcher_ != nullptr)
            watcher_->agreed(game_, frame, timeline_.inputsFor(frame), frames_.checksum(frame));
        if (frame % kChecksumInterval != 0)
            continue;
        const Checksum checksum{game_, frame, frames_.checksum(frame)};
        round_.local[checksumSlot(frame)] = {frame, checksum.value};
        session_.send(checksum);
        compareChecksums(frame);
    }
    stats_.agreedFrames += std::max(0, agreed - round_.lastAgreed);
    round_.lastAgreed = std::max(round_.lastAgreed, agreed);
}

void NetGame::compareChecksums(std::int32_t frame)
{
    const ChecksumOf here = round_.local[checksumSlot(frame)];
    const ChecksumOf there = round_.remote[checksumSlot(frame)];
    if (here.frame == frame && there.frame == frame && here.value != there.value)
        endOnMismatch(frame, here.value, there.value);
}

// Two different games are never played on: both machines end theirs and the session.
void NetGame::endOnMismatch(std::int32_t frame, std::uint32_t here, std::uint32_t there)
{
    reportMismatch(frame, here, there);
    session_.send(Mismatch{game_, frame, here, there});
    session_.end(EndReason::GamesDiffer);
}

void NetGame::reportMismatch(std::int32_t frame, std::uint32_t here, std::uint32_t there)
{
    std::fprintf(stderr,
                 "skyvane: the net game ends: the two machines' states of frame %d differ (checksum %08x here, "
                 "%08x there)\n",
                 frame, here, there);
    round_.end = EndReason::GamesDiffer;
    lastEnd_ = round_.end;
}

// This machine's inputs that the other does not know to have, with what it knows of theirs.
void NetGame::sendInputs()
{
    lastSentStep_ = tickStep();
    const std::int32_t last = timeline_.present();
    if (last == 0) {
        session_.send(Beat{});
        return;
    }
    // At least the last input goes, known there or not, to carry what is known here.
    const std::int32_t first = std::min(timeline_.firstUnknownThere(), last);
    Inputs inputs;
    inputs.game = game_;
    inputs.present = last;
    inputs.known = timeline_.remoteKnown();
    inputs.advantage = static_cast<std::int8_t>(std::clamp(last - round_.remotePresent, -100, 100));
    inputs.first = std::max(first, last - static_cast<std::int32_t>(kMostInputs) + 1);
    inputs.count = static_cast<std::uint8_t>(last - inputs.first + 1);
    for (std::size_t i = 0; i < inputs.count; ++i)
        inputs.inputs[i] = timeline_.local(inputs.first + static_cast<std::int32_t>(i));
    session_.send(inputs);
}

void NetGame::showMessage()
{
    const Shown wanted = round_.inFinale                             ? Shown::Clear
                         : round_.waitingSteps >= kWaitMessageSteps ? Shown::Waiting
                         : present_.GameOverTimer > 0               ? Shown::GameOver
                                                                    : Shown::None;
    if (wanted == round_.shown)
        return;
    round_.shown = wanted;
    switch (wanted) {
    case Shown::None: world_.controls.hideLabel1(); return;
    case Shown::GameOver: world_.controls.setLabel1Caption(kGameOverCaption); break;
    case Shown::Clear: world_.controls.setLabel1Caption(kClearCaption); break;
    case Shown::Waiting:
        world_.controls.setLabel1Caption(session_.side() == Session::Side::Host ? kWaitingFor2PCaption
                                                                                : kWaitingFor1PCaption);
        break;
    }
    world_.controls.showLabel1();
}

std::int32_t NetGame::tickStep() const { return world_.clock.GetTickCount() / kTickStepMs; }

void NetGame::joined()
{
    game_ = 0;
    pendingStart_.reset();
    lastEnd_.reset();
}

bool NetGame::received(const Message& message)
{
    return std::visit([this](const auto& m) { return take(m); }, message);
}

void NetGame::left(EndReason reason)
{
    std::fprintf(stderr, "skyvane: the net game ended: %s\n", describe(reason));
    lastEnd_ = reason;
    if (running_)
        round_.end = reason;
    pendingStart_.reset();
}

void NetGame::turnedAway(EndReason reason, const std::string& address)
{
    std::fprintf(stderr, "skyvane: refused a machine at %s: %s\n", address.c_str(), describe(reason));
}

// Only the host starts games, each numbered one on from the last.
bool NetGame::take(const Start& start)
{
    const std::uint32_t latest = pendingStart_ ? pendingStart_->game : game_;
    if (session_.side() == Session::Side::Host || start.game != latest + 1)
        return false;
    pendingStart_ = start;
    return true;
}

// The introductions are the session's own; a beat says only that the other machine is there.
bool NetGame::take(const Hello&) { return false; }
bool NetGame::take(const Welcome&) { return false; }
bool NetGame::take(const Beat&) { return true; }

// A request from a game the host has since restarted is answered already.
bool NetGame::take(const StartRequest& request)
{
    if (session_.side() == Session::Side::Joiner)
        return false;
    if (request.game == game_ && !pendingStart_)
        startCommand();
    return true;
}

// Inputs of another game, one that ended here or has not begun yet, are not this game's.
bool NetGame::take(const Inputs& inputs)
{
    if (!running_ || inputs.game != game_)
        return true;
    if (!timeline_.setLocalKnownThere(inputs.known) ||
        !timeline_.addRemote(inputs.first, std::span(inputs.inputs.data(), inputs.count)))
        return false;
    round_.remotePresent = std::max(round_.remotePresent, inputs.present);
    round_.remoteAdvantage = inputs.advantage;
    return true;
}

bool NetGame::take(const Checksum& checksum)
{
    if (!running_ || checksum.game != game_)
        return true;
    if (checksum.frame % kChecksumInterval != 0)
        return false;
    round_.remote[checksumSlot(checksum.frame)] = {checksum.frame, checksum.value};
    compareChecksums(checksum.frame);
    return true;
}

bool NetGame::take(const Mismatch& mismatch)
{
    reportMismatch(mismatch.frame, mismatch.receivers, mismatch.senders);
    return true;
}

} // namespace skyvane::net
