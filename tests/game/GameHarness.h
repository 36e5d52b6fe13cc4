#pragma once
// A game driven by hand: fake clock, scripted random values with a default once the
// script runs out, the trace of every drawing and control call, and a pump hook.

#include "doubles/FakeTickCounter.h"
#include "doubles/ScriptedRandom.h"
#include "doubles/TraceRecorder.h"
#include "game/Game.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace skyvane::testing {

class HookPump : public EventPump {
public:
    void pumpEvents() override
    {
        ++pumps;
        if (onPump)
            onPump();
    }
    std::function<void()> onPump;
    int pumps = 0;
};

struct GameHarness {
    GameState state;
    doubles::FakeTickCounter clock;
    doubles::ScriptedRandom random;
    HookPump pump;
    std::ostringstream trace;
    doubles::TraceRecorder recorder{trace};
    Game game{state, World{clock, random, pump, recorder, recorder}};

    // Scripted values first, then 0.5, which keeps stars parked and meteors away.
    GameHarness() { random.fallback = 0.5f; }

    // Set up a game at tick 0 and forget its trace.
    void startAt(std::int32_t milliseconds = 0)
    {
        clock.milliseconds = milliseconds;
        game.setUp();
        clearTrace();
    }
    // One pass in the next tick step.
    bool frame()
    {
        clock.advance(kTickStepMs);
        return game.pass();
    }
    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            frame();
    }
    std::string takeTrace()
    {
        std::string text = trace.str();
        clearTrace();
        return text;
    }
    void clearTrace() { trace.str({}); }
    // Lines of the trace that start with prefix.
    std::vector<std::string> traceLines(const std::string& prefix)
    {
        std::vector<std::string> lines;
        std::istringstream in(trace.str());
        for (std::string line; std::getline(in, line);)
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line);
        return lines;
    }
};

} // namespace skyvane::testing
