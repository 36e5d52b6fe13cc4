// The heaviest frame of flight through the real game core: the phases with their range-checked
// stores and random draws, drawn by the six drawing operations on the real surfaces; with the
// heap calls it makes per frame.
#include "DrawnWorld.h"
#include "HeapCalls.h"
#include "doubles/WorstCaseFlight.h"
#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skyvane;

void BM_WorstCaseGameFrame(benchmark::State& state)
{
    bench::DrawnWorld w;
    Game game(w.state, w.world());
    w.state.PlayerSetting = 1;
    game.setUp();
    doubles::startMeasuring();
    for (auto _ : state) {
        doubles::armWorstCaseFlight(w.state);
        w.state.Progress = 0;  // stays in flight however many frames run
        w.clock.advance(kTickStepMs);
        game.pass();
        benchmark::DoNotOptimize(w.surfaces.window().constBits());
        benchmark::ClobberMemory();
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
}
BENCHMARK(BM_WorstCaseGameFrame);

} // namespace
