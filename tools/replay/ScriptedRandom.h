#pragma once
#include "game/World.h"

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace skyvane::replay {

// Raised when the game draws from an empty queue.
class RandomExhausted : public std::runtime_error {
public:
    RandomExhausted() : std::runtime_error("random values exhausted") {}
};

// Hands out queued values in order.
class ScriptedRandom : public RandomSource {
public:
    void append(float value) { queue_.push_back(value); }
    float next() override
    {
        if (drawn_ == queue_.size())
            throw RandomExhausted();
        return queue_[drawn_++];
    }
    std::size_t drawn() const { return drawn_; }
    std::size_t remaining() const { return queue_.size() - drawn_; }

private:
    std::vector<float> queue_;
    std::size_t drawn_ = 0;
};

// A tick counter that reads whatever it was set to.
class FakeTickCounter : public TickCounter {
public:
    std::int32_t GetTickCount() override { return milliseconds; }
    // Moves on by delta, wrapping as a signed 32-bit counter does.
    void advance(std::int32_t delta)
    {
        milliseconds = static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds) + static_cast<std::uint32_t>(delta));
    }
    std::int32_t milliseconds = 0;
};

} // namespace skyvane::replay
