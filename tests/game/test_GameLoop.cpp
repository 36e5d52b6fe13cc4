// Restarts from inside the event pump, which the replay scripts cannot reach.
#include "doubles/FakeTickCounter.h"
#include "doubles/ScriptedRandom.h"
#include "doubles/TraceRecorder.h"
#include "game/Game.h"
#include "input/KeyHandlers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <sstream>

using namespace skyvane;

namespace {

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// A game whose event pump calls a hook, with the clock a tick step further on every pump.
struct PumpedGame : EventPump {
    PumpedGame() { random.fallback = 0.5f; }
    void pumpEvents() override
    {
        ++pumps;
        clock.advance(kTickStepMs);
        onPump();
    }

    GameState state;
    doubles::FakeTickCounter clock;
    doubles::ScriptedRandom random;
    std::ostringstream trace;
    doubles::TraceRecorder recorder{trace};
    Game game{state, World{clock, random, *this, recorder, recorder}};
    std::function<void()> onPump;
    int pumps = 0;
};

} // namespace

TEST(GameLoop, RestartsInsideThePumpDoNotNestAndTheTailRunsOnce)
{
    PumpedGame g;
    std::uintptr_t lowest = std::numeric_limits<std::uintptr_t>::max();
    std::uintptr_t highest = 0;
    g.onPump = [&] {
        int marker = 0;
        const auto depth = reinterpret_cast<std::uintptr_t>(&marker);
        lowest = std::min(lowest, depth);
        highest = std::max(highest, depth);
        if (g.pumps <= 10000)
            g.game.start();
        if (g.pumps == 10003)
            Form_KeyDown(g.state, KeyCode::Escape, 0);
    };
    g.game.GameMain();
    EXPECT_EQ(highest, lowest) << "the stack depth of the pump stays the same";
    EXPECT_EQ(g.state.Progress, 2) << "the last restart's game ran its two frames";
    EXPECT_EQ(count(g.trace.str(), "ClearSurface"), 1);
    EXPECT_EQ(count(g.trace.str(), "Image1 hide"), 10001);
}
