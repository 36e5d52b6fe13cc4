// Form1 on the offscreen platform: controls, menus, commands, full screen, games shown.
#include "WholeBlocks.h"
#include "WindowFixture.h"

#include <QScreen>

using namespace skyvane;
using namespace skyvane::testing;

TEST_F(WindowTest, StartsWithTheTitleOverAWhiteSurfaceAtItsNormalSizeUnderMenusNamedByTheirCaptions)
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

    // Each menu and item is named by its caption, but the player-count items share 人数; スタート
    // alone has a shortcut.
    QList<QStringList> tree;
    for (const QAction* menu : window->menuBar()->actions()) {
        ASSERT_NE(menu->menu(), nullptr) << menu->text().toStdString();
        tree.append({menu->text()});
        EXPECT_EQ(menu->objectName(), menu->text());
        for (const QAction* item : menu->menu()->actions()) {
            tree.back() << item->text();
            EXPECT_EQ(item->objectName(), tree.size() == 2 ? QStringLiteral("人数") : item->text());
            EXPECT_EQ(item->shortcut(), QKeySequence(item->text() == "スタート" ? "Ctrl+S" : ""));
        }
    }
    EXPECT_EQ(tree, QList<QStringList>({{"ゲーム", "スタート", "終わる"}, {"人数設定", "１人", "２人"},
                                        {"ヘルプ", "遊び方", "操作表"},
                                        {"ネット対戦", "ホストになる", "参加する", "ネット対戦をやめる"}}));

    // The player-count items keep one check mark, matching the setting.
    const auto players = window->findChildren<QAction*>("人数");
    ASSERT_EQ(players.size(), 2);
    auto marks = [&] { return std::pair(players[0]->isChecked(), players[1]->isChecked()); };
    EXPECT_EQ(marks(), std::pair(true, false));
    players[1]->trigger();
    players[1]->trigger();
    EXPECT_EQ(marks(), std::pair(false, true)) << "choosing the checked item again keeps it checked";
    EXPECT_EQ(state.PlayerSetting, 1);
    players[0]->trigger();
    EXPECT_EQ(marks(), std::pair(true, false));
    EXPECT_EQ(state.PlayerSetting, 0);
}

// Maximised or in full screen, the window shows the title in whole-pixel blocks until it leaves that
// state. F11 is a key of the window and of the game alike: in full screen F10's menus hold the game
// until Esc closes them, and the mouse reaches them; Esc then ends the game, not the full screen.
TEST_F(WindowTest, MaximiseAndFullScreenShowTheTitleInWholePixelBlocksAndF11sFullScreenKeepsMenusAndEsc)
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

    QTest::keyClick(handle(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, 1000));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F11, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(window.get(), &repeat);
    EXPECT_TRUE(window->isFullScreen()) << "a held key's repeats change nothing";
    int tickAtOpen = -1, tickWhileOpen = -2, tickAfter = 0;  // LastTick moves on in every pass
    QTimer::singleShot(200, window.get(), [&] {
        QTest::keyClick(handle(), Qt::Key_F10);
        tickAtOpen = state.LastTick;
        QTimer::singleShot(300, window.get(), [&] {
            tickWhileOpen = state.LastTick;
            keyToFocus(QTest::Click, Qt::Key_Escape);
            QTimer::singleShot(200, window.get(), [&] {
                tickAfter = state.LastTick;
                keyToFocus(QTest::Click, Qt::Key_Escape);
            });
        });
    });
    action("スタート")->trigger();
    EXPECT_EQ(tickWhileOpen, tickAtOpen) << "no pass while a menu is open";
    EXPECT_GT(tickAfter, tickWhileOpen) << "the game goes on once Esc closed it";
    EXPECT_TRUE(window->isFullScreen()) << "Esc left full screen";
    ASSERT_TRUE(clickMenuTitle("人数設定")) << "the mouse reaches the menus in full screen";
    keyToFocus(QTest::Click, Qt::Key_Escape);
    QTest::keyClick(handle(), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen() && clientArea() == atStart; }, 1000))
        << "back at the normal size";
}

// Stars, meteors and the rocket are single pixels and hard edges: at any ratio of the screen each
// pixel of the surface is a whole block of the screen's. Both captions cover the meteors, which the
// first pump to show the label still has behind it, with black, even between the letters.
TEST_F(WindowTest, CtrlSStartsAGameShownInWholePixelBlocksWithTheLabelsCaptionsCoveringTheMeteorsWithBlack)
{
    const QImage atStart = clientArea();
    for (const bool goal : {false, true}) {
        QString caption;
        QImage shown, surface, band;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!label1->isVisible())
                return;
            caption = label1->text();
            band = clientArea().copy(label1->geometry());
            watch.stop();
            keyToFocus(QTest::Press, Qt::Key_Escape);
        });
        QTimer::singleShot(300, &watch, [&] {
            shown = window->centralWidget()->grab().toImage();
            surface = clientArea();
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
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(caption, goal ? "Clear!Good Luck!" : "Game Over!");
        EXPECT_EQ(surface.pixel(0, 0), qRgb(0, 0, 0)) << caption.toStdString();
        EXPECT_EQ(blockMismatch(surface, shown, {1, {0, 0}}).toStdString(), "") << caption.toStdString();
        int coloured = 0, lit = 0;  // the meteors' colours; the white text and its edges are greys on black
        for (int y = 0; y < band.height(); ++y)
            for (int x = 0; x < band.width(); ++x) {
                const QRgb pixel = band.pixel(x, y);
                coloured += qRed(pixel) != qGreen(pixel) || qGreen(pixel) != qBlue(pixel);
                lit += qGray(pixel) > 128;
            }
        EXPECT_EQ(coloured, 0) << caption.toStdString();
        EXPECT_GT(lit, 100) << caption.toStdString();
        EXPECT_EQ(clientArea(), atStart) << "the title alone over the cleared, white surface";
    }
}
