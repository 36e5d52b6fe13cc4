// Net play from the window on the offscreen platform: the menu beside the game's, the host and
// join dialogs by keyboard and by mouse, leaving them, and what the window says meanwhile.
#include "WindowFixture.h"

#include "net/JoinCode.h"
#include "net/Session.h"

#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>

using namespace skyvane;
using skyvane::testing::WindowTest;

namespace {

const net::JoinCode kCode = *net::readJoinCode("K7PQ");

// A host on this machine that the window may join, serviced by the event loop.
class OtherMachine : public net::SessionEvents {
public:
    OtherMachine() : session(net::Session::host(0, kCode, QCoreApplication::applicationVersion().toStdString()))
    {
        QObject::connect(&service, &QTimer::timeout, [this] { session->service(*this); });
        service.start(5);
    }
    void joined() override { ++joins; }
    bool received(const net::Message&) override { return true; }
    void left(net::EndReason reason) override { gone.push_back(reason); }
    void turnedAway(net::EndReason, const std::string&) override {}

    std::unique_ptr<net::Session> session;
    QTimer service;
    int joins = 0;
    std::vector<net::EndReason> gone;
};

// A UDP port nobody has, as far as can be told.
std::uint16_t freePort() { return net::Session::host(0, kCode, "1.00")->port(); }

} // namespace

class NetMenuTest : public WindowTest {
protected:
    QDialog* openDialog(const char* title) const
    {
        QDialog* found = nullptr;
        (void)QTest::qWaitFor([&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible() && dialog->windowTitle() == title)
                    found = dialog;
            return found != nullptr;
        }, 2000);
        return found;
    }
    // The net menu's item chosen by keyboard: F10 opens the first menu, the arrows go on to the
    // fourth, whose first item is then the active one.
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
    static void typeInto(QWidget* field, const QString& text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
};

// Hosting by keyboard alone: a port taken is said in the dialog, which stays; another begins.
TEST_F(NetMenuTest, HostingByKeyboardTellsTheCodeAndAPortTakenIsSaidInTheDialog)
{
    const std::unique_ptr<net::Session> taken = net::Session::host(0, kCode, "1.00");
    const std::uint16_t port = freePort();
    QString problem, code;
    bool stayedOpen = false;
    after(100, [&] {
        QDialog* dialog = openDialog("ホストになる");
        if (dialog == nullptr)
            return;
        typeInto(dialog->findChild<QSpinBox*>("ポート"), QString::number(taken->port()));
        keyToFocus(QTest::Click, Qt::Key_Return);
        const QLabel* said = dialog->findChild<QLabel*>("問題");
        problem = said != nullptr && said->isVisible() ? said->text() : QString();
        stayedOpen = dialog->isVisible();
        code = dialog->findChild<QLabel*>("参加コード")->text();
        typeInto(dialog->findChild<QSpinBox*>("ポート"), QString::number(port));
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

// Joining by mouse: the address and code typed, the button clicked; the window says who is
// there and how far; leaving says so, and the host hears it.
TEST_F(NetMenuTest, JoiningByMouseSaysWhoIsThereAndLeavingEndsItOnBothSides)
{
    OtherMachine host;
    after(100, [&] {
        QDialog* dialog = openDialog("参加する");
        if (dialog == nullptr)
            return;
        QTest::mouseClick(dialog->findChild<QLineEdit*>("アドレス"), Qt::LeftButton);
        QTest::keyClicks(dialog->findChild<QLineEdit*>("アドレス"), QStringLiteral("127.0.0.1:%1").arg(host.session->port()));
        QTest::mouseClick(dialog->findChild<QLineEdit*>("参加コード"), Qt::LeftButton);
        QTest::keyClicks(dialog->findChild<QLineEdit*>("参加コード"), "k7pq");
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "参加")
                QTest::mouseClick(button, Qt::LeftButton);
    });
    ASSERT_TRUE(clickMenuTitle("ネット対戦"));
    QMenu* menu = action("ネット対戦")->menu();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action("参加する")).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "Skyvane - 2P, with 1P"; }, 5000))
        << window->windowTitle().toStdString();
    EXPECT_EQ(host.joins, 1);
    EXPECT_TRUE(status().startsWith("1Pと対戦中（往復 ")) << status().toStdString();
    EXPECT_TRUE(netItemsAre(false, true));
    EXPECT_TRUE(action("人数")->isChecked() == false && window->findChildren<QAction*>("人数")[1]->isChecked())
        << "two players it is";

    action("ネット対戦をやめる")->trigger();
    EXPECT_EQ(window->windowTitle(), "Skyvane");
    EXPECT_EQ(status(), "ネット対戦をやめました");
    EXPECT_TRUE(netItemsAre(true, false));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.gone.empty(); }, 3000));
    EXPECT_EQ(host.gone.front(), net::EndReason::Left);
}

// Esc, the cancel button, and a join with nothing chosen: none of them opens or joins anything.
TEST_F(NetMenuTest, LeavingEitherDialogChangesNothing)
{
    QString joinProblem;
    after(100, [&] {
        if (openDialog("参加する") == nullptr)
            return;
        keyToFocus(QTest::Click, Qt::Key_Return);
        QDialog* dialog = openDialog("参加する");
        const QLabel* said = dialog != nullptr ? dialog->findChild<QLabel*>("問題") : nullptr;
        joinProblem = said != nullptr && said->isVisible() ? said->text() : QString();
        keyToFocus(QTest::Click, Qt::Key_Escape);
    });
    chooseByKeyboard(1);
    after(100, [&] {
        if (QDialog* dialog = openDialog("ホストになる"))
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "キャンセル")
                    QTest::mouseClick(button, Qt::LeftButton);
    });
    chooseByKeyboard(0);
    EXPECT_EQ(joinProblem, "アドレスを選ぶか入力してください。");
    EXPECT_EQ(window->windowTitle(), "Skyvane");
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(netItemsAre(true, false));
    EXPECT_TRUE(window->isEnabled());
}
