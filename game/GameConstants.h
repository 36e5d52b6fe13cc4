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

// Rockets: 50 x 50 cells on a 6 x 6 grid, columns by steering and flame, rows by pose.
constexpr int kRocketSize = 50;
constexpr int kRocketMaskOffset = 150;  // mask cells lie this far below their image cells
constexpr int kRocketStartX0 = 135;
constexpr int kRocketStartX1 = 55;
constexpr int kRocketStartY = 95;
constexpr int kMaxRocketSpeed = 10;
constexpr int kSteerStep = 4;
constexpr int kFlameColumn = 150;
constexpr int kRocketEdgeLeft = -50;    // beyond these the sprite has wholly left the play area
constexpr int kRocketEdgeTop = -50;
constexpr int kLevelPoseSpeed = 2;      // vertical speeds within +-2 show the level pose
constexpr int kClimbingPoseRow = 0;
constexpr int kLevelPoseRow = 50;
constexpr int kFallingPoseRow = 100;

// Meteors: ten 100 x 100 frames in a strip, masks below, grown from 2 to 150.
constexpr int kMeteorFrameSize = 100;
constexpr int kMeteorFrames = 10;
constexpr int kMeteorMaskOffset = 100;
constexpr int kMeteorIdleSize = 1;      // the size a free slot is set up with
constexpr int kMeteorSpawnSize = 2;
constexpr int kMeteorGrowth = 2;
constexpr int kMeteorTurnFrames = 2;    // frames per animation step
constexpr int kMeteorPassSize = 150;    // a meteor this big has passed the viewer
constexpr int kMeteorHitSize = 140;     // only a meteor bigger than this can hit
constexpr int kSpawnOdds = 50;          // a free slot spawns when a draw of 0..49 gives 0

// Stars stream from points near the middle and are born again once they leave their box.
constexpr int kStarCentreX = kPlayAreaWidth / 2;
constexpr int kStarCentreY = kPlayAreaHeight / 2;
constexpr int kStarBoxX = 160;          // a star stays while -160 <= StarDX <= 160
constexpr int kStarBoxY = 120;          // and -120 <= StarDY <= 120
constexpr int kStarSetUpOffset = -200;  // set-up offsets -200..-101 all lie outside the box
constexpr int kStarSetUpSpread = 100;
constexpr int kStarCentreJitter = 10;   // a reborn star's point lies within -10..9 of the middle
constexpr int kStarOffsetLimit = 10;    // a reborn star's offsets lie within -10..10
constexpr int kStarStillOffset = 4;     // offsets both within +-4 would barely move
constexpr int kStarParked = 500;        // offset that sends a barely moving star away at once

// Debris: particles from a burst rocket, each drawn as a flickering cloud of specks.
constexpr int kDebrisMaxSpeed = 5;      // speeds -5..5, where 0 becomes 1
constexpr int kDebrisSpecks = 10;
constexpr int kSpeckSpread = 16;        // specks land on the 16 x 16 pixels around the particle

// Finale: the pilot flies from the left edge until it is past x 500.
constexpr int kFinaleStep = 3;
constexpr int kFinaleStepPasses = 5;    // the pilot steps on every fifth pass
constexpr int kFinaleUpperY = 35;
constexpr int kFinaleLowerY = 155;
constexpr int kFinaleEndX = 500;

constexpr std::uint32_t kStarColour = 0xFFFFFF;
constexpr std::uint32_t kSpeckColour = 0xFF0000;

constexpr const char* kGameOverCaption = "Game Over!";
constexpr const char* kClearCaption = "Clear!Good Luck!";

} // namespace skyvane
