// Net play from the window on the offscreen platform: the host and join dialogs by keyboard and
// by mouse, leaving them, and what the window says meanwhile.
#include "WindowFixture.h"

#include "net/JoinCode.h"
#include "net/Session.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace skyvane;
using skyvane::testing::WindowTest;

class NetMenuTest : public WindowTest {
protected:
    static inline const net::JoinCode kCode = *net::readJoinCode("K7PQ");

    // The dialog of that title if it has the keyboard, else null.
    static QDialog* activeDialog(const char* title)
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeWindow());
        return dialog != nullptr && dialog->windowTitle() == title ? dialog : nullptr;
    }
    // The net menu's item chosen by keyboard: F10, the arrows to the fourth menu and down, Enter.
    void chooseByKeyboard(int item)
    {
        QTest::keyClick(handle(), Qt::Key_F10);
        for (int right = 0; right < 3; ++right)
            keyToFocus(QTest::Click, Qt::Key_Right);
        for (int down = 0; down < item; ++down)
            keyToFocus(QTest::Click, Qt::Key_Down);
        keyToFocus(QTest::Click, Qt::Key_Return);
    }
    QString status() const
    {
        const QLabel* line = window->findChild<QLabel*>(QStringLiteral("ネット対戦の状態"));
        return line != nullptr && line->isVisible() ? line->text() : QString();
    }
    bool netItemsAre(bool hostAndJoin, bool leave) const
    {
        return action("ホストになる")->isEnabled() == hostAndJoin && action("参加する")->isEnabled() == hostAndJoin &&
               action("ネット対戦をやめる")->isEnabled() == leave;
    }
};

// Joined by mouse, the window says who is there and how far; leaving says so, and the host hears it.
// Esc, the cancel button and a join with nothing chosen open or join nothing. Hosting by keyboard:
// a port taken is said in the dialog, which stays; another begins.
TEST_F(NetMenuTest, JoiningByMouseAndHostingByKeyboardSayWhoIsThereAndLeavingADialogChangesNothing)
{
    GameState hostState;  // another machine's window, hosting on this one
    Form1 host(loadPictures(), hostState, 1);
    auto hosting = net::Session::host(0, kCode, QCoreApplication::applicationVersion().toStdString());
    const std::uint16_t hostPort = hosting->port();
    host.playOverNetwork(std::move(hosting));
    ASSERT_TRUE(clickMenuTitle("ネット対戦"));
    QTimer::singleShot(100, window.get(), [&] {
        QDialog* dialog = activeDialog("参加する");
        auto* address = dialog != nullptr ? dialog->findChild<QLineEdit*>("アドレス") : nullptr;
        auto* code = dialog != nullptr ? dialog->findChild<QLineEdit*>("参加コード") : nullptr;
        if (address == nullptr || code == nullptr)
            return;
        QTest::mouseClick(address, Qt::LeftButton);
        QTest::keyClicks(address, QStringLiteral("127.0.0.1:%1").arg(hostPort));
        QTest::mouseClick(code, Qt::LeftButton);
        QTest::keyClicks(code, "k7pq");
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "参加")
                QTest::mouseClick(button, Qt::LeftButton);
    });
    QMenu* menu = action("ネット対戦")->menu();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action("参加する")).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Skyvane - 2P, with 1P"; }, 5000))
        << window->windowTitle().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.windowTitle() == "Skyvane - 1P, with 2P"; }, 1000));
    EXPECT_TRUE(status().startsWith("1Pと対戦中（往復 ")) << status().toStdString();
    EXPECT_TRUE(netItemsAre(false, true));
    EXPECT_EQ(state.PlayerSetting, 1) << "two players it is";
    action("ネット対戦をやめる")->trigger();
    EXPECT_EQ(window->windowTitle(), "Skyvane");
    EXPECT_EQ(status(), "ネット対戦をやめました");
    EXPECT_TRUE(netItemsAre(true, false));
    const QString hostHeard = QStringLiteral("(%1)").arg(net::describe(net::EndReason::Left));
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.windowTitle().endsWith(hostHeard); }, 3000))
        << host.windowTitle().toStdString();

    QString joinProblem;
    QTimer::singleShot(100, window.get(), [&] {
        if (activeDialog("参加する") == nullptr)
            return;
        keyToFocus(QTest::Click, Qt::Key_Return);
        const QDialog* dialog = activeDialog("参加する");
        const QLabel* said = dialog != nullptr ? dialog->findChild<QLabel*>("問題") : nullptr;
        joinProblem = said != nullptr && said->isVisible() ? said->text() : QString();
        keyToFocus(QTest::Click, Qt::Key_Escape);
    });
    chooseByKeyboard(1);
    QTimer::singleShot(100, window.get(), [&] {
        if (const QDialog* dialog = activeDialog("ホストになる"))
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "キャンセル")
                    QTest::mouseClick(button, Qt::LeftButton);
    });
    chooseByKeyboard(0);
    EXPECT_EQ(joinProblem, "アドレスを選ぶか入力してください。");
    EXPECT_EQ(window->windowTitle(), "Skyvane");
    EXPECT_EQ(status(), "ネット対戦をやめました");
    EXPECT_TRUE(netItemsAre(true, false));

    const std::unique_ptr<net::Session> taken = net::Session::host(0, kCode, "1.00");
    const std::uint16_t port = net::Session::host(0, kCode, "1.00")->port();  // free, as far as can be told
    QString problem, code;
    bool stayedOpen = false;
    QTimer::singleShot(100, window.get(), [&] {
        QDialog* dialog = activeDialog("ホストになる");
        auto* portField = dialog != nullptr ? dialog->findChild<QSpinBox*>("ポート") : nullptr;
        const QLabel* codeLabel = dialog != nullptr ? dialog->findChild<QLabel*>("参加コード") : nullptr;
        if (portField == nullptr || codeLabel == nullptr)
            return;
        QTest::keyClick(portField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(portField, QString::number(taken->port()));
        keyToFocus(QTest::Click, Qt::Key_Return);
        const QLabel* said = dialog->findChild<QLabel*>("問題");
        problem = said != nullptr && said->isVisible() ? said->text() : QString();
        stayedOpen = dialog->isVisible();
        code = codeLabel->text();
        QTest::keyClick(portField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(portField, QString::number(port));
        keyToFocus(QTest::Click, Qt::Key_Return);
    });
    chooseByKeyboard(0);
    EXPECT_EQ(problem, QStringLiteral("UDPポート %1 はほかのプログラムが使っています。").arg(taken->port()));
    EXPECT_TRUE(stayedOpen);
    ASSERT_TRUE(net::readJoinCode(code.toStdString()).has_value()) << code.toStdString();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Skyvane - 1P, hosting with code %1: waiting for 2P").arg(code));
    EXPECT_EQ(status(), QStringLiteral("2P待ち（ポート %1、コード %2）").arg(port).arg(code));
    EXPECT_TRUE(netItemsAre(false, true));
}
