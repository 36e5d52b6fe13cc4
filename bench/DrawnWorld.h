#pragma once
// The world of frames drawn on the real surfaces and pictures, with a fake clock and no window:
// for the benchmarks of whole frames.

#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "drawing/Pictures.h"
#include "drawing/SurfaceDrawing.h"
#include "drawing/Surfaces.h"
#include "game/GameState.h"
#include "game/MutedWorld.h"
#include "platform/DeterministicRandom.h"

namespace skyvane::bench {

struct DrawnWorld {
    World world() { return World{clock, random, pump, drawing, controls}; }

    const Pictures pictures = loadPictures();
    Surfaces surfaces{pictures.rocketSheet, pictures.meteorStrip, pictures.finale};
    SurfaceDrawing drawing{surfaces};
    GameState state;
    doubles::FakeTickCounter clock;
    DeterministicRandom random;
    doubles::NullEventPump pump;
    MutedControls controls;
};

} // namespace skyvane::bench
