// The game controllers on SDL's virtual pads: slots, each control's transitions, the stick's
// dead zone, and letting go on a disconnect or when asked.
#include "doubles/VirtualPad.h"
#include "platform/Gamepads.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <tuple>
#include <utility>
#include <vector>

namespace skyvane::test {
using doubles::VirtualPad;
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

using Heard = std::tuple<int, PadControl, bool>;  // slot, control, down

Heard down(int slot, PadControl control) { return {slot, control, true}; }
Heard up(int slot, PadControl control) { return {slot, control, false}; }

class Recorder : public PadListener {
public:
    void padControl(int slot, PadControl control, bool isDown) override { heard_.emplace_back(slot, control, isDown); }
    std::vector<Heard> take() { return std::exchange(heard_, {}); }

private:
    std::vector<Heard> heard_;
};

class GamepadsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pads_.available()); }

    // Polls once and returns what the listener heard.
    std::vector<Heard> poll()
    {
        pads_.poll(recorder_);
        return recorder_.take();
    }

    Gamepads pads_;
    Recorder recorder_;
};

// A third pad waits, unused, until a slot frees; a pad keeps its slot until it disconnects.
TEST_F(GamepadsTest, PadsTakeTheLowestFreeSlotAndKeepItAndAThirdWaitsForOne)
{
    VirtualPad first;
    VirtualPad second;
    VirtualPad waiting;
    ASSERT_TRUE(first.plugged() && second.plugged() && waiting.plugged());
    waiting.press(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_THAT(poll(), IsEmpty());
    EXPECT_EQ(pads_.connected(), 2);
    second.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_THAT(poll(), ElementsAre(down(1, PadControl::Thrust)));
    first.press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_THAT(poll(), ElementsAre(down(0, PadControl::Start)));

    first.unplug();
    EXPECT_THAT(poll(), ElementsAre(up(0, PadControl::Start), down(0, PadControl::Back)));
    EXPECT_EQ(pads_.connected(), 2);
    second.press(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_THAT(poll(), ElementsAre(up(1, PadControl::Thrust)));
}

TEST(GamepadsStart, APadPluggedInBeforehandTakesTheFirstSlotAtTheFirstPoll)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    {
        VirtualPad pad;
        ASSERT_TRUE(pad.plugged());
        pad.press(SDL_CONTROLLER_BUTTON_A);
        Gamepads pads;
        Recorder recorder;
        pads.poll(recorder);
        EXPECT_THAT(recorder.take(), ElementsAre(down(0, PadControl::Thrust)));
        EXPECT_EQ(pads.connected(), 1);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

// SDL would otherwise turn both into quit events that nobody reads.
TEST(GamepadsStart, LeavesSigintAndSigtermToTheProgram)
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    Gamepads pads;
    EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
    EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), SIG_DFL);
}

TEST_F(GamepadsTest, EachControlIsHeardDownAndUpAndOtherInputsNotAtAll)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged());
    const std::pair<SDL_GameControllerButton, PadControl> controls[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadControl::Left},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadControl::Right},
        {SDL_CONTROLLER_BUTTON_A, PadControl::Thrust},
        {SDL_CONTROLLER_BUTTON_START, PadControl::Start},
        {SDL_CONTROLLER_BUTTON_BACK, PadControl::Back}};
    for (const auto& [button, control] : controls) {
        pad.press(button);
        EXPECT_THAT(poll(), ElementsAre(down(0, control)));
        pad.press(button, false);
        EXPECT_THAT(poll(), ElementsAre(up(0, control)));
    }
    for (const auto button : {SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y,
                              SDL_CONTROLLER_BUTTON_GUIDE, SDL_CONTROLLER_BUTTON_DPAD_UP,
                              SDL_CONTROLLER_BUTTON_DPAD_DOWN})
        pad.press(button);
    for (const auto axis : {SDL_CONTROLLER_AXIS_LEFTY, SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY,
                            SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT})
        pad.move(axis, 32767);
    EXPECT_THAT(poll(), IsEmpty());
}

TEST_F(GamepadsTest, StickHoldsASideBeyondHalfItsTravelAndLetsGoBelowFortyPercent)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged());
    const struct {
        int x;
        std::vector<Heard> heard;
    } steps[] = {
        {-16384, {}},
        {-16385, {down(0, PadControl::Left)}},
        {-13107, {}},
        {-13106, {up(0, PadControl::Left)}},
        {-16000, {}},
        {16385, {down(0, PadControl::Right)}},
        {13107, {}},
        {13106, {up(0, PadControl::Right)}},
        {-32768, {down(0, PadControl::Left)}},
        {32767, {up(0, PadControl::Left), down(0, PadControl::Right)}},
    };
    for (const auto& step : steps) {
        pad.tilt(step.x);
        EXPECT_EQ(poll(), step.heard) << "stick at " << step.x;
    }
}

TEST_F(GamepadsTest, DpadAndStickHoldingOneSideTogetherGiveOneDownAndOneUp)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged());
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_THAT(poll(), ElementsAre(down(0, PadControl::Left)));
    pad.tilt(-32768);
    EXPECT_THAT(poll(), IsEmpty());
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    EXPECT_THAT(poll(), IsEmpty());
    pad.tilt(0);
    EXPECT_THAT(poll(), ElementsAre(up(0, PadControl::Left)));
}

TEST_F(GamepadsTest, ReleaseAllLetsGoOnceAndAHeldButtonCountsWhenPressedAnew)
{
    VirtualPad first;
    VirtualPad second;
    ASSERT_TRUE(first.plugged() && second.plugged());
    first.press(SDL_CONTROLLER_BUTTON_A);
    second.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    EXPECT_THAT(poll(), UnorderedElementsAre(down(0, PadControl::Thrust), down(1, PadControl::Right)));

    pads_.releaseAll(recorder_);
    EXPECT_THAT(recorder_.take(), UnorderedElementsAre(up(0, PadControl::Thrust), up(1, PadControl::Right)));
    first.press(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_THAT(poll(), IsEmpty());
    first.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_THAT(poll(), ElementsAre(down(0, PadControl::Thrust)));
}

} // namespace
} // namespace skyvane::test
