// A rollback at its worst: the saved state of a frame loaded, eight frames run again muted and
// the present one drawn, every one of them the heaviest frame of flight, each saved; with the
// heap calls it makes.
#include "HeapCalls.h"
#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "doubles/WorstCaseFlight.h"
#include "drawing/Pictures.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"
#include "game/MutedWorld.h"
#include "net/GameFrames.h"
#include "platform/DeterministicRandom.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skyvane;

void BM_RollbackOfEightFrames(benchmark::State& state)
{
    const Pictures pictures = loadPictures();
    Surfaces surfaces(pictures.rocketSheet, pictures.meteorStrip, pictures.finale);
    SurfaceDrawing drawing(surfaces);
    GameState s;
    doubles::FakeTickCounter clock;
    DeterministicRandom unused;
    doubles::NullEventPump pump;
    MutedControls controls;
    net::GameFrames frames(s, World{clock, unused, pump, drawing, controls});
    const net::FrameInputs inputs{net::FrameInput{-1, true, false}, net::FrameInput{1, true, false}};
    frames.setUp(1);
    doubles::startMeasuring();
    for (auto _ : state) {
        frames.load(0);
        for (std::int32_t frame = 1; frame <= 9; ++frame) {
            doubles::armWorstCaseFlight(s);
            frames.advance(inputs, frame == 9);
            frames.save(frame);
        }
        benchmark::DoNotOptimize(surfaces.window().constBits());
        benchmark::ClobberMemory();
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
}
BENCHMARK(BM_RollbackOfEightFrames);

} // namespace
