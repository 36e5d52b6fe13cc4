#include "NetworkLibrary.h"

#include <enet/enet.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <mutex>

namespace skyvane::net {

namespace {

// Blocks large enough for ENet's packets, commands and acknowledgements and for every message of
// the game; larger requests (a host and its peers, made once) go to the heap. Two machines of a
// test may share one process, so the pool takes a lock.
class BlockPool {
public:
    static constexpr std::size_t kBlockBytes = 256;
    static constexpr std::size_t kBlocks = 2048;

    BlockPool()
    {
        for (std::size_t i = 0; i < kBlocks; ++i)
            free_[i] = i;
        freeCount_ = kBlocks;
    }

    void* take(std::size_t size)
    {
        if (size <= kBlockBytes) {
            const std::lock_guard lock(mutex_);
            if (freeCount_ > 0)
                return memory_.data() + free_[--freeCount_] * kBlockBytes;
        }
        return std::malloc(size);
    }

    void giveBack(void* memory)
    {
        const auto at = reinterpret_cast<std::uintptr_t>(memory);
        const auto first = reinterpret_cast<std::uintptr_t>(memory_.data());
        if (at < first || at >= first + memory_.size()) {
            std::free(memory);
            return;
        }
        const std::lock_guard lock(mutex_);
        free_[freeCount_++] = (at - first) / kBlockBytes;
    }

private:
    alignas(std::max_align_t) std::array<std::byte, kBlockBytes * kBlocks> memory_{};
    std::array<std::size_t, kBlocks> free_{};
    std::size_t freeCount_ = 0;
    std::mutex mutex_;
};

BlockPool& pool()
{
    static BlockPool blocks;
    return blocks;
}

void* takeMemory(std::size_t size) { return pool().take(size); }
void giveMemoryBack(void* memory)
{
    if (memory != nullptr)
        pool().giveBack(memory);
}
[[noreturn]] void outOfMemory() { std::abort(); }

} // namespace

bool startNetworkLibrary()
{
    static const bool started = [] {
        pool();
        const ENetCallbacks callbacks{takeMemory, giveMemoryBack, outOfMemory};
        return enet_initialize_with_callbacks(ENET_VERSION, &callbacks) == 0;
    }();
    return started;
}

} // namespace skyvane::net
