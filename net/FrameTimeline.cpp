#include "FrameTimeline.h"

#include <algorithm>
#include <utility>

namespace skyvane::net {

FrameTimeline::FrameTimeline(int localPlayer) : localPlayer_(localPlayer) {}

void FrameTimeline::reset()
{
    present_ = 0;
    remoteKnown_ = 0;
    localKnownThere_ = 0;
    firstMispredicted_.reset();
}

std::int32_t FrameTimeline::agreed() const { return std::min(present_, remoteKnown_); }

bool FrameTimeline::mayRunNext() const { return present_ + 1 - remoteKnown_ <= kMostPredicted; }

void FrameTimeline::addLocal(FrameInput input) { local_[slot(present_ + 1)] = input; }

bool FrameTimeline::addRemote(std::int32_t first, std::span<const FrameInput> inputs)
{
    const auto last = static_cast<std::int32_t>(first + static_cast<std::int32_t>(inputs.size()) - 1);
    if (first < 1 || first > remoteKnown_ + 1 || last > remoteKnown_ + kWindow / 2)
        return false;
    for (std::int32_t frame = std::max(first, remoteKnown_ - kWindow / 2 + 1); frame <= remoteKnown_; ++frame)
        if (remote_[slot(frame)] != inputs[static_cast<std::size_t>(frame - first)])
            return false;
    for (std::int32_t frame = remoteKnown_ + 1; frame <= last; ++frame) {
        const FrameInput input = inputs[static_cast<std::size_t>(frame - first)];
        remote_[slot(frame)] = input;
        if (frame <= present_ && ranRemote_[slot(frame)] != input && !firstMispredicted_)
            firstMispredicted_ = frame;
    }
    remoteKnown_ = std::max(remoteKnown_, last);
    return true;
}

bool FrameTimeline::setLocalKnownThere(std::int32_t frame)
{
    if (frame > present_)
        return false;
    localKnownThere_ = std::max(localKnownThere_, frame);
    return true;
}

FrameInput FrameTimeline::remoteOrPredicted(std::int32_t frame) const
{
    if (frame <= remoteKnown_)
        return remote_[slot(frame)];
    return remoteKnown_ > 0 ? remote_[slot(remoteKnown_)] : FrameInput{};
}

FrameInputs FrameTimeline::inputsFor(std::int32_t frame) const
{
    FrameInputs inputs{};
    inputs[static_cast<std::size_t>(localPlayer_)] = local_[slot(frame)];
    inputs[static_cast<std::size_t>(1 - localPlayer_)] = remoteOrPredicted(frame);
    return inputs;
}

void FrameTimeline::ran(std::int32_t frame)
{
    ranRemote_[slot(frame)] = remoteOrPredicted(frame);
    present_ = frame;
}

std::optional<std::int32_t> FrameTimeline::takeFirstMispredicted()
{
    return std::exchange(firstMispredicted_, std::nullopt);
}

} // namespace skyvane::net
