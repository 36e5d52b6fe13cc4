// A rollback at its worst: the saved state of a frame loaded, eight frames run again muted and
// the present one drawn, every one of them the heaviest frame of flight, each saved; with the
// heap calls it makes.
#include "DrawnWorld.h"
#include "HeapCalls.h"
#include "doubles/WorstCaseFlight.h"
#include "net/GameFrames.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skyvane;

void BM_RollbackOfEightFrames(benchmark::State& state)
{
    bench::DrawnWorld w;
    net::GameFrames frames(w.state, w.world());  // the net game's own random generator
    const net::FrameInputs inputs{net::FrameInput{-1, true, false}, net::FrameInput{1, true, false}};
    frames.setUp(1);
    doubles::startMeasuring();
    for (auto _ : state) {
        frames.load(0);
        for (std::int32_t frame = 1; frame <= 9; ++frame) {
            doubles::armWorstCaseFlight(w.state);
            frames.advance(inputs, frame == 9);
            frames.save(frame);
        }
        benchmark::DoNotOptimize(w.surfaces.window().constBits());
        benchmark::ClobberMemory();
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
}
BENCHMARK(BM_RollbackOfEightFrames);

} // namespace
