// The detours players take: menus by mouse and F10, help boxes and other windows take the
// keyboard, and whatever keys were held are let go until the keyboard is the game's again.
#include "WindowFixture.h"

#include <QMessageBox>
#include <QPushButton>

using namespace skyvane;
using skyvane::testing::WindowTest;

class HeldKeysTest : public WindowTest {
protected:
    // Player 1 steers left and thrusts, player 2 steers right with X and thrusts with Shift.
    void holdKeys()
    {
        for (const Qt::Key held : {Qt::Key_Left, Qt::Key_Up, Qt::Key_X, Qt::Key_Shift})
            QTest::keyPress(handle(), held);
        EXPECT_EQ(cells(), (Cells{-1, 1, 1, 1}));
    }

    // Let go wherever the keyboard is now, X while Shift is still held.
    static void letGoOfKeys()
    {
        for (const Qt::Key held : {Qt::Key_Left, Qt::Key_Up, Qt::Key_X, Qt::Key_Shift})
            keyToFocus(QTest::Release, held, held == Qt::Key_X ? Qt::ShiftModifier : Qt::NoModifier);
    }

    // Once the window has the keyboard back nothing is held, and a key is the game's again, with
    // no Shift let go elsewhere left thrusting for player 2, also after its release.
    void expectTheGameHasTheKeysAgain()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == window.get(); }, 2000));
        EXPECT_EQ(cells(), kNoneHeld);
        keyToFocus(QTest::Press, Qt::Key_Right);
        EXPECT_EQ(cells(), (Cells{1, 0, 0, 0}));
        keyToFocus(QTest::Release, Qt::Key_Right);
        EXPECT_EQ(cells(), kNoneHeld);
    }
};

TEST_F(HeldKeysTest, KeysHeldAsAMenuAHelpBoxOrAnotherWindowTakesTheKeyboardAreLetGoUntilItIsBack)
{
    for (const bool byF10 : {false, true}) {
        SCOPED_TRACE(byF10 ? "F10" : "mouse");
        holdKeys();
        if (byF10)
            QTest::keyClick(handle(), Qt::Key_F10);
        else
            ASSERT_TRUE(clickMenuTitle("ゲーム"));
        EXPECT_EQ(cells(), kNoneHeld) << "the menu has the keyboard";
        letGoOfKeys();
        keyToFocus(QTest::Click, Qt::Key_Escape);
        expectTheGameHasTheKeysAgain();
    }
    holdKeys();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(cells(), kNoneHeld) << "the other window has the keyboard";
    letGoOfKeys();
    window->activateWindow();
    expectTheGameHasTheKeysAgain();
    QTest::keyClick(handle(), Qt::Key_Alt);  // gives the menu bar nothing: the arrows still steer
    expectTheGameHasTheKeysAgain();

    // Each help box, chosen from the menu, has the keyboard over a disabled window, takes none of
    // the window's commands nor the keys, and goes on Return, Esc or OK.
    int starts = 0;
    QObject::connect(action("スタート"), &QAction::triggered, [&] { ++starts; });
    const std::vector<std::pair<int, void (*)(QMessageBox&)>> itemsAndDismissals{
        {0, [](QMessageBox&) { keyToFocus(QTest::Click, Qt::Key_Return); }},
        {1, [](QMessageBox&) { keyToFocus(QTest::Click, Qt::Key_Escape); }},
        {0, [](QMessageBox& box) { QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton); }}};
    QList<QStringList> texts;  // each box's title, then its text's lines
    for (const auto& [item, dismiss] : itemsAndDismissals) {
        QStringList lines;
        bool informationOverADisabledWindow = false, menuOpened = false;
        Cells whileOpen{-9, -9, -9, -9};
        holdKeys();
        ASSERT_TRUE(clickMenuTitle("ヘルプ"));
        QTimer watch;  // until the box has the keyboard, however long it takes; ends with this turn
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeWindow());
            if (box == nullptr)
                return;
            watch.stop();
            lines = QStringList{box->windowTitle()} + box->text().split('\n');
            informationOverADisabledWindow = box->icon() == QMessageBox::Information &&
                                             box->standardButtons() == QMessageBox::Ok && !window->isEnabled();
            keyToFocus(QTest::Press, Qt::Key_Left);
            letGoOfKeys();
            whileOpen = cells();
            QTest::keyClick(handle(), Qt::Key_S, Qt::ControlModifier);
            keyToFocus(QTest::Click, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(handle(), Qt::Key_F10);
            menuOpened = QApplication::activePopupWidget() != nullptr;
            dismiss(*box);
        });
        watch.start(20);
        for (int down = 0; down <= item; ++down)
            keyToFocus(QTest::Click, Qt::Key_Down);
        keyToFocus(QTest::Click, Qt::Key_Return);  // returns once the box is dismissed
        SCOPED_TRACE(lines.value(0).toStdString());
        EXPECT_TRUE(informationOverADisabledWindow) << "with OK alone and the keyboard";
        EXPECT_EQ(whileOpen, kNoneHeld) << "the box has the keys";
        EXPECT_FALSE(menuOpened);
        expectTheGameHasTheKeysAgain();
        texts << lines;
    }
    ASSERT_EQ(texts[0].size(), 2) << "a title and one paragraph";
    EXPECT_EQ(texts[0][0], "遊び方");
    EXPECT_EQ(texts[0][1].size(), 75);
    EXPECT_TRUE(texts[0][1].startsWith("ゲームを開始すると画面奥から"));
    EXPECT_EQ(texts[1], QStringList({"操作表", "１Ｐ", "移　　動：←　→", "ロケット：　↑", "", "２Ｐ",
                                     "移　　動：Ｚ　Ｘ", "ロケット：Ｓｈｉｆｔ"}));
    EXPECT_EQ(starts, 0) << "no command while a box is open";
}
