// Form1 on the offscreen platform: controls, menus, commands, help boxes, closing.
#include "WholeBlocks.h"
#include "WindowFixture.h"

#include "game/GameState.h"
#include "ui/ImageControl.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>

using namespace skyvane;
using namespace skyvane::testing;

namespace {
QStringList titlesOf(const QList<QAction*>& actions)
{
    QStringList titles;
    for (const QAction* item : actions)
        titles << item->text();
    return titles;
}
} // namespace

TEST_F(WindowTest, StartsWithTheTitleOverAWhiteSurfaceAtItsNormalSize)
{
    EXPECT_EQ(window->windowTitle(), "Skyvane");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->centralWidget()->size(), QSize(320, 241));
    EXPECT_TRUE(image1->isVisible());
    EXPECT_EQ(image1->geometry(), QRect(0, 0, 320, 240));
    EXPECT_EQ(clientArea().pixel(0, 240), qRgb(255, 255, 255)) << "the bottom row is white";
    EXPECT_FALSE(label1->isVisible());
    EXPECT_EQ(label1->geometry(), QRect(0, 103, 320, 27));
    EXPECT_EQ(label1->font().families(), QStringList({"ＭＳ Ｐゴシック", "MS PGothic", "Noto Sans CJK JP"}));
    EXPECT_DOUBLE_EQ(label1->font().pointSizeF(), 20.25);
    EXPECT_EQ(label1->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(label1->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(window->frameGeometry().center(), window->screen()->availableGeometry().center());
    EXPECT_EQ(window->baseSize(), window->size()) << "edges resize only in steps from the normal size";
    EXPECT_GT(window->sizeIncrement().width(), 8 * window->screen()->size().width()) << "steps no screen holds";
    EXPECT_GT(window->sizeIncrement().height(), 8 * window->screen()->size().height()) << "steps no screen holds";
}

TEST_F(WindowTest, TheMenusAndItemsCarryTheirCaptionsAsObjectNamesAndStartHasItsShortcut)
{
    const QList<QAction*> menus = window->menuBar()->actions();
    EXPECT_EQ(titlesOf(menus), QStringList({"ゲーム", "人数設定", "ヘルプ", "ネット対戦"})) << "net play beside the game's";
    EXPECT_EQ(titlesOf(menus[0]->menu()->actions()), QStringList({"スタート", "終わる"}));
    EXPECT_EQ(titlesOf(menus[1]->menu()->actions()), QStringList({"１人", "２人"}));
    EXPECT_EQ(titlesOf(menus[2]->menu()->actions()), QStringList({"遊び方", "操作表"}));
    EXPECT_EQ(titlesOf(menus[3]->menu()->actions()), QStringList({"ホストになる", "参加する", "ネット対戦をやめる"}));
    EXPECT_EQ(action("スタート")->shortcut(), QKeySequence("Ctrl+S"));
    for (const char* name : {"ゲーム", "人数設定", "ヘルプ", "スタート", "終わる", "遊び方", "操作表", "ネット対戦", "ホストになる",
                             "参加する", "ネット対戦をやめる"})
        EXPECT_NE(action(name), nullptr) << name;
}

TEST_F(WindowTest, ThePlayerCountItemsKeepOneCheckMarkMatchingTheSetting)
{
    const auto players = window->findChildren<QAction*>("人数");
    ASSERT_EQ(players.size(), 2);
    EXPECT_TRUE(players[0]->isChecked());
    EXPECT_FALSE(players[1]->isChecked());
    players[1]->trigger();
    players[1]->trigger();
    EXPECT_FALSE(players[0]->isChecked());
    EXPECT_TRUE(players[1]->isChecked()) << "choosing the checked item again keeps it checked";
    EXPECT_EQ(state.PlayerSetting, 1);
    players[0]->trigger();
    EXPECT_TRUE(players[0]->isChecked());
    EXPECT_FALSE(players[1]->isChecked());
    EXPECT_EQ(state.PlayerSetting, 0);
}

namespace {
struct SeenInBox {
    QStringList lines;  // the title, then the text's lines
    bool information = false;
    bool okOnly = false;
    bool hasTheKeyboard = false;
    bool ownerDisabled = false;
    bool menuOpened = false;
    int result = -1;  // the button that dismissed it
};
} // namespace

class HelpBoxTest : public WindowTest {
protected:
    // Opens the help box of the ヘルプ menu's item (0 or 1) with the mouse and the keyboard, looks
    // at it, tries the window's commands, then dismisses it as dismiss says.
    SeenInBox openAndDismiss(int item, const std::function<void(QMessageBox&)>& dismiss)
    {
        SeenInBox seen;
        after(100, [&] {
            QMessageBox* box = openBox();
            if (box == nullptr)
                return;
            QObject::connect(box, &QDialog::finished, [&seen](int result) { seen.result = result; });
            seen.lines = QStringList{box->windowTitle()} + box->text().split('\n');
            seen.information = box->icon() == QMessageBox::Information;
            seen.okOnly = box->standardButtons() == QMessageBox::Ok;
            seen.hasTheKeyboard = QApplication::activeWindow() == box;
            seen.ownerDisabled = !window->isEnabled();
            QTest::keyClick(handle(), Qt::Key_S, Qt::ControlModifier);
            keyToFocus(QTest::Click, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(handle(), Qt::Key_F10);
            seen.menuOpened = !openMenu().isEmpty();
            dismiss(*box);
        });
        if (!clickMenuTitle("ヘルプ"))
            return seen;
        for (int down = 0; down <= item; ++down)
            keyToFocus(QTest::Click, Qt::Key_Down);
        keyToFocus(QTest::Click, Qt::Key_Return);  // returns once the box is dismissed
        return seen;
    }
};

TEST_F(HelpBoxTest, ShowTheirTextsWithTheKeyboardTakeNoCommandAndGoOnReturnEscOrOk)
{
    int starts = 0;
    QObject::connect(action("スタート"), &QAction::triggered, [&] { ++starts; });
    const SeenInBox howToPlay = openAndDismiss(0, [](QMessageBox&) { keyToFocus(QTest::Click, Qt::Key_Return); });
    ASSERT_EQ(howToPlay.lines.size(), 2) << "a title and one paragraph";
    EXPECT_EQ(howToPlay.lines[0], "遊び方");
    EXPECT_EQ(howToPlay.lines[1].size(), 75);
    EXPECT_TRUE(howToPlay.lines[1].startsWith("ゲームを開始すると画面奥から"));
    const SeenInBox controls = openAndDismiss(1, [](QMessageBox&) { keyToFocus(QTest::Click, Qt::Key_Escape); });
    EXPECT_EQ(controls.lines, QStringList({"操作表", "１Ｐ", "移　　動：←　→", "ロケット：　↑", "", "２Ｐ",
                                           "移　　動：Ｚ　Ｘ", "ロケット：Ｓｈｉｆｔ"}));
    const SeenInBox clicked = openAndDismiss(0, [](QMessageBox& box) {
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    for (const SeenInBox& seen : {howToPlay, controls, clicked}) {
        EXPECT_TRUE(seen.information && seen.okOnly) << seen.lines.value(0).toStdString();
        EXPECT_TRUE(seen.hasTheKeyboard) << seen.lines.value(0).toStdString();
        EXPECT_TRUE(seen.ownerDisabled) << seen.lines.value(0).toStdString();
        EXPECT_FALSE(seen.menuOpened) << seen.lines.value(0).toStdString();
        EXPECT_EQ(seen.result, QMessageBox::Ok) << seen.lines.value(0).toStdString();
    }
    EXPECT_EQ(starts, 0) << "no command while a box is open";
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(WindowTest, F10OpensTheMenusWhichHoldTheGameAndThenTheKeysAreTheGamesAgain)
{
    QString firstMenu, secondMenu;
    int tickAtOpen = -1, tickWhileOpen = -2, tickAfter = 0;  // LastTick moves on in every pass
    after(200, [&] {
        QTest::keyClick(handle(), Qt::Key_F10);
        firstMenu = openMenu();
        tickAtOpen = state.LastTick;
        after(300, [&] {
            tickWhileOpen = state.LastTick;
            keyToFocus(QTest::Click, Qt::Key_Right);
            secondMenu = openMenu();
            keyToFocus(QTest::Click, Qt::Key_Down);
            keyToFocus(QTest::Click, Qt::Key_Return);
            after(200, [&] {
                tickAfter = state.LastTick;
                keyToFocus(QTest::Press, Qt::Key_Left);
                keyToFocus(QTest::Click, Qt::Key_Escape);
            });
        });
    });
    action("スタート")->trigger();
    EXPECT_EQ(firstMenu, "ゲーム");
    EXPECT_EQ(secondMenu, "人数設定");
    EXPECT_EQ(state.PlayerSetting, 1) << "the arrows and Enter chose two players";
    EXPECT_EQ(tickWhileOpen, tickAtOpen) << "no pass while a menu is open";
    EXPECT_GT(tickAfter, tickWhileOpen) << "the game goes on once it is closed";
    EXPECT_EQ(state.Steer[0], -1) << "the keys are the game's again";
    EXPECT_TRUE(image1->isVisible()) << "Esc reached the game";
}

TEST_F(WindowTest, MaximiseAndFullScreenRequestsShowTheTitleInWholePixelBlocksUntilTheWindowLeavesThem)
{
    const QImage atStart = clientArea();
    for (Qt::WindowState request : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        handle()->setWindowStates(request);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowState() == request; }, 1000)) << request;
        const QSize area = window->centralWidget()->size();
        EXPECT_GT(area.width(), 320) << request;
        EXPECT_EQ(blockMismatch(atStart, window->centralWidget()->grab().toImage(), expectedView(area)).toStdString(), "")
            << request;
        handle()->setWindowStates(Qt::WindowNoState);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->centralWidget()->size() == QSize(320, 241); }, 1000)) << request;
        EXPECT_EQ(clientArea(), atStart) << request;
    }
}

// F11 is a key of the window and of the game alike; Esc ends the game, not the full screen.
TEST_F(WindowTest, F11TogglesAFullScreenWhereGamesRunAndTheMenusOpen)
{
    const QSize normal = window->size();
    QTest::keyClick(handle(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 1000));
    key(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, true);
    EXPECT_TRUE(window->isFullScreen()) << "a held key's repeats change nothing";
    QString menuByF10;
    after(300, [&] {
        QTest::keyClick(handle(), Qt::Key_F10);
        menuByF10 = openMenu();
        keyToFocus(QTest::Click, Qt::Key_Escape);
        keyToFocus(QTest::Click, Qt::Key_Escape);
    });
    action("スタート")->trigger();
    EXPECT_EQ(state.Playing, 0) << "Esc ended the game";
    EXPECT_TRUE(window->isFullScreen()) << "Esc left full screen";
    EXPECT_EQ(menuByF10, "ゲーム");
    ASSERT_TRUE(clickMenuTitle("人数設定")) << "the mouse reaches the menus in full screen";
    keyToFocus(QTest::Click, Qt::Key_Escape);
    QTest::keyClick(handle(), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen() && window->size() == normal; }, 1000));
}

TEST_F(WindowTest, TheGoalShowsItsCaptionInTheLabel)
{
    QString caption;
    bool shown = false;
    QTimer watch;  // the finale is not paced: look in the first pump that finds it running
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (state.Progress > 1200 && state.Playing != 0) {
            caption = label1->text();
            shown = label1->isVisible();
            watch.stop();
            key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        }
    });
    after(100, [&] {
        state.Progress = 1199;
        watch.start(0);
    });
    action("スタート")->trigger();
    EXPECT_EQ(caption, "Clear!Good Luck!");
    EXPECT_TRUE(shown);
}

// Both captions are read off a black band: nothing of the flight behind shows through, not even
// between the letters. The first pump that shows the label still has the meteors behind it.
TEST_F(WindowTest, TheLabelsCaptionsCoverTheMeteorsBehindThemWithBlack)
{
    for (const bool goal : {false, true}) {
        QString caption;
        QImage band;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!label1->isVisible())
                return;
            caption = label1->text();
            band = clientArea().copy(label1->geometry());
            watch.stop();
            key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        });
        after(100, [&] {
            for (int slot = 0; slot < kMeteorSlots; ++slot) {  // all along the label, far from hitting
                state.MeteorX[slot] = 32 + 64 * slot;
                state.MeteorY[slot] = 116;
                state.MeteorSize[slot] = 100;
            }
            if (goal)
                state.Progress = 1199;
            else
                state.RocketX[0] = state.RocketX[1] = kOutOfPlay;
            watch.start(0);
        });
        action("スタート")->trigger();
        EXPECT_EQ(caption, goal ? "Clear!Good Luck!" : "Game Over!");
        int coloured = 0;  // the meteors' colours; the white text and its edges are greys on black
        int lit = 0;
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x) {
                const QRgb pixel = band.pixel(x, y);
                coloured += qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel);
                lit += qGray(pixel) > 128;
            }
        EXPECT_EQ(coloured, 0) << caption.toStdString();
        EXPECT_GT(lit, 100) << caption.toStdString();
    }
}

// Stars, meteors and the rocket are single pixels and hard edges: at any ratio of the screen
// each pixel of the surface is a whole block of the screen's.
TEST_F(WindowTest, CtrlSStartsAGameShownInWholePixelBlocksAndEscBringsTheTitleBack)
{
    const QImage atStart = clientArea();
    bool imageHiddenDuringGame = false;
    QImage shown;
    QImage surface;
    after(300, [&] {
        imageHiddenDuringGame = !image1->isVisible();
        shown = window->centralWidget()->grab().toImage();
        surface = clientArea();
        key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(imageHiddenDuringGame);
    EXPECT_EQ(surface.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(image1->isVisible());
    EXPECT_FALSE(label1->isVisible());
    EXPECT_EQ(clientArea(), atStart) << "the title over the cleared, white surface";
    const int ratio = qRound(shown.devicePixelRatio());
    ASSERT_EQ(shown.size(), QSize(320, 241) * ratio);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, surface.pixel(x / ratio, y / ratio) & 0xFFFFFF) << x << "," << y;
}
