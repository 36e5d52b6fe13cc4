// Ten thousand games through the real game core with the real random generator: random
// keys, player-count changes, restarts and Esc at random passes. No range error may occur
// and the state's invariants must hold after every pass.
#include "doubles/FakeTickCounter.h"
#include "doubles/NullWorld.h"
#include "game/Game.h"
#include "input/KeyHandlers.h"
#include "platform/DeterministicRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>

using namespace skyvane;

namespace {

// The player's side: what happens in one event pump.
class RandomPlayer : public EventPump {
public:
    RandomPlayer(GameState& state, doubles::FakeTickCounter& clock) : state_(state), clock_(clock) {}
    void pumpEvents() override;
    Game* game = nullptr;
    std::mt19937 dice{20261206};
    int restarts = 0;
    int escapePass = 0;    // 0: play the game to its end
    bool autopilot = false;  // hold both rockets level instead of pressing keys at random
    int passes = 0;

private:
    void fly();
    int dodgeDirection(int player) const;

    GameState& state_;
    doubles::FakeTickCounter& clock_;
};

// Away from the nearest growing meteor, otherwise back towards the middle.
int RandomPlayer::dodgeDirection(int player) const
{
    const int centreX = state_.RocketX[player] + 25;
    const int centreY = state_.RocketY[player] + 25;
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        const int dx = state_.MeteorX[slot] - centreX;
        const int dy = state_.MeteorY[slot] - centreY;
        if (state_.MeteorX[slot] != kOutOfPlay && state_.MeteorSize[slot] >= 80 && std::abs(dx) < 80 && std::abs(dy) < 80) {
            const int away = dx > 0 ? -1 : 1;
            const int after = centreX + away * 90;
            return after < 0 || after > 320 ? -away : away;
        }
    }
    return centreX < 150 ? 1 : centreX > 170 ? -1 : 0;
}

// Keeps both rockets level and out of the way of meteors, with key events only.
void RandomPlayer::fly()
{
    const bool climb = state_.RocketY[0] > 95 || state_.RocketY[1] > 95;
    climb ? Form_KeyDown(state_, KeyCode::Up, ShiftMask::Shift) : Form_KeyUp(state_, KeyCode::Up, 0);
    const std::array<std::array<std::int16_t, 2>, 2> steeringKeys{{{KeyCode::Left, KeyCode::Right}, {KeyCode::Z, KeyCode::X}}};
    for (int player = 0; player < 2; ++player) {
        const auto [left, right] = steeringKeys[static_cast<std::size_t>(player)];
        const int direction = dodgeDirection(player);
        if (direction < 0)
            Form_KeyDown(state_, left, 0);
        else if (direction > 0)
            Form_KeyDown(state_, right, 0);
        else {
            Form_KeyUp(state_, left, 0);
            Form_KeyUp(state_, right, 0);
        }
    }
}

constexpr std::array<std::int16_t, 9> kKeys{37, 38, 39, 90, 88, 16, 17, 40, 65};
constexpr std::array<std::int16_t, 6> kMasks{0, 1, 2, 3, 4, 1};

void RandomPlayer::pumpEvents()
{
    ++passes;
    clock_.advance(std::uniform_int_distribution<int>(0, 45)(dice));  // 0 to 2 tick steps
    if (autopilot) {
        fly();
        return;
    }
    const int roll = std::uniform_int_distribution<int>(0, 999)(dice);
    const auto key = kKeys[dice() % kKeys.size()];
    const auto mask = kMasks[dice() % kMasks.size()];
    if (roll < 150)
        Form_KeyDown(state_, key, mask);
    else if (roll < 300)
        Form_KeyUp(state_, key, mask);
    else if (roll < 302)
        state_.PlayerSetting = std::int16_t(dice() % 2);
    else if (roll == 302 && restarts < 3) {
        ++restarts;
        game->start();
    }
    if (passes == escapePass)
        Form_KeyDown(state_, KeyCode::Escape, 0);
}

::testing::AssertionResult invariantsHold(const GameState& s)
{
    for (int player = 0; player < kPlayerCells; ++player) {
        if (s.RocketVY[player] < -10 || s.RocketVY[player] > 10)
            return ::testing::AssertionFailure() << "RocketVY(" << player << ") = " << s.RocketVY[player];
        if (s.Steer[player] < -1 || s.Steer[player] > 1 || s.Thrust[player] < 0 || s.Thrust[player] > 1)
            return ::testing::AssertionFailure() << "key cells of player " << player;
    }
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        if (s.MeteorSize[slot] > 150 || s.MeteorTick[slot] < 0 || s.MeteorTick[slot] > 1)
            return ::testing::AssertionFailure() << "meteor slot " << slot;
        if (s.MeteorFrame[slot] < 0 || s.MeteorFrame[slot] > 900 || s.MeteorFrame[slot] % 100 != 0)
            return ::testing::AssertionFailure() << "MeteorFrame(" << slot << ") = " << s.MeteorFrame[slot];
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Soak, TenThousandGamesKeepEveryInvariantAndRaiseNoRangeError)
{
    GameState state;
    doubles::FakeTickCounter clock;
    DeterministicRandom random;
    doubles::NullDrawing drawing;
    doubles::NullControls controls;
    RandomPlayer player(state, clock);
    Game game(state, World{clock, random, player, drawing, controls});
    player.game = &game;

    int finales = 0;
    int gameOvers = 0;
    for (int round = 0; round < 10000; ++round) {
        state.PlayerSetting = std::int16_t(round % 2);
        player.passes = 0;
        player.restarts = 0;
        // Most games end with Esc somewhere; one in fifty is played to its end.
        player.autopilot = round % 50 == 0;
        player.escapePass = player.autopilot ? 0 : std::uniform_int_distribution<int>(1, 600)(player.dice);
        game.setUp();
        while (game.pass()) {
            ASSERT_TRUE(invariantsHold(state)) << "game " << round << ", pass " << player.passes;
            ASSERT_LT(player.passes, 20000) << "a game must end";
        }
        game.tail();
        finales += state.Progress >= 2035;
        gameOvers += state.Progress < 1200 && state.Playing == 0 && state.GameOverTimer == 0 &&
                     state.RocketX[0] == kOutOfPlay && player.escapePass == 0;
    }
    EXPECT_GT(finales, 0) << "some games reach the goal";
    EXPECT_GT(gameOvers, 0) << "some games are lost";
}
