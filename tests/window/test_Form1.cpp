// Form1 on the offscreen platform: controls, menus, commands, help boxes, closing.
#include "WindowFixture.h"

#include "game/GameState.h"
#include "ui/ImageControl.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>

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
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window manager offers no resize";
    window->resize(640, 480);
    QApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->size(), QSize(320, 241)) << "the user cannot resize it";
}

TEST_F(WindowTest, TheMenusAndItemsCarryTheirCaptionsAsObjectNamesAndStartHasItsShortcut)
{
    const QList<QAction*> menus = window->menuBar()->actions();
    EXPECT_EQ(titlesOf(menus), QStringList({"ゲーム", "人数設定", "ヘルプ"}));
    EXPECT_EQ(titlesOf(menus[0]->menu()->actions()), QStringList({"スタート", "終わる"}));
    EXPECT_EQ(titlesOf(menus[1]->menu()->actions()), QStringList({"１人", "２人"}));
    EXPECT_EQ(titlesOf(menus[2]->menu()->actions()), QStringList({"遊び方", "操作表"}));
    EXPECT_EQ(action("スタート")->shortcut(), QKeySequence("Ctrl+S"));
    for (const char* name : {"ゲーム", "人数設定", "ヘルプ", "スタート", "終わる", "遊び方", "操作表"})
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

TEST_F(WindowTest, TheHelpBoxesShowTheirTextsAndTakeTheKeysUntilDismissed)
{
    int starts = 0;
    QObject::connect(action("スタート"), &QAction::triggered, [&] { ++starts; });
    auto shown = [this](const char* item) {
        QStringList seen;
        after(50, [this, &seen] {
            QMessageBox* box = openBox();
            ASSERT_NE(box, nullptr);
            ASSERT_EQ(box->icon(), QMessageBox::Information);
            ASSERT_EQ(box->standardButtons(), QMessageBox::Ok);
            ASSERT_EQ(QApplication::activeWindow(), box) << "keys go to the box";
            QTimer::singleShot(300, window.get(), [this] { state.Playing = 0; });  // ends a wrong game
            QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(window->windowHandle(), Qt::Key_S, Qt::ControlModifier);
            QTest::keyPress(window->windowHandle(), Qt::Key_Left);
            QTest::keyClick(window->windowHandle(), Qt::Key_F10);
            seen = QStringList{box->windowTitle()} + box->text().split('\n');
            if (QApplication::activePopupWidget() != nullptr)
                seen << "a menu opened";
            box->accept();
        });
        action(item)->trigger();
        return seen;
    };
    const QStringList howToPlay = shown("遊び方");
    ASSERT_EQ(howToPlay.size(), 2) << "a title and one paragraph";
    EXPECT_EQ(howToPlay[0], "遊び方");
    EXPECT_EQ(howToPlay[1].size(), 75);
    EXPECT_TRUE(howToPlay[1].startsWith("ゲームを開始すると画面奥から"));
    EXPECT_EQ(shown("操作表"), QStringList({"操作表", "１Ｐ", "移　　動：←　→", "ロケット：　↑", "", "２Ｐ",
                                           "移　　動：Ｚ　Ｘ", "ロケット：Ｓｈｉｆｔ"}));
    EXPECT_EQ(starts, 0) << "no command while a box is open";
    EXPECT_EQ(state.Steer[0], 0);
    QTest::keyPress(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(state.Steer[0], 1) << "the keys are the game's again once the box is gone";
}

TEST_F(WindowTest, F10OpensTheMenusWhichHoldTheGameAndThenTheKeysAreTheGamesAgain)
{
    QString firstMenu, secondMenu;
    int tickAtOpen = -1, tickWhileOpen = -2, tickAfter = 0;  // LastTick moves on in every pass
    after(200, [&] {
        QTest::keyClick(window->windowHandle(), Qt::Key_F10);
        firstMenu = QApplication::activePopupWidget()->objectName();
        tickAtOpen = state.LastTick;
        after(300, [&] {
            tickWhileOpen = state.LastTick;
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
            secondMenu = QApplication::activePopupWidget()->objectName();
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
            after(200, [&] {
                tickAfter = state.LastTick;
                QTest::keyPress(window->windowHandle(), Qt::Key_Left);
                QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
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
    const QImage atStart = clientArea();
    bool imageHiddenDuringGame = false;
    QRgb playAreaDuringGame = 0;
    after(300, [&] {
        imageHiddenDuringGame = !image1->isVisible();
        playAreaDuringGame = clientArea().pixel(0, 0);
        key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(imageHiddenDuringGame);
    EXPECT_EQ(playAreaDuringGame, qRgb(0, 0, 0));
    EXPECT_TRUE(image1->isVisible());
    EXPECT_FALSE(label1->isVisible());
    EXPECT_EQ(clientArea(), atStart) << "the title over the cleared, white surface";
    EXPECT_EQ(state.Playing, 0);
}

TEST_F(WindowTest, TheFinaleShowsItsCaptionAndClosingThenReturnsWithoutTheTail)
{
    QString caption;
    bool captionShown = false;
    QTimer watch;  // the finale is not paced: close in the first pump that finds it running
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (state.Progress > 1200 && state.Playing != 0) {
            caption = label1->text();
            captionShown = label1->isVisible();
            watch.stop();
            window->close();
        }
    });
    after(100, [&] {
        state.Progress = 1199;
        watch.start(0);
    });
    action("スタート")->trigger();
    EXPECT_EQ(caption, "Clear!Good Luck!");
    EXPECT_TRUE(captionShown);
    EXPECT_LT(state.Progress, 2035);
    EXPECT_FALSE(image1->isVisible()) << "no tail";
}

TEST_F(WindowTest, TheSurfaceIsShownInWholePixelBlocksAtAnyScreenRatio)
{
    QImage shown;
    QImage surface;
    after(300, [&] {  // stars, meteors and the rocket: single pixels and hard edges
        shown = window->centralWidget()->grab().toImage();
        surface = clientArea();
        key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    });
    action("スタート")->trigger();
    const int ratio = qRound(shown.devicePixelRatio());
    ASSERT_EQ(shown.size(), QSize(320, 241) * ratio);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, surface.pixel(x / ratio, y / ratio) & 0xFFFFFF) << x << "," << y;
}
