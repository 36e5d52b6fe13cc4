// The game controllers on SDL's virtual pads: slots, the stick's dead zone, the D-pad and the
// stick together, a pad plugged in beforehand, and letting go on a disconnect.
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

    std::vector<Heard> poll()  // once; what the listener heard
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

// SIGINT and SIGTERM stay the program's: SDL would turn them into quit events nobody reads.
TEST(GamepadsStart, APadPluggedInBeforehandTakesTheFirstSlotAtTheFirstPollAndSignalsStayTheProgramsToo)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    {
        VirtualPad pad;
        ASSERT_TRUE(pad.plugged());
        pad.press(SDL_CONTROLLER_BUTTON_A);
        Gamepads pads;
        EXPECT_EQ(std::signal(SIGINT, SIG_DFL), SIG_DFL);
        EXPECT_EQ(std::signal(SIGTERM, SIG_DFL), SIG_DFL);
        Recorder recorder;
        pads.poll(recorder);
        EXPECT_THAT(recorder.take(), ElementsAre(down(0, PadControl::Thrust)));
        EXPECT_EQ(pads.connected(), 1);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
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

} // namespace
} // namespace skyvane::test
