#include "AllocationCounter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<bool> measuring{false};
std::atomic<long> allocations{0};
std::atomic<long> releases{0};

void countAllocation()
{
    if (measuring.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}

void countRelease(void* pointer)
{
    if (pointer != nullptr && measuring.load(std::memory_order_relaxed))
        releases.fetch_add(1, std::memory_order_relaxed);
}

void* alignedAllocation(std::size_t alignment, std::size_t size)
{
    countAllocation();
    return __libc_memalign(alignment, size);
}

} // namespace

namespace skyvane::doubles {

void startMeasuring()
{
    allocations = 0;
    releases = 0;
    measuring = true;
}

HeapCalls stopMeasuring()
{
    measuring = false;
    return {allocations.load(), releases.load()};
}

} // namespace skyvane::doubles

extern "C" {

void* malloc(std::size_t size) noexcept
{
    countAllocation();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    countAllocation();
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, std::size_t size) noexcept
{
    countAllocation();
    return __libc_realloc(pointer, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept { return alignedAllocation(alignment, size); }

void* memalign(std::size_t alignment, std::size_t size) noexcept { return alignedAllocation(alignment, size); }

int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept
{
    *result = alignedAllocation(alignment, size);
    return *result == nullptr ? ENOMEM : 0;
}

void free(void* pointer) noexcept
{
    countRelease(pointer);
    __libc_free(pointer);
}

} // extern "C"
