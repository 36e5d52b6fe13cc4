// The heaviest frame of flight through the real game core: the phases with their range-checked
// stores and random draws, drawn by the six drawing operations on the real surfaces; with the
// heap calls it makes per frame.
#include "HeapCalls.h"
#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "game/MutedWorld.h"
#include "doubles/WorstCaseFlight.h"
#include "game/Game.h"
#include "platform/DeterministicRandom.h"
#include "drawing/Pictures.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skyvane;

void BM_WorstCaseGameFrame(benchmark::State& state)
{
    const Pictures pictures = loadPictures();
    Surfaces surfaces(pictures.rocketSheet, pictures.meteorStrip, pictures.finale);
    SurfaceDrawing drawing(surfaces);
    GameState s;
    doubles::FakeTickCounter clock;
    DeterministicRandom random;
    doubles::NullEventPump pump;
    MutedControls controls;
    Game game(s, World{clock, random, pump, drawing, controls});
    s.PlayerSetting = 1;
    game.setUp();
    doubles::startMeasuring();
    for (auto _ : state) {
        doubles::armWorstCaseFlight(s);
        s.Progress = 0;  // stays in flight however many frames run
        clock.advance(kTickStepMs);
        game.pass();
        benchmark::DoNotOptimize(surfaces.window().constBits());
        benchmark::ClobberMemory();
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
}
BENCHMARK(BM_WorstCaseGameFrame);

} // namespace
