#pragma once
// The heap calls of a benchmark's loop, reported per iteration beside its time.

#include "doubles/AllocationCounter.h"

#include <benchmark/benchmark.h>

namespace skyvane::bench {

inline void reportHeapCallsPerFrame(benchmark::State& state, const doubles::HeapCalls& calls)
{
    state.counters["heap calls/frame"] =
        benchmark::Counter(static_cast<double>(calls.allocations), benchmark::Counter::kAvgIterations);
}

} // namespace skyvane::bench
