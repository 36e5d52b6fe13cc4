#pragma once
// The fixed numbers of the game, named once.

#include <cstdint>

namespace skyvane {

constexpr int kPlayAreaWidth = 320;
constexpr int kPlayAreaHeight = 240;
constexpr int kClientHeight = 241;      // the play area plus the window's bottom row
constexpr int kTickStepMs = 20;         // at most one frame per step of the tick counter
constexpr int kGoalFrames = 1200;       // frames of flight until the goal
constexpr int kOutOfPlay = -200;        // absent rocket, free meteor slot, free debris particle
constexpr int kGameOverFrames = 150;

constexpr int kPlayerCells = 4;         // per-player arrays; only cells 0 and 1 are used
constexpr int kStarCount = 51;
constexpr int kMeteorSlots = 5;
constexpr int kDebrisCount = 11;

constexpr int kRocketSize = 50;
constexpr int kRocketMaskOffset = 150;  // mask cells lie this far below their image cells
constexpr int kRocketStartX0 = 135;
constexpr int kRocketStartX1 = 55;
constexpr int kRocketStartY = 95;
constexpr int kMaxRocketSpeed = 10;
constexpr int kSteerStep = 4;
constexpr int kFlameColumn = 150;
constexpr int kRocketEdgeLeft = -50;
constexpr int kRocketEdgeTop = -50;

constexpr int kMeteorFrameSize = 100;
constexpr int kMeteorFrames = 10;
constexpr int kMeteorMaskOffset = 100;
constexpr int kMeteorSpawnSize = 2;
constexpr int kMeteorGrowth = 2;
constexpr int kMeteorPassSize = 150;    // a meteor this big has passed the viewer
constexpr int kMeteorHitSize = 140;     // only a meteor bigger than this can hit
constexpr int kSpawnOdds = 50;

constexpr int kStarBoxX = 160;
constexpr int kStarBoxY = 120;
constexpr int kStarParked = 500;        // offset that sends a barely moving star away at once
constexpr int kDebrisSpecks = 10;

constexpr int kFinaleStep = 3;
constexpr int kFinaleUpperY = 35;
constexpr int kFinaleLowerY = 155;
constexpr int kFinaleEndX = 500;

constexpr std::uint32_t kStarColour = 0xFFFFFF;
constexpr std::uint32_t kSpeckColour = 0xFF0000;

constexpr const char* kGameOverCaption = "Game Over!";
constexpr const char* kClearCaption = "Clear!Good Luck!";

} // namespace skyvane
