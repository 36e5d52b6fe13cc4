// Reading a game controller between two frames, as the window's event pump does: a poll of SDL
// with a pad whose thrust button changes every time, with the heap calls it makes.
#include "HeapCalls.h"
#include "doubles/VirtualPad.h"
#include "platform/Gamepads.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skyvane;

class CountingListener : public PadListener {
public:
    void padControl(int, PadControl, bool) override { ++changes; }
    long changes = 0;
};

void BM_PadPollBetweenFrames(benchmark::State& state)
{
    Gamepads pads;
    doubles::VirtualPad pad;
    CountingListener listener;
    pads.poll(listener);  // takes the pad
    bool down = false;
    doubles::startMeasuring();
    for (auto _ : state) {
        down = !down;
        pad.press(SDL_CONTROLLER_BUTTON_A, down);
        pads.poll(listener);
    }
    bench::reportHeapCallsPerFrame(state, doubles::stopMeasuring());
    if (!pad.plugged() || listener.changes == 0)
        state.SkipWithError("no pad was read");
}
BENCHMARK(BM_PadPollBetweenFrames);

} // namespace
