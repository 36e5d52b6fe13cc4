#pragma once
// GameMain: one whole game from its set-up through the paced loop of passes to the tail.

#include "GameState.h"
#include "World.h"

namespace skyvane {

class Game {
public:
    Game(GameState& state, World world);

    // The start command. During a running game (it then arrives from inside the event pump)
    // it sets up the new game in place, so restarts never nest and the tail runs once.
    void start();

    // A close request: GameMain returns right after the event pump, without the tail.
    void requestClose();
    bool running() const { return running_; }

    // The pieces of GameMain, for GameMain itself and for tools that drive a game step by step.
    void GameMain();
    void setUp();
    bool pass();  // one pass of the loop; false when it found Playing = 0 at its head
    void tail();

private:
    std::int32_t currentTickStep();

    GameState& state_;
    World world_;
    bool running_ = false;
    bool closeRequested_ = false;
};

} // namespace skyvane
