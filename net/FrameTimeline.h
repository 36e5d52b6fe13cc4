#pragma once
// The frames of one net game as this machine sees them: its own inputs, the other player's
// inputs as far as they are known, what was predicted where they were not, and how far the two
// machines agree. Frame 0 is the set-up; the first frame is 1.

#include "FrameInput.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace skyvane::net {

class FrameTimeline {
public:
    static constexpr std::int32_t kMostPredicted = 8;  // frames run beyond the other player's inputs
    static constexpr std::int32_t kWindow = 64;        // frames of inputs kept, a power of two

    explicit FrameTimeline(int localPlayer);  // 0 on the host, 1 on the joining machine

    void reset();  // a new game: nothing run, nothing known

    std::int32_t present() const { return present_; }      // the last frame run
    std::int32_t remoteKnown() const { return remoteKnown_; }  // every remote input up to here is known
    std::int32_t localKnownThere() const { return localKnownThere_; }
    // The last frame that ran with both players' real inputs; from here on the machines agree.
    std::int32_t agreed() const;
    // Whether the next frame stays within kMostPredicted frames of the other player's inputs.
    bool mayRunNext() const;

    // This machine's input of the next frame, which it is then run with.
    void addLocal(FrameInput input);
    // The other machine's inputs from frame first on. False, taking nothing, when they contradict
    // inputs known already or reach beyond the frames kept: no honest peer sends such.
    bool addRemote(std::int32_t first, std::span<const FrameInput> inputs);
    // The other machine knows our inputs up to frame; false when it claims frames we never ran.
    bool setLocalKnownThere(std::int32_t frame);

    // Both players' inputs for a frame from agreed() + 1 to present() + 1: the other player's,
    // where not yet known, predicted as their last known one.
    FrameInputs inputsFor(std::int32_t frame) const;
    // Records that the frame ran with inputsFor(frame) and is now the present one: frames run
    // again end where the game ends, and what lay beyond is gone.
    void ran(std::int32_t frame);

    // The first frame that ran with a prediction the real input since contradicts, once.
    std::optional<std::int32_t> takeFirstMispredicted();
    bool mispredicted() const { return firstMispredicted_.has_value(); }

    // This machine's inputs that the other one does not know yet, oldest first, at most count.
    std::int32_t firstUnknownThere() const { return localKnownThere_ + 1; }
    FrameInput local(std::int32_t frame) const { return local_[slot(frame)]; }

private:
    static std::size_t slot(std::int32_t frame) { return static_cast<std::size_t>(frame) & (kWindow - 1); }
    FrameInput remoteOrPredicted(std::int32_t frame) const;

    int localPlayer_;
    std::int32_t present_ = 0;
    std::int32_t remoteKnown_ = 0;
    std::int32_t localKnownThere_ = 0;
    std::optional<std::int32_t> firstMispredicted_;
    std::array<FrameInput, kWindow> local_{};
    std::array<FrameInput, kWindow> remote_{};     // valid up to remoteKnown_
    std::array<FrameInput, kWindow> ranRemote_{};  // what each frame up to present_ ran with
};

} // namespace skyvane::net
