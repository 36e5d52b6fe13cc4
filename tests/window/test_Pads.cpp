// Game controllers in the window, as SDL's virtual pads: each pad is a set of one player's keys
// with the keyboard's rules, read between frames and between games, and never left holding.
#include "WindowFixture.h"

#include "doubles/VirtualPad.h"

using namespace skyvane;
using doubles::VirtualPad;

namespace {

using PadTest = skyvane::testing::WindowTest;

struct SecondPlayerFirstPadTest : PadTest {
    SecondPlayerFirstPadTest() { firstPadPlayer = 2; }
};

// Waits until the window's polling of the pads has seen what a change did to the game state.
bool seen(const auto& done) { return QTest::qWaitFor(done, 1000); }

} // namespace

// Player 2's pad thrust is a Shift held, for the keyboard's keys too: a key released elsewhere
// does not end it while the button is held, and it ends when the last Shift is let go. A game that
// ends lets go of what a pad held, and so do a pad unplugged and a window that loses the keyboard.
TEST_F(PadTest, EachPadFliesItsPlayerStartsAndEndsGamesAndLetsGoWithTheGameItsPlugOrTheKeyboard)
{
    VirtualPad first, second;
    ASSERT_TRUE(first.plugged() && second.plugged());
    first.tilt(-32768);
    second.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    second.press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_TRUE(seen([&] { return cells() == Cells{-1, 1, 0, 1}; }))
        << "the left stick is player 1's left arrow, the D-pad player 2's X, A player 2's Shift";
    first.tilt(0);
    first.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    first.press(SDL_CONTROLLER_BUTTON_A);
    second.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    second.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    second.press(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_TRUE(seen([&] { return cells() == Cells{1, -1, 1, 0}; }));
    first.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    first.press(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_TRUE(seen([&] { return state.Steer[0] == 0 && state.Thrust[0] == 0; }));

    second.press(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(seen([&] { return state.Thrust[1] == 1; }));
    QTest::keyClick(handle(), Qt::Key_Left);
    EXPECT_EQ(state.Thrust[1], 1) << "player 1's key released while the pad holds thrust";
    QTest::keyPress(handle(), Qt::Key_Shift);
    second.press(SDL_CONTROLLER_BUTTON_A, false);
    QTest::qWait(100);
    EXPECT_EQ(state.Thrust[1], 1) << "the keyboard's Shift still holds it";
    QTest::keyRelease(handle(), Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(state.Thrust[1], 0);

    first.press(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(seen([&] { return state.Thrust[0] == 1; }));
    bool hiddenDuringGame = false;
    QTimer::singleShot(300, window.get(), [&] {
        hiddenDuringGame = !image1->isVisible();
        first.press(SDL_CONTROLLER_BUTTON_BACK);
    });
    first.press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hiddenDuringGame && image1->isVisible(); }, 3000))
        << "Start began a game, Back was its Esc";
    EXPECT_LT(state.Progress, 20) << "the game ended by Back, before its rocket could fall out";
    EXPECT_EQ(state.Thrust[0], 0) << "the held thrust button was let go with the game";
    first.press(SDL_CONTROLLER_BUTTON_A, false);
    QTest::qWait(100);
    first.press(SDL_CONTROLLER_BUTTON_A);
    first.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    ASSERT_TRUE(seen([&] { return state.Thrust[0] == 1 && state.Steer[0] == -1; })) << "pressed anew";
    first.unplug();
    EXPECT_TRUE(seen([&] { return state.Thrust[0] == 0 && state.Steer[0] == 0; })) << "unplugged";

    VirtualPad again;
    ASSERT_TRUE(again.plugged());
    again.press(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(seen([&] { return state.Thrust[0] == 1; }));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(seen([&] { return state.Thrust[0] == 0; })) << "another window has the keyboard";
    again.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    QTest::qWait(100);
    EXPECT_EQ(state.Steer[0], 0) << "nor does a pad steer while it has it";
}

TEST_F(SecondPlayerFirstPadTest, ALonePadFliesPlayer2WhenAskedTo)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged());
    pad.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    EXPECT_TRUE(seen([&] { return state.Steer[0] == 0 && state.Steer[1] == -1; }));
}
