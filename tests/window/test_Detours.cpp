// The detours players take: keys held as a menu or a help box takes the keyboard, menus
// opened by mouse and by F10 and closed by Esc, and the keyboard coming back to the game.
#include "WindowFixture.h"

using namespace skyvane;
using skyvane::testing::WindowTest;

namespace {

struct Cells {
    int steer0, steer1, thrust0, thrust1;
    bool operator==(const Cells&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Cells& c)
{
    return out << "Steer " << c.steer0 << "," << c.steer1 << " Thrust " << c.thrust0 << "," << c.thrust1;
}

Cells cellsOf(const GameState& s) { return {s.Steer[0], s.Steer[1], s.Thrust[0], s.Thrust[1]}; }

constexpr Cells kAllHeld{-1, 1, 1, 1};
constexpr Cells kNoneHeld{0, 0, 0, 0};

} // namespace

class HeldKeysTest : public WindowTest {
protected:
    // Player 1 steers left and thrusts, player 2 steers right with X and thrusts with Shift.
    void holdKeys()
    {
        QTest::keyPress(handle(), Qt::Key_Left);
        QTest::keyPress(handle(), Qt::Key_Up);
        QTest::keyPress(handle(), Qt::Key_X);
        QTest::keyPress(handle(), Qt::Key_Shift);
    }
    // Let go wherever the keyboard is now; Shift reports none held after its release.
    static void letGoOfKeys()
    {
        keyToFocus(QTest::Release, Qt::Key_Left);
        keyToFocus(QTest::Release, Qt::Key_Up);
        keyToFocus(QTest::Release, Qt::Key_X, Qt::ShiftModifier);
        keyToFocus(QTest::Release, Qt::Key_Shift);
    }
    bool windowHasTheKeyboard() const
    {
        return QTest::qWaitFor([this] { return QApplication::focusWidget() == window.get(); }, 2000);
    }
};

TEST_F(HeldKeysTest, KeysHeldAsAMenuOpensByMouseAreLetGoAndTheKeysAreTheGamesOnceEscClosesIt)
{
    holdKeys();
    ASSERT_EQ(cellsOf(state), kAllHeld);
    ASSERT_TRUE(clickMenuTitle("ゲーム"));
    EXPECT_EQ(cellsOf(state), kNoneHeld) << "the menu has the keyboard";
    letGoOfKeys();
    keyToFocus(QTest::Click, Qt::Key_Escape);
    ASSERT_TRUE(windowHasTheKeyboard());
    EXPECT_EQ(cellsOf(state), kNoneHeld);
    keyToFocus(QTest::Press, Qt::Key_Left);
    EXPECT_EQ(state.Steer[0], -1) << "the keys are the game's again";
}

TEST_F(HeldKeysTest, KeysHeldAsAMenuOpensByF10AreLetGoAndTheKeysAreTheGamesOnceEscClosesIt)
{
    holdKeys();
    QTest::keyClick(handle(), Qt::Key_F10);
    ASSERT_EQ(openMenu(), "ゲーム");
    letGoOfKeys();
    keyToFocus(QTest::Click, Qt::Key_Escape);
    ASSERT_TRUE(windowHasTheKeyboard());
    EXPECT_EQ(cellsOf(state), kNoneHeld);
    keyToFocus(QTest::Press, Qt::Key_Z);
    EXPECT_EQ(state.Steer[1], -1) << "the keys are the game's again";
}

// Shift let go while the window had no keyboard must not leave player 2 thrusting for good,
// also once player 1 presses and releases other keys.
TEST_F(HeldKeysTest, ShiftLetGoInAMenuStaysLetGoAfterOtherKeys)
{
    QTest::keyPress(handle(), Qt::Key_Shift);
    ASSERT_EQ(state.Thrust[1], 1);
    ASSERT_TRUE(clickMenuTitle("人数設定"));
    keyToFocus(QTest::Release, Qt::Key_Shift);
    keyToFocus(QTest::Click, Qt::Key_Escape);
    ASSERT_TRUE(windowHasTheKeyboard());
    keyToFocus(QTest::Press, Qt::Key_Right);
    EXPECT_EQ(state.Thrust[1], 0) << "a press with no Shift held keeps player 2 on the ground";
    keyToFocus(QTest::Release, Qt::Key_Right);
    EXPECT_EQ(state.Thrust[1], 0);
}

// Choosing the item closes the menu, which already lets go of what the window saw held; keys
// that the box has are not the game's, and once it is dismissed the keyboard is the game's.
TEST_F(HeldKeysTest, AHelpBoxFromTheMenuHasTheKeysUntilDismissedAndThenTheGameHasThem)
{
    holdKeys();
    Cells whileOpen{-9, -9, -9, -9};
    bool boxHadTheKeyboard = false;
    after(100, [&] {
        QMessageBox* box = openBox();
        boxHadTheKeyboard = box != nullptr && QApplication::activeWindow() == box;
        keyToFocus(QTest::Press, Qt::Key_Left);
        letGoOfKeys();
        whileOpen = cellsOf(state);
        keyToFocus(QTest::Click, Qt::Key_Return);
    });
    ASSERT_TRUE(clickMenuTitle("ヘルプ"));
    keyToFocus(QTest::Click, Qt::Key_Down);
    keyToFocus(QTest::Click, Qt::Key_Return);  // returns once the box is dismissed
    EXPECT_TRUE(boxHadTheKeyboard);
    EXPECT_EQ(whileOpen, kNoneHeld);
    ASSERT_TRUE(windowHasTheKeyboard());
    EXPECT_EQ(cellsOf(state), kNoneHeld);
    keyToFocus(QTest::Press, Qt::Key_Right);
    EXPECT_EQ(state.Steer[0], 1) << "the keys are the game's again";
}

TEST_F(HeldKeysTest, KeysHeldAsAnotherWindowTakesTheKeyboardAreLetGo)
{
    holdKeys();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(cellsOf(state), kNoneHeld) << "the other window has the keyboard";
    letGoOfKeys();
    window->activateWindow();
    ASSERT_TRUE(windowHasTheKeyboard());
    EXPECT_EQ(cellsOf(state), kNoneHeld);
}

// Tapping Alt gives the menu bar nothing: the arrow keys that follow steer.
TEST_F(WindowTest, TappingAltLeavesTheArrowKeysWithTheGame)
{
    QTest::keyClick(handle(), Qt::Key_Alt);
    QTest::keyPress(handle(), Qt::Key_Right);
    EXPECT_EQ(state.Steer[0], 1);
    EXPECT_EQ(openMenu(), "");
}
