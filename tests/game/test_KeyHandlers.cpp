// The key handlers: which cells a press or release sets, with the shift mask after the event.
#include "input/KeyHandlers.h"

#include <gtest/gtest.h>

using namespace skyvane;

namespace {
constexpr std::int16_t kNone = 0;
constexpr std::int16_t kShift = ShiftMask::Shift;
constexpr std::int16_t kShiftCtrl = ShiftMask::Shift | ShiftMask::Ctrl;
constexpr std::int16_t kDown = 40;
constexpr std::int16_t kShiftKey = 16;
constexpr std::int16_t kCtrlKey = 17;
} // namespace

TEST(KeyHandlers, TheSteeringKeyPressedLastRules)
{
    GameState s;
    Form_KeyDown(s, KeyCode::Left, kNone);
    Form_KeyDown(s, KeyCode::Right, kNone);
    EXPECT_EQ(s.Steer[0], 1);
    Form_KeyUp(s, KeyCode::Left, kNone);
    EXPECT_EQ(s.Steer[0], 1) << "releasing the key that no longer rules leaves the cell";
    Form_KeyDown(s, KeyCode::Left, kNone);
    Form_KeyUp(s, KeyCode::Right, kNone);
    EXPECT_EQ(s.Steer[0], -1);
    Form_KeyDown(s, KeyCode::Right, kNone);
    Form_KeyUp(s, KeyCode::Right, kNone);
    EXPECT_EQ(s.Steer[0], 0) << "releasing the ruling key clears the cell though the other is held";
}

TEST(KeyHandlers, PlayerTwoSteersWithZAndX)
{
    GameState s;
    Form_KeyDown(s, KeyCode::Z, kNone);
    EXPECT_EQ(s.Steer[1], -1);
    Form_KeyDown(s, KeyCode::X, kNone);
    EXPECT_EQ(s.Steer[1], 1);
    Form_KeyUp(s, KeyCode::Z, kNone);
    EXPECT_EQ(s.Steer[1], 1);
    Form_KeyUp(s, KeyCode::X, kNone);
    EXPECT_EQ(s.Steer[1], 0);
    EXPECT_EQ(s.Steer[0], 0);
}

TEST(KeyHandlers, UpArrowHoldsPlayerOnesThrust)
{
    GameState s;
    Form_KeyDown(s, KeyCode::Up, kNone);
    EXPECT_EQ(s.Thrust[0], 1);
    Form_KeyUp(s, KeyCode::Up, kShift);
    EXPECT_EQ(s.Thrust[0], 0);
}

TEST(KeyHandlers, ShiftAloneGivesPlayerTwoThrustWhateverTheKey)
{
    GameState s;
    Form_KeyDown(s, kShiftKey, kShift);
    EXPECT_EQ(s.Thrust[1], 1);
    Form_KeyUp(s, KeyCode::Left, kShift);
    EXPECT_EQ(s.Thrust[1], 1) << "a release with Shift still held keeps the thrust";
    Form_KeyUp(s, KeyCode::Left, kNone);
    EXPECT_EQ(s.Thrust[1], 0) << "any release with no modifier held clears it";

    Form_KeyDown(s, KeyCode::Right, kShift);
    EXPECT_EQ(s.Thrust[1], 1) << "an arrow pressed while Shift is held also sets it";
    EXPECT_EQ(s.Steer[0], 1);
}

TEST(KeyHandlers, ShiftWithCtrlGivesNoThrustAndItsReleaseKeepsIt)
{
    GameState s;
    Form_KeyDown(s, kCtrlKey, ShiftMask::Ctrl);
    Form_KeyDown(s, kShiftKey, kShiftCtrl);
    EXPECT_EQ(s.Thrust[1], 0);
    s.Thrust[1] = 1;
    Form_KeyUp(s, kShiftKey, ShiftMask::Ctrl);
    EXPECT_EQ(s.Thrust[1], 1) << "Ctrl still held";
    Form_KeyUp(s, kCtrlKey, kNone);
    EXPECT_EQ(s.Thrust[1], 0);
}

TEST(KeyHandlers, DownArrowAndCtrlChangeNothingOnPress)
{
    GameState s;
    s.Thrust[1] = 1;
    Form_KeyDown(s, kDown, kNone);
    Form_KeyDown(s, kCtrlKey, ShiftMask::Ctrl);
    EXPECT_EQ(s.Thrust[1], 1);
    EXPECT_EQ(s.Steer[0], 0);
    Form_KeyUp(s, kDown, ShiftMask::Ctrl);
    EXPECT_EQ(s.Thrust[1], 1);
    Form_KeyUp(s, kDown, kNone);
    EXPECT_EQ(s.Thrust[1], 0);
}

TEST(KeyHandlers, EscWithShiftAloneEndsTheGameAndSetsThrust)
{
    GameState s;
    s.Playing = -1;
    Form_KeyDown(s, KeyCode::Escape, kShift);
    EXPECT_EQ(s.Playing, 0);
    EXPECT_EQ(s.Thrust[1], 1);
    Form_KeyUp(s, KeyCode::Escape, kShift);
    EXPECT_EQ(s.Playing, 0) << "releasing Esc does nothing";
}

TEST(KeyHandlers, NoKeyWritesTheUnusedCells)
{
    GameState s;
    for (int code = -1; code < 256; ++code) {
        for (const int shift : {0, 1, 2, 3, 4, 7}) {
            Form_KeyDown(s, static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift));
            Form_KeyUp(s, static_cast<std::int16_t>(code), static_cast<std::int16_t>(shift));
        }
    }
    for (int cell = 2; cell < kPlayerCells; ++cell) {
        EXPECT_EQ(s.Steer[cell], 0);
        EXPECT_EQ(s.Thrust[cell], 0);
    }
}
