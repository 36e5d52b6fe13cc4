#include "Game.h"

#include "Frame.h"
#include "Goal.h"
#include "RandomDraws.h"
#include "RunningScope.h"

namespace skyvane {

namespace {

void setUpRockets(GameState& s)
{
    s.RocketX[0] = kRocketStartX0;
    s.RocketY[0] = kRocketStartY;
    s.RocketVY[0] = 0;
    s.Flame[0] = 0;
    s.RocketX[1] = kRocketStartX1;
    s.RocketY[1] = kRocketStartY;
    s.RocketVY[1] = 0;
    s.Flame[1] = 0;
    if (s.PlayerSetting == 0)
        s.RocketX[1] = kOutOfPlay;  // the second rocket counts as absent
}

// Offsets of -200..-101 lie outside the star box, so the first frame respawns every star.
void setUpStars(GameState& s, RandomSource& random)
{
    for (int star = 0; star < kStarCount; ++star) {
        s.StarCX[star] = kStarCentreX;
        s.StarCY[star] = kStarCentreY;
        s.StarDX[star] = floorOfDraw(random, kStarSetUpSpread, kStarSetUpOffset);
        s.StarDY[star] = floorOfDraw(random, kStarSetUpSpread, kStarSetUpOffset);
    }
}

void setUpDebris(GameState& s)
{
    for (int particle = 0; particle < kDebrisCount; ++particle) {
        s.DebrisX[particle] = kOutOfPlay;
        s.DebrisY[particle] = kOutOfPlay;
        s.DebrisVX[particle] = 0;
        s.DebrisVY[particle] = 0;
    }
}

void setUpMeteors(GameState& s)
{
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        s.MeteorX[slot] = kOutOfPlay;
        s.MeteorSize[slot] = kMeteorIdleSize;
        s.MeteorTick[slot] = 0;
    }
}

} // namespace

Game::Game(GameState& state, World world) : state_(state), world_(world) {}

void Game::start()
{
    if (running_)
        setUp();
    else
        GameMain();
}

void Game::requestClose() { closeRequested_ = true; }

void Game::GameMain()
{
    RunningScope scope(running_);
    setUp();
    while (pass()) {
        if (closeRequested_)
            return;
    }
    tail();
}

void Game::setUp()
{
    world_.controls.hideImage1();
    world_.controls.hideLabel1();
    state_.GameOverTimer = 0;
    state_.Progress = 0;
    setUpRockets(state_);
    setUpStars(state_, world_.random);
    setUpDebris(state_);
    setUpMeteors(state_);
    state_.Playing = -1;
    state_.LastTick = currentTickStep();
}

bool Game::pass()
{
    if (state_.Playing == 0)
        return false;
    const std::int32_t tickStep = currentTickStep();
    const auto nextStep = narrowChecked<std::int32_t>(std::int64_t{state_.LastTick} + 1, "LastTick + 1");
    if (tickStep >= nextStep)
        runFrame(state_, world_);
    if (state_.Progress >= kGoalFrames)
        runFinalePass(state_, world_);
    state_.LastTick = currentTickStep();
    world_.pump.pumpEvents();
    return true;
}

void Game::tail()
{
    world_.drawing.ClearSurface();
    world_.controls.showImage1();
    world_.controls.hideLabel1();
}

// The tick count divided by 20, truncated toward zero (-25 gives -1).
std::int32_t Game::currentTickStep() { return world_.clock.GetTickCount() / kTickStepMs; }

} // namespace skyvane
