// Form1 on the offscreen platform: controls, menus, commands, help boxes, closing.
#include "WindowFixture.h"

#include "game/GameState.h"
#include "input/KeyHandlers.h"
#include "ui/ImageControl.h"

#include <QLabel>
#include <QMenuBar>

using namespace skyvane;
using skyvane::testing::WindowTest;

namespace {
QStringList titlesOf(const QList<QAction*>& actions)
{
    QStringList titles;
    for (const QAction* item : actions)
        titles << item->text();
    return titles;
}
} // namespace

TEST_F(WindowTest, StartsWithTheTitleOverAWhiteSurfaceAndAFixedClientArea)
{
    EXPECT_EQ(window->windowTitle(), "Skyvane");
    EXPECT_EQ(window->centralWidget()->size(), QSize(320, 241));
    EXPECT_TRUE(window->image1().isVisible());
    EXPECT_EQ(window->image1().geometry(), QRect(0, 0, 320, 240));
    EXPECT_FALSE(window->label1().isVisible());
    EXPECT_EQ(window->label1().geometry(), QRect(0, 103, 320, 27));
    EXPECT_EQ(window->surface().pixel(0, 240), qRgb(255, 255, 255)) << "the bottom row is white";
    EXPECT_FALSE(window->windowIcon().isNull());
    window->resize(640, 480);
    QApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->size(), QSize(320, 241)) << "the user cannot resize it";
}

TEST_F(WindowTest, TheMessageLabelUsesTheJapaneseFontListWhiteOnBlack)
{
    const QFont font = window->label1().font();
    EXPECT_EQ(font.families(), QStringList({"ＭＳ Ｐゴシック", "MS PGothic", "Noto Sans CJK JP"}));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 20.25);
    EXPECT_EQ(window->label1().palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(window->label1().palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(window->label1().focusPolicy(), Qt::NoFocus);
}

TEST_F(WindowTest, TheMenuTreeHasTheDesignsNamesCaptionsAndShortcut)
{
    const QList<QAction*> menus = window->menuBar()->actions();
    EXPECT_EQ(titlesOf(menus), QStringList({"ゲーム", "人数設定", "ヘルプ"}));
    EXPECT_EQ(titlesOf(menus[0]->menu()->actions()), QStringList({"スタート", "終わる"}));
    EXPECT_EQ(titlesOf(menus[1]->menu()->actions()), QStringList({"１人", "２人"}));
    EXPECT_EQ(titlesOf(menus[2]->menu()->actions()), QStringList({"遊び方", "操作表"}));
    EXPECT_EQ(action("スタート")->shortcut(), QKeySequence("Ctrl+S"));
    for (const char* name : {"ゲーム", "人数設定", "ヘルプ", "スタート", "終わる", "遊び方", "操作表"})
        EXPECT_NE(action(name), nullptr) << name;
    const auto players = window->findChildren<QAction*>("人数");
    ASSERT_EQ(players.size(), 2);
    EXPECT_TRUE(players[0]->isChecked());
    EXPECT_FALSE(players[1]->isChecked());
    for (QAction* item : window->findChildren<QAction*>())
        EXPECT_FALSE(item->text().contains('&')) << "no access-key letters";
}

TEST_F(WindowTest, ThePlayerCountItemsKeepOneCheckMarkMatchingTheSetting)
{
    const auto players = window->findChildren<QAction*>("人数");
    players[1]->trigger();
    players[1]->trigger();
    EXPECT_FALSE(players[0]->isChecked());
    EXPECT_TRUE(players[1]->isChecked()) << "choosing the checked item again keeps it checked";
    EXPECT_EQ(window->state().PlayerSetting, 1);
    players[0]->trigger();
    EXPECT_TRUE(players[0]->isChecked());
    EXPECT_FALSE(players[1]->isChecked());
    EXPECT_EQ(window->state().PlayerSetting, 0);
}

TEST_F(WindowTest, TheHelpBoxesShowTheirTitlesTextsIconAndOneButton)
{
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    auto readAndClose = [](Seen& seen) {
        return [&seen] {
            QMessageBox* box = openBox();
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            box->accept();
        };
    };
    Seen howToPlay;
    after(50, readAndClose(howToPlay));
    action("遊び方")->trigger();
    EXPECT_EQ(howToPlay.title, "遊び方");
    EXPECT_EQ(howToPlay.text.size(), 75);
    EXPECT_TRUE(howToPlay.text.startsWith("ゲームを開始すると画面奥から"));
    EXPECT_EQ(howToPlay.icon, QMessageBox::Information);
    EXPECT_EQ(howToPlay.buttons, QMessageBox::Ok);

    Seen table;
    after(50, readAndClose(table));
    action("操作表")->trigger();
    EXPECT_EQ(table.title, "操作表");
    EXPECT_EQ(table.text.split('\n'),
              QStringList({"１Ｐ", "移　　動：←　→", "ロケット：　↑", "", "２Ｐ", "移　　動：Ｚ　Ｘ", "ロケット：Ｓｈｉｆｔ"}));
    EXPECT_EQ(table.icon, QMessageBox::Information);
    EXPECT_EQ(table.buttons, QMessageBox::Ok);
}

TEST_F(WindowTest, WhileAHelpBoxIsOpenTheWindowTakesNoCommandAndNoKey)
{
    int starts = 0;
    QObject::connect(action("スタート"), &QAction::triggered, [&] { ++starts; });
    bool boxActive = false;
    bool menusOpened = true;
    after(50, [&] {
        QMessageBox* box = openBox();
        ASSERT_NE(box, nullptr);
        boxActive = QApplication::activeWindow() == box;
        // Ends a game that should not have started.
        QTimer::singleShot(300, window.get(), [&] { window->state().Playing = 0; });
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(window->windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QTest::keyPress(window->windowHandle(), Qt::Key_Left);
        QTest::keyClick(window->windowHandle(), Qt::Key_F10);
        menusOpened = QApplication::activePopupWidget() != nullptr;
        box->accept();
    });
    action("遊び方")->trigger();
    EXPECT_TRUE(boxActive) << "keys go to the box";
    EXPECT_EQ(starts, 0);
    EXPECT_FALSE(menusOpened);
    EXPECT_EQ(window->state().Steer[0], 0);
    QTest::keyPress(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(window->state().Steer[0], 1) << "the keys are the game's again once the box is gone";
}

TEST_F(WindowTest, F10OpensTheMenusAndAfterwardsTheKeysAreTheGamesAgain)
{
    QWindow* handle = window->windowHandle();
    QTest::keyClick(handle, Qt::Key_F10);
    QWidget* gameMenu = QApplication::activePopupWidget();
    ASSERT_NE(gameMenu, nullptr);
    EXPECT_EQ(gameMenu->objectName(), "ゲーム");
    QTest::keyClick(gameMenu, Qt::Key_Right);
    QWidget* playersMenu = QApplication::activePopupWidget();
    ASSERT_NE(playersMenu, nullptr);
    EXPECT_EQ(playersMenu->objectName(), "人数設定");
    QTest::keyClick(playersMenu, Qt::Key_Down);
    QTest::keyClick(playersMenu, Qt::Key_Return);
    EXPECT_EQ(window->state().PlayerSetting, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::keyClick(handle, Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    QTest::keyPress(handle, Qt::Key_Left);
    EXPECT_EQ(window->state().Steer[0], -1);
}

TEST_F(WindowTest, AnOpenMenuHoldsTheGameUntilItCloses)
{
    // LastTick moves on in every pass of the game loop.
    int tickAtOpen = -1, tickBeforeClose = -2, tickAtEnd = 0;
    after(200, [&] {
        QTest::keyClick(window->windowHandle(), Qt::Key_F10);
        tickAtOpen = window->state().LastTick;
        after(300, [&] {
            tickBeforeClose = window->state().LastTick;
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            after(200, [&] {
                tickAtEnd = window->state().LastTick;
                key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            });
        });
    });
    action("スタート")->trigger();
    EXPECT_EQ(tickBeforeClose, tickAtOpen) << "no pass while the menu is open";
    EXPECT_GT(tickAtEnd, tickBeforeClose) << "the game goes on once it is closed";
}

TEST_F(WindowTest, MaximiseAndFullScreenRequestsLeaveTheWindowAndTheBoxesAtTheirSize)
{
    auto requestEach = [](QWidget& shown) {
        const QSize size = shown.size();
        for (Qt::WindowState request : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            shown.windowHandle()->setWindowStates(request);
            QApplication::processEvents();
            EXPECT_EQ(shown.windowState(), Qt::WindowNoState) << request;
            EXPECT_EQ(shown.size(), size) << request;
        }
    };
    requestEach(*window);
    EXPECT_EQ(window->centralWidget()->size(), QSize(320, 241));
    after(50, [&] {
        QMessageBox* box = openBox();
        ASSERT_NE(box, nullptr);
        requestEach(*box);
        box->accept();
    });
    action("操作表")->trigger();
}

TEST_F(WindowTest, CtrlSStartsAGameAndEscBringsTheTitleBack)
{
    bool imageHiddenDuringGame = false;
    QRgb playAreaDuringGame = 0;
    after(300, [&] {
        imageHiddenDuringGame = !window->image1().isVisible();
        playAreaDuringGame = window->surface().pixel(0, 0);
        key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(imageHiddenDuringGame);
    EXPECT_EQ(playAreaDuringGame, qRgb(0, 0, 0));
    EXPECT_TRUE(window->image1().isVisible());
    EXPECT_FALSE(window->label1().isVisible());
    EXPECT_EQ(window->surface().pixel(160, 120), qRgb(255, 255, 255)) << "the tail cleared the surface";
    EXPECT_FALSE(window->game().isRunning());
}

TEST_F(WindowTest, StartDuringAGameRestartsItInPlace)
{
    int restarts = 0;
    std::function<void()> restart = [&] {
        if (++restarts < 20) {
            window->state().Progress = 500;
            action("スタート")->trigger();
            EXPECT_EQ(window->state().Progress, 0);
            after(5, restart);
        } else {
            key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        }
    };
    after(50, restart);
    action("スタート")->trigger();
    EXPECT_EQ(restarts, 20);
    EXPECT_TRUE(window->image1().isVisible());
}

TEST_F(WindowTest, ClosingDuringAGameReturnsAtOnceWithoutTheTail)
{
    after(200, [&] { window->close(); });
    action("スタート")->trigger();
    EXPECT_FALSE(window->game().isRunning());
    EXPECT_FALSE(window->image1().isVisible()) << "no tail: the title stays hidden";
    EXPECT_EQ(window->surface().pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(WindowTest, QuitWithAHelpBoxOpenDuringAGameEndsTheGame)
{
    after(100, [&] { action("操作表")->trigger(); });
    after(300, [&] {
        ASSERT_NE(openBox(), nullptr);
        window->close();
    });
    action("スタート")->trigger();
    EXPECT_FALSE(window->game().isRunning());
    EXPECT_EQ(openBox(), nullptr);
}

TEST_F(WindowTest, ClosingDuringTheFinaleReturnsAtOnceWithoutTheTail)
{
    QString caption;
    QTimer watch;  // the finale is not paced: close in the first pump that finds it running
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (window->state().Progress > 1200 && window->game().isRunning()) {
            caption = window->label1().text();
            watch.stop();
            window->close();
        }
    });
    after(100, [&] {
        window->state().Progress = 1199;
        watch.start(0);
    });
    action("スタート")->trigger();
    EXPECT_EQ(caption, "Clear!Good Luck!");
    EXPECT_LT(window->state().Progress, 2035);
    EXPECT_FALSE(window->image1().isVisible()) << "no tail";
    EXPECT_FALSE(window->game().isRunning());
}

TEST_F(WindowTest, TheSurfaceIsShownInWholePixelBlocksAtAnyScreenRatio)
{
    QImage shown;
    QImage surface;
    after(300, [&] {  // stars, meteors and the rocket: single pixels and hard edges
        shown = window->centralWidget()->grab().toImage();
        surface = window->surface().copy();
        key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    });
    action("スタート")->trigger();
    const int ratio = qRound(shown.devicePixelRatio());
    ASSERT_EQ(shown.size(), QSize(320, 241) * ratio);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, surface.pixel(x / ratio, y / ratio) & 0xFFFFFF) << x << "," << y;
}
