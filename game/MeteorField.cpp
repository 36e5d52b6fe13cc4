// Meteor field: runs in every frame of flight, after the starfield and before the rockets.
#include "MeteorField.h"

namespace skyvane {

namespace {

void trySpawn(FrameContext& frame, int slot)
{
    GameState& s = frame.state;
    s.SpawnRoll = floorOfDraw(frame.random, kSpawnOdds);
    if (s.SpawnRoll != 0)
        return;
    s.MeteorX[slot] = floorOfDraw(frame.random, kPlayAreaWidth);
    s.MeteorY[slot] = floorOfDraw(frame.random, kPlayAreaHeight);
    s.MeteorSize[slot] = kMeteorSpawnSize;
    s.MeteorFrame[slot] = floorOfDraw(frame.random, kMeteorFrames) * kMeteorFrameSize;
}

void growAndTurn(GameState& s, int slot)
{
    s.MeteorTick[slot] += 1;
    if (s.MeteorTick[slot] == 2) {
        s.MeteorTick[slot] = 0;
        s.MeteorFrame[slot] += kMeteorFrameSize;
        if (s.MeteorFrame[slot] == kMeteorFrames * kMeteorFrameSize)
            s.MeteorFrame[slot] = 0;
    }
    if (s.MeteorSize[slot] < kMeteorPassSize)
        s.MeteorSize[slot] += kMeteorGrowth;
    if (s.MeteorSize[slot] == kMeteorPassSize)
        s.MeteorX[slot] = kOutOfPlay;  // it has passed the viewer
}

} // namespace

void runMeteorField(FrameContext& frame)
{
    GameState& s = frame.state;
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        if (s.MeteorX[slot] == kOutOfPlay)
            trySpawn(frame, slot);
        if (s.MeteorX[slot] != kOutOfPlay)
            growAndTurn(s, slot);
        // Free slots are drawn too, wholly left of the play area.
        frame.drawing.BlitMeteor(s.MeteorX[slot], s.MeteorY[slot], s.MeteorSize[slot], s.MeteorFrame[slot]);
    }
}

} // namespace skyvane
