#pragma once
// A window's net game: the session with the other machine, the game frames on the window's
// game state, and the net game that plays them.

#include "GameFrames.h"
#include "NetGame.h"
#include "Session.h"

#include <memory>

namespace skyvane::net {

struct NetPlay {
    NetPlay(std::unique_ptr<Session> playedOn, GameState& state, const World& world)
        : session(std::move(playedOn)), frames(state, world), game(*session, frames, state, world)
    {
    }
    std::unique_ptr<Session> session;
    GameFrames frames;
    NetGame game;
};

} // namespace skyvane::net
