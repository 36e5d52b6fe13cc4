#pragma once
#include "game/World.h"

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <vector>

namespace skyvane::doubles {

// Raised when the game draws from an empty queue that has no fallback.
class RandomExhausted : public std::runtime_error {
public:
    RandomExhausted() : std::runtime_error("random values exhausted") {}
};

// Hands out queued values in order, then the fallback value if one is set.
class ScriptedRandom : public RandomSource {
public:
    void append(float value) { queue_.push_back(value); }
    void append(std::initializer_list<float> values) { queue_.insert(queue_.end(), values); }
    float next() override
    {
        ++drawn_;
        if (next_ < queue_.size())
            return queue_[next_++];
        if (!fallback)
            throw RandomExhausted();
        return *fallback;
    }
    // Values asked for so far, fallbacks included.
    int drawn() const { return drawn_; }

    std::optional<float> fallback;

private:
    std::vector<float> queue_;
    std::size_t next_ = 0;
    int drawn_ = 0;
};

} // namespace skyvane::doubles
