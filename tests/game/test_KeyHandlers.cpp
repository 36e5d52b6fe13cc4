// The key handlers: which cells a sequence of presses and releases leaves, with the shift
// mask as it is after each event (1 Shift, 2 Ctrl, 4 Alt).
#include "input/KeyHandlers.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skyvane;

namespace {

struct Event { bool press; int code, shift; };

// The events, then the cells they leave: Steer of both players, Thrust of both, Playing.
struct Scenario { const char* what; std::vector<Event> events; int steer0, steer1, thrust0, thrust1, playing; };

constexpr int kShiftKey = 16, kCtrlKey = 17, kDown = 40, kA = 65;
constexpr bool kDownEvent = true, kUpEvent = false;

const std::vector<Scenario> kScenarios{
    {"the steering key pressed last rules", {{kDownEvent, 37, 0}, {kDownEvent, 39, 0}, {kUpEvent, 37, 0}}, 1, 0, 0, 0, -1},
    {"releasing the ruling key clears the cell though the other is held",
     {{kDownEvent, 37, 0}, {kDownEvent, 39, 0}, {kUpEvent, 39, 0}}, 0, 0, 0, 0, -1},
    {"Z steers player 2 to the left", {{kDownEvent, 90, 0}}, 0, -1, 0, 0, -1},
    {"player 2 steers with Z and X", {{kDownEvent, 90, 0}, {kDownEvent, 88, 0}, {kUpEvent, 90, 0}}, 0, 1, 0, 0, -1},
    {"releasing a ruling key clears its cell",
     {{kDownEvent, 37, 0}, {kUpEvent, 37, 0}, {kDownEvent, 90, 0}, {kUpEvent, 90, 0}}, 0, 0, 0, 0, -1},
    {"releasing X clears player 2's right steering", {{kDownEvent, 88, 0}, {kUpEvent, 88, 0}}, 0, 0, 0, 0, -1},
    {"releasing the right arrow clears player 1's right steering", {{kDownEvent, 39, 0}, {kUpEvent, 39, 0}}, 0, 0, 0, 0, -1},
    {"up arrow holds player 1's thrust", {{kDownEvent, 38, 0}}, 0, 0, 1, 0, -1},
    {"releasing up clears it whatever the mask", {{kDownEvent, 38, 0}, {kUpEvent, 38, 1}}, 0, 0, 0, 0, -1},
    {"Shift alone gives player 2 thrust", {{kDownEvent, kShiftKey, 1}}, 0, 0, 0, 1, -1},
    {"an arrow released with Shift held keeps it", {{kDownEvent, kShiftKey, 1}, {kUpEvent, 37, 1}}, 0, 0, 0, 1, -1},
    {"any release with no modifier left clears it", {{kDownEvent, kShiftKey, 1}, {kUpEvent, kA, 0}}, 0, 0, 0, 0, -1},
    {"an arrow pressed with Shift held sets it too", {{kDownEvent, 39, 1}}, 1, 0, 0, 1, -1},
    {"Shift with Ctrl gives none", {{kDownEvent, kCtrlKey, 2}, {kDownEvent, kShiftKey, 3}}, 0, 0, 0, 0, -1},
    {"Shift released while Ctrl is held keeps it",
     {{kDownEvent, kShiftKey, 1}, {kDownEvent, kCtrlKey, 3}, {kUpEvent, kShiftKey, 2}}, 0, 0, 0, 1, -1},
    {"Ctrl's release then clears it",
     {{kDownEvent, kShiftKey, 1}, {kDownEvent, kCtrlKey, 3}, {kUpEvent, kShiftKey, 2}, {kUpEvent, kCtrlKey, 0}}, 0, 0, 0, 0, -1},
    {"the down arrow and Ctrl change nothing on press", {{kDownEvent, kDown, 0}, {kDownEvent, kCtrlKey, 2}}, 0, 0, 0, 0, -1},
    {"Esc with Shift alone ends the game and sets thrust", {{kDownEvent, 27, 1}, {kUpEvent, 27, 1}}, 0, 0, 0, 1, 0},
};

} // namespace

TEST(KeyHandlers, EachScenarioLeavesTheCellsTheRulesGive)
{
    for (const Scenario& scenario : kScenarios) {
        GameState s;
        s.Playing = -1;
        for (const Event& event : scenario.events) {
            const auto code = static_cast<std::int16_t>(event.code);
            const auto shift = static_cast<std::int16_t>(event.shift);
            event.press ? Form_KeyDown(s, code, shift) : Form_KeyUp(s, code, shift);
        }
        EXPECT_EQ(s.Steer[0], scenario.steer0) << scenario.what;
        EXPECT_EQ(s.Steer[1], scenario.steer1) << scenario.what;
        EXPECT_EQ(s.Thrust[0], scenario.thrust0) << scenario.what;
        EXPECT_EQ(s.Thrust[1], scenario.thrust1) << scenario.what;
        EXPECT_EQ(s.Playing, scenario.playing) << scenario.what;
    }
}
