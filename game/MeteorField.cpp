// Meteor field: runs in every frame of flight, after the starfield and before the rockets.
#include "MeteorField.h"

#include "RandomDraws.h"

namespace skyvane {

namespace {

void trySpawn(GameState& s, RandomSource& random, int slot)
{
    s.SpawnRoll = floorOfDraw(random, kSpawnOdds);
    if (s.SpawnRoll != 0)
        return;
    s.MeteorX[slot] = floorOfDraw(random, kPlayAreaWidth);
    s.MeteorY[slot] = floorOfDraw(random, kPlayAreaHeight);
    s.MeteorSize[slot] = kMeteorSpawnSize;
    s.MeteorFrame[slot] = floorOfDraw(random, kMeteorFrames) * kMeteorFrameSize;
}

void growAndTurn(GameState& s, int slot)
{
    s.MeteorTick[slot] += 1;
    if (s.MeteorTick[slot] == kMeteorTurnFrames) {
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

void runMeteorField(GameState& s, const World& world)
{
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        if (s.MeteorX[slot] == kOutOfPlay)
            trySpawn(s, world.random, slot);
        if (s.MeteorX[slot] != kOutOfPlay)
            growAndTurn(s, slot);
        // Free slots are drawn too, wholly left of the play area.
        world.drawing.BlitMeteor(s.MeteorX[slot], s.MeteorY[slot], s.MeteorSize[slot], s.MeteorFrame[slot]);
    }
}

} // namespace skyvane
